#include "ui/main/tab_zlozone.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <limits>

#include "engine/numbers.h"
#include "ui/main/numeric_edit.h"
#include "ui/main/value_label.h"

namespace tarvik::ui {
namespace {

QPushButton* Button(const char* name, const QString& text, const QString& hint, QWidget* parent) {
  auto* b = new QPushButton(text, parent);
  b->setObjectName(name);
  if (!hint.isEmpty()) b->setToolTip(hint);
  b->setAutoDefault(false);
  return b;
}

// a move edit: signed, no unit, no bounds; its up/down buttons named upDown
DimensionEdit* MoveEdit(const QString& name, const QString& upDown, const QString& hint,
                        QWidget* parent) {
  auto* e = new DimensionEdit(name, parent);
  e->setObjectName("Panel" + name + "Edit");  // "Panel" + name is the placement's
  e->upDown()->setObjectName(upDown);
  e->up()->setObjectName(upDown + "Up");
  e->down()->setObjectName(upDown + "Down");
  EditRule rule;
  rule.unit = "";
  rule.signedMode = true;
  rule.minimum = -std::numeric_limits<double>::infinity();
  e->setRule(rule);
  e->edit()->setToolTip(hint);
  e->setText("0");
  // the arrows move the component by the step: the edit's own stepping is not used
  e->up()->disconnect();
  e->down()->disconnect();
  return e;
}

QString Auto(double value, const char* suffix = "") {
  return QString::fromStdString(FormatLiczby(-1, suffix, value));
}

}  // namespace

TabZlozone::TabZlozone(QWidget* parent) : TabPage(parent) {
  setObjectName("TabSheetZlozone");
  auto* heading = new QLabel("Przekrój złożony z profili prostych", this);
  heading->setObjectName("LabelZlozone");
  QFont bold = heading->font();
  bold.setBold(true);
  heading->setFont(bold);

  groupNowa_ = new QGroupBox(" Nowy profil ", this);
  groupNowa_->setObjectName("GroupBoxNowa");
  nowy_ = Button("SpeedButtonNowy", "Nowy profil", "Dodanie do przekroju nowego profilu", groupNowa_);
  aktywna_ = Button("SpeedButtonAktywna", "Aktywny profil",
                    "Zmiana aktywnego profilu - można też dwuklikiem w polu profilu", groupNowa_);
  zmiana_ = Button("SpeedButtonZmiana", "Zmiana profilu",
                   "Zmiana kształtu lub wielkości aktywnego profilu", groupNowa_);
  usun_ = Button("SpeedButtonUsun", "Usuń aktywny profil", "Usuwanie aktywnego profilu", groupNowa_);
  usunCaly_ = Button("SpeedButtonUsunCaly", "Usuń cały przekrój", "Usuwanie całego przekroju",
                     groupNowa_);
  auto* nowa = new QVBoxLayout(groupNowa_);
  for (QPushButton* b : {nowy_, aktywna_, zmiana_, usun_, usunCaly_}) nowa->addWidget(b);

  groupEdit_ = new QGroupBox(" Edycja profilu ", this);
  groupEdit_->setObjectName("GroupBoxEdit");
  editX_ = MoveEdit("X", "UpDownX", "Przesuwa aktywną figurę w poziomie", groupEdit_);
  editY_ = MoveEdit("Y", "UpDownY", "Przesuwa aktywną figurę w pionie", groupEdit_);
  editObrot_ = MoveEdit("Obrot", "UpDownA", "Obraca figurę", groupEdit_);
  labelX_ = new QLabel("dX [mm]", groupEdit_);
  labelX_->setObjectName("LabelX");
  labelY_ = new QLabel("dY [mm]", groupEdit_);
  labelY_->setObjectName("LabelY");
  auto* labelObrot = new QLabel("Obrót [st]", groupEdit_);
  labelObrot->setObjectName("LabelObrot");
  krok_ = new QComboBox(groupEdit_);
  krok_->setObjectName("ComboBoxKrok");
  krok_->addItems({"1", "10", "100"});
  auto* labelKrok = new QLabel("Krok", groupEdit_);
  labelKrok->setObjectName("LabelKrok");
  labelX_->setBuddy(editX_->edit());
  labelY_->setBuddy(editY_->edit());
  labelObrot->setBuddy(editObrot_->edit());
  labelKrok->setBuddy(krok_);
  lustroX_ = Button("ButtonLustroX", "Lustro X", "Lustrzane odbicie wzg.osi poziomej", groupEdit_);
  lustroY_ = Button("ButtonLustroY", "Lustro Y", "", groupEdit_);
  auto* plus90 = Button("Button90", "Obrót +90", "Obrót aktywnej figury w lewo", groupEdit_);
  auto* minus90 = Button("Button_90", "Obrót -90", "Obrót aktywnej figury w prawo", groupEdit_);

  auto* placement = new QLabel("Położenie", groupEdit_);
  placement->setObjectName("LabelPolozenie");
  panelX_ = new ValueLabel(placement, groupEdit_);
  panelX_->setObjectName("PanelX");
  panelY_ = new ValueLabel(placement, groupEdit_);
  panelY_->setObjectName("PanelY");
  panelAl_ = new ValueLabel(placement, groupEdit_);
  panelAl_->setObjectName("PanelAl");
  for (QLabel* l : {panelX_, panelY_, panelAl_}) l->setFrameShape(QFrame::StyledPanel);

  labelE_ = new QLabel("Waga Ei/Eo", groupEdit_);
  labelE_->setObjectName("LabelE_E");
  editE_ = new QLineEdit("1,0", groupEdit_);
  editE_->setObjectName("EditE_E");
  labelE_->setBuddy(editE_);
  editE_->installEventFilter(this);  // a weight takes digits and a decimal comma only

  auto* grid = new QGridLayout(groupEdit_);
  grid->addWidget(labelX_, 0, 0);
  grid->addWidget(editX_, 0, 1);
  grid->addWidget(labelY_, 1, 0);
  grid->addWidget(editY_, 1, 1);
  grid->addWidget(labelObrot, 2, 0);
  grid->addWidget(editObrot_, 2, 1);
  grid->addWidget(labelKrok, 3, 0);
  grid->addWidget(krok_, 3, 1);
  grid->addWidget(lustroX_, 0, 2);
  grid->addWidget(lustroY_, 1, 2);
  grid->addWidget(plus90, 2, 2);
  grid->addWidget(minus90, 3, 2);
  grid->addWidget(placement, 4, 0);
  auto* panels = new QHBoxLayout;
  for (QLabel* l : {panelX_, panelY_, panelAl_}) panels->addWidget(l);
  grid->addLayout(panels, 4, 1, 1, 2);
  grid->addWidget(labelE_, 5, 0);
  grid->addWidget(editE_, 5, 1);

  auto* columns = new QHBoxLayout;
  columns->addWidget(groupNowa_, 0, Qt::AlignTop);
  columns->addWidget(groupEdit_, 0, Qt::AlignTop);
  columns->addStretch(1);
  auto* page = new QVBoxLayout(this);
  page->addWidget(heading);
  page->addLayout(columns);
  page->addStretch(1);

  connect(nowy_, &QPushButton::clicked, this, &TabZlozone::nowyProfil);
  connect(zmiana_, &QPushButton::clicked, this, &TabZlozone::zmianaProfilu);
  connect(aktywna_, &QPushButton::clicked, this, [this] {
    editor_->nastepny();
    Done();
  });
  connect(usun_, &QPushButton::clicked, this, &TabZlozone::Usun);
  connect(usunCaly_, &QPushButton::clicked, this, &TabZlozone::UsunCaly);

  // Enter in a move edit moves once; the focus then goes on (the window's Enter handling)
  auto typed = [this](DimensionEdit* e, bool (EdytorZlozony::*call)(std::string_view)) {
    connect(e, &DimensionEdit::confirmed, this, [this, e, call] {
      (editor_->*call)(e->text().toStdString());
      Arrange();
      emit doZapisu();
      emit entered();
    });
  };
  typed(editX_, &EdytorZlozony::wpiszX);
  typed(editY_, &EdytorZlozony::wpiszY);
  typed(editObrot_, &EdytorZlozony::wpiszObrot);
  auto stepped = [this](DimensionEdit* e, void (EdytorZlozony::*call)(bool)) {
    connect(e->up(), &QToolButton::clicked, this, [this, call] {
      (editor_->*call)(true);
      Done();
    });
    connect(e->down(), &QToolButton::clicked, this, [this, call] {
      (editor_->*call)(false);
      Done();
    });
  };
  stepped(editX_, &EdytorZlozony::krokX);
  stepped(editY_, &EdytorZlozony::krokY);
  stepped(editObrot_, &EdytorZlozony::krokObrot);
  // a vertical step leaves the keyboard in dY, where the arrow keys go on stepping
  for (QToolButton* b : {editY_->up(), editY_->down()})
    connect(b, &QToolButton::clicked, this, [this] { editY_->edit()->setFocus(); });
  for (DimensionEdit* e : {editX_, editY_}) e->edit()->installEventFilter(this);
  connect(krok_, &QComboBox::textActivated, this, [this](const QString& text) {
    if (!editor_->ustawKrok(text.toStdString())) krok_->setCurrentText(QString::fromStdString(editor_->krok()));
    editX_->setFocus();
  });
  auto button = [this](QPushButton* b, std::function<void()> call) {
    connect(b, &QPushButton::clicked, this, [this, call] {
      call();
      Done();
      editX_->setFocus();
    });
  };
  button(lustroX_, [this] { editor_->lustroX(); });
  button(lustroY_, [this] { editor_->lustroY(); });
  button(plus90, [this] { editor_->obrot90(true); });
  button(minus90, [this] { editor_->obrot90(false); });
  connect(editE_, &QLineEdit::returnPressed, this, [this] {
    editor_->waga(editE_->text().toStdString());
    Arrange();
    emit doZapisu();
    emit entered();
  });
}

void TabZlozone::setOsieYZ(bool yz) {
  osieYZ_ = yz;
  labelX_->setText(yz ? "dY[mm]" : "dX [mm]");
  labelY_->setText(yz ? "dZ[mm]" : "dY [mm]");
  lustroX_->setText(yz ? "Lustro Y" : "Lustro X");
  lustroY_->setText(yz ? "Lustro Z" : "Lustro Y");
}

void TabZlozone::Show() {
  editor_->pokaz();
  Arrange();
}

void TabZlozone::Arrange() {
  const int n = editor_->liczba();
  groupNowa_->setTitle(QString::fromStdString(editor_->podpis()));
  // with one component there is nothing to switch to, and deleting it is the whole section
  for (QWidget* w : std::initializer_list<QWidget*>{aktywna_, usun_, zmiana_, usunCaly_, labelE_, editE_})
    w->setEnabled(n >= 2);
  labelE_->setVisible(n >= 2);
  editE_->setVisible(n >= 2);
  groupEdit_->setVisible(n >= 1);
  editX_->setText(QString::fromStdString(editor_->editX()));
  editY_->setText(QString::fromStdString(editor_->editY()));
  editObrot_->setText(QString::fromStdString(editor_->editObrot()));
  editE_->setText(QString::fromStdString(editor_->wagaTekst()));
  const SectionModel& m = *model_;
  const int f = editor_->biezacy();
  if (n == 0 || f < 1 || f > n) {
    for (QLabel* l : {panelX_, panelY_, panelAl_}) l->clear();
    return;
  }
  Placement p;
  if (m.placements.size() >= static_cast<size_t>(f)) {
    p = m.placements[static_cast<size_t>(f - 1)];
  } else {
    const FigureRecord& fig = m.figures[static_cast<size_t>(f)];
    p = {fig.originX, fig.originY, fig.rotation};
  }
  panelX_->setText((osieYZ_ ? "Y=" : "X=") + Auto(p.x));
  panelY_->setText((osieYZ_ ? "Z=" : "Y=") + Auto(p.y));
  panelAl_->setText("kąt=" + Auto(p.angle, "°"));
}

void TabZlozone::Done() {
  Arrange();
  emit doZapisu();
  emit przelicz();
}

void TabZlozone::Usun() {
  if (ask_({"PYTANIE", "Usunąć profil?", "Tak", "Nie", {}}) != 1) return;
  editor_->usun();
  Done();
}

void TabZlozone::UsunCaly() {
  if (ask_({"PYTANIE", "Usunąć cały przekrój?", "Tak", "Nie", {}}) != 1) return;
  editor_->usunCaly();
  Done();
}

bool TabZlozone::eventFilter(QObject* watched, QEvent* event) {
  if (watched == editE_ && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (FiltrKlawisza(false, key->key(), key->text())) return false;
    QApplication::beep();
    return true;
  }
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    bool handled = true;
    switch (key) {
      case Qt::Key_Left: editor_->krokX(false); break;
      case Qt::Key_Right: editor_->krokX(true); break;
      case Qt::Key_Up: editor_->krokY(true); break;
      case Qt::Key_Down: editor_->krokY(false); break;
      default: handled = false;
    }
    if (handled) {
      Done();
      return true;
    }
  }
  return TabPage::eventFilter(watched, event);
}

}  // namespace tarvik::ui
