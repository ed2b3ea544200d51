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
#include "ui/main/move_panel.h"
#include "ui/main/numeric_edit.h"

namespace tarvik::ui {
TabZlozone::TabZlozone(QWidget* parent) : TabPage(parent) {
  setObjectName("TabSheetZlozone");
  QLabel* heading = Naglowek("Przekrój złożony z profili prostych", "LabelZlozone");

  groupNowa_ = new QGroupBox(" Nowy profil ", this);
  groupNowa_->setObjectName("GroupBoxNowa");
  nowy_ = PrzyciskEdytora("SpeedButtonNowy", "Nowy profil", "Dodanie do przekroju nowego profilu", groupNowa_);
  aktywna_ = PrzyciskEdytora("SpeedButtonAktywna", "Aktywny profil",
                    "Zmiana aktywnego profilu - można też dwuklikiem w polu profilu", groupNowa_);
  zmiana_ = PrzyciskEdytora("SpeedButtonZmiana", "Zmiana profilu",
                   "Zmiana kształtu lub wielkości aktywnego profilu", groupNowa_);
  usun_ = PrzyciskEdytora("SpeedButtonUsun", "Usuń aktywny profil", "Usuwanie aktywnego profilu", groupNowa_);
  usunCaly_ = PrzyciskEdytora("SpeedButtonUsunCaly", "Usuń cały przekrój", "Usuwanie całego przekroju",
                     groupNowa_);
  auto* nowa = new QVBoxLayout(groupNowa_);
  for (QPushButton* b : {nowy_, aktywna_, zmiana_, usun_, usunCaly_}) nowa->addWidget(b);

  groupEdit_ = new PanelRuchu(" Edycja profilu ", "", this);
  labelE_ = new QLabel("Waga Ei/Eo", groupEdit_);
  labelE_->setObjectName("LabelE_E");
  editE_ = new QLineEdit("1,0", groupEdit_);
  editE_->setObjectName("EditE_E");
  labelE_->setBuddy(editE_);
  editE_->installEventFilter(this);  // a weight takes digits and a decimal comma only

  QGridLayout* grid = groupEdit_->grid();
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

  connect(groupEdit_, &PanelRuchu::moved, this, &TabZlozone::Done);
  connect(groupEdit_, &PanelRuchu::typed, this, [this] {
    Arrange();
    emit doZapisu();
    emit entered();
  });
  connect(editE_, &QLineEdit::returnPressed, this, [this] {
    editor_->waga(editE_->text().toStdString());
    Arrange();
    emit doZapisu();
    emit entered();
  });
}

void TabZlozone::setEdytor(EdytorZlozony* editor, const SectionModel* model) {
  editor_ = editor;
  model_ = model;
  groupEdit_->setEdytor(editor, model);
}

void TabZlozone::setOsieYZ(bool yz) { groupEdit_->setOsieYZ(yz); }

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
  editE_->setText(QString::fromStdString(editor_->wagaTekst()));
  groupEdit_->Arrange();
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
  return TabPage::eventFilter(watched, event);
}

}  // namespace tarvik::ui
