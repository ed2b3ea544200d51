#include "ui/results/form_lista_gr.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "engine/numbers.h"
#include "ui/main/form_blad.h"
#include "ui/main/numeric_edit.h"

namespace tarvik::ui {

TFormListaGr::TFormListaGr(const std::vector<double>& list, int last, QWidget* parent)
    : QDialog(parent), list_(list) {
  setObjectName("TFormListaGr");
  setWindowTitle("Grubości");
  setAttribute(Qt::WA_WindowPropagation);  // the window's colour

  auto* wybierz = new QLabel("Wybierz grubość", this);
  wybierz->setObjectName("Label1");
  auto* wpisz = new QLabel("lub wpisz wartość", this);
  wpisz->setObjectName("Label2");
  combo_ = new QComboBox(this);
  combo_->setObjectName("ComboBoxGr");
  combo_->setEditable(true);
  combo_->setInsertPolicy(QComboBox::NoInsert);
  combo_->setAccessibleName("Grubość ścianki [mm]");
  for (double t : list_) combo_->addItem(QString::fromStdString(FormatLiczby(1, "", t)).trimmed());
  combo_->setCurrentIndex(last >= 0 && last < combo_->count() ? last : -1);
  combo_->lineEdit()->installEventFilter(this);
  wybierz->setBuddy(combo_);
  wpisz->setBuddy(combo_);

  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("ButtonOK");
  ok->setDefault(true);  // Enter in the combo acts as OK
  connect(ok, &QPushButton::clicked, this, &TFormListaGr::ButtonOKClick);

  auto* grid = new QGridLayout(this);
  grid->addWidget(wybierz, 0, 0);
  grid->addWidget(wpisz, 1, 0);
  grid->addWidget(combo_, 2, 0);
  grid->addWidget(ok, 3, 0, Qt::AlignHCenter);
  combo_->setFocus();
}

bool TFormListaGr::eventFilter(QObject* watched, QEvent* event) {
  // digits and one decimal separator only
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    const bool editing = key->key() == Qt::Key_Left || key->key() == Qt::Key_Right ||
                         key->key() == Qt::Key_Delete || key->key() == Qt::Key_Home ||
                         key->key() == Qt::Key_End || key->key() == Qt::Key_Up ||
                         key->key() == Qt::Key_Down || key->key() == Qt::Key_Tab ||
                         key->matches(QKeySequence::SelectAll) ||
                         key->matches(QKeySequence::Paste) || key->matches(QKeySequence::Copy);
    if (!editing && !FiltrKlawisza(false, key->key(), key->text())) {
      QApplication::beep();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

std::optional<double> TFormListaGr::grubosc() const {
  const int i = combo_->currentIndex();
  if (i >= 0 && combo_->currentText() == combo_->itemText(i)) return list_[static_cast<size_t>(i)];
  const std::string text = combo_->currentText().toStdString();
  if (!CalaLiczba(text, "mm", false)) return std::nullopt;
  const double value = CzytajLiczbe(text);
  if (!(value > 0)) return std::nullopt;
  return value;
}

void TFormListaGr::ButtonOKClick() {
  if (grubosc()) return accept();
  PokazKomunikat(this,
                 Blad("Grubość ścianki musi być liczbą większą od zera",
                      "(" + combo_->currentText().toStdString() + ")"),
                 palette().color(QPalette::Window));
  combo_->setFocus();
}

std::optional<GruboscWybor> TFormListaGr::Zapytaj(const std::vector<double>& list, int last,
                                                  QPoint pos, QWidget* parent) {
  TFormListaGr dialog(list, last, parent);
  dialog.move(pos);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return GruboscWybor{*dialog.grubosc(), dialog.pos()};
}

}  // namespace tarvik::ui
