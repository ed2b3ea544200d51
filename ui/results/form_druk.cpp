#include "ui/results/form_druk.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QRegularExpression>
#include <QVBoxLayout>
#include <algorithm>

#include "engine/messages.h"
#include "engine/numbers.h"
#include "engine/print_page.h"
#include "ui/main/dialog_buttons.h"
#include "ui/main/form_blad.h"
#include "ui/main/numeric_edit.h"
#include "ui/main/radio_group.h"

namespace tarvik::ui {
namespace {

const QStringList kMiejsca = {"Pierwszy", "Drugi", "Trzeci", "Czwarty", "Piąty"};

// one character below "6" (a digit, ',' or '.') is too small a margin for the printer
QString NieMniejNiz6(const QString& text) {
  if (text.isEmpty() || (text.size() == 1 && text < "6")) return "6";
  return text;
}

}  // namespace

QString MarginesPoEnter(const QString& text) { return NieMniejNiz6(text); }

QString MarginesKrok(const QString& text, int direction) {
  QString whole;
  if (text.isEmpty())
    whole = "6";
  else if (text.startsWith("0.") || text.startsWith("0,") || text.startsWith('.') ||
           text.startsWith(','))
    whole = "1";
  else
    whole = text.left(text.indexOf(QRegularExpression("[.,]"))).trimmed();
  bool ok = false;
  const int v = whole.toInt(&ok);
  if (!ok) return "6";
  return NieMniejNiz6(QString::number(v + direction));
}

TFormDruk::TFormDruk(const DrukPytanie& q, QWidget* parent) : QDialog(parent), question_(q) {
  setObjectName("TFormDruk");
  setWindowTitle("Drukuj");
  const int n = std::clamp(q.n, 2, 5);

  // the caption reads over two lines: "Liczba rysunków na" above the group " stronie "
  auto* liczbaCaption = new QLabel("Liczba rysunków na", this);
  liczbaCaption->setObjectName("LabelLiczba");
  liczba_ = new RadioGroup("RadioGroupLiczba", " stronie ", {"Dwa", "Trzy", "Cztery", "Pięć"}, 1,
                           this);
  liczba_->setAccessibleName("Liczba rysunków na stronie");
  liczbaCaption->setBuddy(liczba_);
  liczba_->setItemIndex(n - 2);
  rysunek_ = new RadioGroup("RadioGroupRysunek", " Rysunek ", kMiejsca.mid(0, n), 1, this);
  rysunek_->setItemIndex(std::clamp(q.p, 0, n - 1));
  param_ = new RadioGroup("RadioGroupParam", " Parametry ",
                          {"Statyki", "Wymiarowania", "Geometryczne"}, 1, this);
  param_->setItemIndex(std::clamp(q.zakladka, 0, 2));

  auto* marginesy = new QGroupBox(" Marginesy [mm]", this);
  marginesy->setObjectName("GroupBoxMarginesy");
  auto* mg = new QGridLayout(marginesy);
  auto* labelGorny = new QLabel("Górny", marginesy);
  auto* labelLewy = new QLabel("Lewy", marginesy);
  mg->addWidget(labelGorny, 0, 0);
  mg->addWidget(Margines("Gorny", gorny_), 0, 1);
  mg->addWidget(labelLewy, 1, 0);
  mg->addWidget(Margines("Lewy", lewy_), 1, 1);
  labelGorny->setBuddy(gorny_);
  labelLewy->setBuddy(lewy_);
  gorny_->setText(QString::number(q.gorny));
  lewy_->setText(QString::number(q.lewy));

  auto* drukarka = new QGroupBox(" Drukarka ", this);
  drukarka->setObjectName("GroupBoxDrukarka");
  auto* dl = new QVBoxLayout(drukarka);
  doPliku_ = new QCheckBox("Zapis do pliku", drukarka);
  doPliku_->setObjectName("CheckBoxDoPliku");
  doPliku_->setToolTip("Zapis strony do pliku PDF");
  doPliku_->setChecked(q.doPliku);
  konfig_ = new QToolButton(drukarka);
  konfig_->setObjectName("SpeedButtonKonfig");
  konfig_->setText("Konfiguracja");
  konfig_->setEnabled(static_cast<bool>(q.konfiguracja));
  dl->addWidget(doPliku_);
  dl->addWidget(konfig_);

  drStrone_ = new QToolButton(this);
  drStrone_->setObjectName("SpeedButtonDrStrone");
  drStrone_->setText("Drukuj niekompletną stronę");
  const OkAnuluj b = PrzyciskiOkAnuluj(this);
  ok_ = b.ok;
  ok_->setAutoDefault(true);  // Enter on OK does what a click does
  disconnect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  connect(ok_, &QPushButton::clicked, this, &TFormDruk::ButtonOKClick);
  connect(liczba_, &RadioGroup::clicked, this, &TFormDruk::RadioGroupLiczbaClick);
  connect(rysunek_, &RadioGroup::clicked, this, &TFormDruk::RadioGroupRysunekClick);
  connect(konfig_, &QToolButton::clicked, this, &TFormDruk::SpeedButtonKonfigClick);
  connect(drStrone_, &QToolButton::clicked, this, &TFormDruk::SpeedButtonDrStroneClick);
  RadioGroupRysunekClick(rysunek_->itemIndex());

  auto* left = new QVBoxLayout;
  left->addWidget(liczbaCaption);
  left->addWidget(liczba_);
  left->addWidget(rysunek_);
  left->addStretch(1);
  auto* right = new QVBoxLayout;
  right->addWidget(param_);
  right->addWidget(marginesy);
  right->addWidget(drukarka);
  right->addStretch(1);
  auto* top = new QHBoxLayout;
  top->addLayout(left);
  top->addLayout(right);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(drStrone_);
  buttons->addStretch(1);
  buttons->addWidget(ok_);
  buttons->addWidget(b.cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(buttons);
}

QWidget* TFormDruk::Margines(const QString& name, QLineEdit*& edit) {
  auto* box = new QWidget(this);
  auto* row = new QHBoxLayout(box);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(0);
  edit = new QLineEdit(box);
  edit->setObjectName("Edit" + name);
  edit->setAccessibleDescription("Margines w milimetrach");
  edit->installEventFilter(this);
  auto* upDown = new QWidget(box);
  upDown->setObjectName("UpDown" + name);
  auto* arrows = new QVBoxLayout(upDown);
  arrows->setContentsMargins(0, 0, 0, 0);
  arrows->setSpacing(0);
  QLineEdit* target = edit;
  for (int direction : {1, -1}) {
    auto* arrow = new QToolButton(upDown);
    arrow->setObjectName("UpDown" + name + (direction > 0 ? "Up" : "Down"));
    arrow->setArrowType(direction > 0 ? Qt::UpArrow : Qt::DownArrow);
    arrow->setAccessibleName(direction > 0 ? "Więcej" : "Mniej");
    arrow->setFocusPolicy(Qt::NoFocus);
    connect(arrow, &QToolButton::clicked, this,
            [target, direction] { target->setText(MarginesKrok(target->text(), direction)); });
    arrows->addWidget(arrow);
  }
  row->addWidget(edit, 1);
  row->addWidget(upDown);
  return box;
}

bool TFormDruk::eventFilter(QObject* watched, QEvent* event) {
  auto* edit = qobject_cast<QLineEdit*>(watched);
  if (!edit || event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
  auto* key = static_cast<QKeyEvent*>(event);
  if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
    edit->setText(MarginesPoEnter(edit->text()));
    if (edit == gorny_)
      lewy_->setFocus();
    else
      ok_->setFocus();
    return true;
  }
  if (FiltrKlawisza(false, key->key(), key->text())) return false;
  QApplication::beep();
  return true;
}

void TFormDruk::RadioGroupLiczbaClick(int index) {
  rysunek_->setItems(kMiejsca.mid(0, index + 2), 0);
  RadioGroupRysunekClick(0);
}

void TFormDruk::RadioGroupRysunekClick(int index) {
  // at the last place the page ends anyway
  drStrone_->setEnabled(index < liczba_->itemIndex() + 1);
}

void TFormDruk::SpeedButtonKonfigClick() {
  if (!question_.konfiguracja) return;
  if (const std::optional<bool> toFile = question_.konfiguracja()) doPliku_->setChecked(*toFile);
}

void TFormDruk::SpeedButtonDrStroneClick() {
  niekompletna_ = true;
  ButtonOKClick();
  if (result() != QDialog::Accepted) niekompletna_ = false;
}

// a margin is a whole number of millimetres as typed; anything else is refused
bool TFormDruk::Czytaj(QLineEdit* edit, int& value) {
  const std::string text = edit->text().toStdString();
  if (!CalaLiczba(text, "", false)) {
    PokazKomunikat(this, Blad("Niewłaściwa liczba", "(" + text + ")"), palette().color(QPalette::Window));
    edit->setFocus();
    return false;
  }
  value = Zaokraglij(CzytajLiczbe(text));
  return true;
}

void TFormDruk::ButtonOKClick() {
  if (!Czytaj(gorny_, gornyWartosc_) || !Czytaj(lewy_, lewyWartosc_)) return;
  accept();
}

DrukWybor TFormDruk::wybor() const {
  DrukWybor w;
  w.ok = result() == QDialog::Accepted;
  w.niekompletna = niekompletna_;
  w.n = liczba_->itemIndex() + 2;
  w.p = rysunek_->itemIndex();
  w.zakladka = param_->itemIndex();
  w.gorny = w.ok ? gornyWartosc_ : question_.gorny;
  w.lewy = w.ok ? lewyWartosc_ : question_.lewy;
  w.doPliku = doPliku_->isChecked();
  return w;
}

DrukWybor TFormDruk::Zapytaj(const DrukPytanie& question, QWidget* parent) {
  TFormDruk dialog(question, parent);
  dialog.exec();
  return dialog.wybor();
}

}  // namespace tarvik::ui
