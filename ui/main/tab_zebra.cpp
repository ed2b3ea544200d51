#include "ui/main/tab_zebra.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "engine/model.h"
#include "engine/numbers.h"
#include "ui/main/numeric_edit.h"

namespace tarvik::ui {
namespace {

QString Mm(double v) { return QString::fromStdString(FormatWymiaru(0, 0, 0, v)) + " mm"; }

// the spin arrows keep the names the slab's buttons have always had
DimensionEdit* SlabEdit(const QString& name, const QString& upDown, const EditRule& rule,
                        QWidget* parent) {
  auto* e = new DimensionEdit(name, parent);
  e->setRule(rule);
  e->upDown()->setObjectName(upDown);
  e->up()->setObjectName(upDown + "Up");
  e->down()->setObjectName(upDown + "Down");
  e->edit()->setFixedWidth(80);
  return e;
}

}  // namespace

TabZebra::TabZebra(QWidget* parent) : TabPage(parent) {
  setObjectName("TabSheetZebra");
  QLabel* heading = Naglowek("Przekrój jednostronnego żebra ", "LabelZebro");

  auto* blacha = new QGroupBox(" Płyta ", this);
  blacha->setObjectName("GroupBoxBlacha");
  grubosc_ = SlabEdit("Grubosc", "UpDownGrBlachy", {}, blacha);
  szerokosc_ = SlabEdit("Szerokosc", "UpDownSzerBlachy", {}, blacha);
  EditRule krotnosc;
  krotnosc.unit = "x";
  krotnosc_ = SlabEdit("Krotnosc", "UpDownKrotnosc", krotnosc, blacha);
  auto* grid = new QGridLayout(blacha);
  const std::pair<const char*, DimensionEdit*> rows[] = {
      {"Grubość", grubosc_}, {"Szerokość", szerokosc_}, {"Krotność", krotnosc_}};
  int row = 0;
  for (const auto& [caption, edit] : rows) {
    auto* label = new QLabel(caption, blacha);
    label->setBuddy(edit->edit());
    grid->addWidget(label, row, 0);
    grid->addWidget(edit, row++, 1);
  }
  grid->setColumnStretch(2, 1);
  connect(grubosc_, &DimensionEdit::confirmed, this, &TabZebra::EditGruboscKeyPress);
  connect(szerokosc_, &DimensionEdit::confirmed, this, &TabZebra::EditSzerokoscKeyPress);
  connect(krotnosc_, &DimensionEdit::confirmed, this, &TabZebra::EditKrotnoscKeyPress);
  connect(grubosc_, &DimensionEdit::stepped, this, &TabZebra::UpDownGrBlachyClick);
  connect(szerokosc_, &DimensionEdit::stepped, this, &TabZebra::UpDownSzerBlachyClick);
  connect(krotnosc_, &DimensionEdit::stepped, this, &TabZebra::UpDownKrotnoscClick);

  groupZebro_ = new QGroupBox(" Żebro ", this);
  groupZebro_->setObjectName("GroupBoxZebro");
  auto button = [this](const char* name, const QString& text, const QString& hint) {
    auto* b = new QPushButton(text, groupZebro_);
    b->setObjectName(name);
    b->setToolTip(hint);
    return b;
  };
  proste_ = button("SpeedButtonProste", "Proste", "Żebro z przekrojów prostych");
  walcowane_ = button("SpeedButtonWalc", "Walcowane", "Żebro z kształtowników walcowanych");
  giete_ = button("SpeedButtonGiete", "Gięte", "Żebro z kształtowników giętych");
  usun_ = button("SpeedButtonUsunZebro", "Usuń żebro", "Usuwa przekrój użebrowany");
  obrot_ = new QCheckBox("Obróć o 90 st", groupZebro_);
  obrot_->setObjectName("CheckBoxObrZebra");
  obrot_->setToolTip("Po włączeniu wywołaj ponownie żebro");
  obrot_->setAccessibleDescription(obrot_->toolTip());
  auto* ribs = new QGridLayout(groupZebro_);
  ribs->addWidget(proste_, 0, 0);
  ribs->addWidget(walcowane_, 0, 1);
  ribs->addWidget(giete_, 0, 2);
  ribs->addWidget(obrot_, 1, 0, 1, 3);
  ribs->addWidget(usun_, 2, 0, 1, 3, Qt::AlignLeft);
  connect(proste_, &QPushButton::clicked, this, [this] { emit zebro(kProste); });
  connect(walcowane_, &QPushButton::clicked, this, [this] { emit zebro(kWalcowane); });
  connect(giete_, &QPushButton::clicked, this, [this] { emit zebro(kGiete); });
  connect(usun_, &QPushButton::clicked, this, &TabZebra::usunZebro);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(heading);
  layout->addWidget(blacha);
  layout->addWidget(groupZebro_);
  layout->addStretch(1);
  Pokaz();
}

void TabZebra::setDatabase(bool present) {
  walcowane_->setEnabled(present);
  giete_->setEnabled(present);
}

void TabZebra::Show() {
  const bool rib = model_ && model_->figureCount == 2 && model_->figures.size() > 2;
  usun_->setVisible(rib);
  obrot_->setVisible(rib && ZebroObracalne(model_->figures[2].selection));
  if (!rib) {
    turned_ = false;
    obrot_->setChecked(false);
    grubosc_->edit()->setFocus();
  }
  Pokaz();
}

void TabZebra::FillSelection(Selection& s) { s = WyborUzebrowania(wybor()); }

WyborPlyty TabZebra::wybor() const {
  return {grubosc_->text().toStdString(), szerokosc_->text().toStdString(), turned_};
}

bool TabZebra::obrocic() const { return obrot_->isVisible() && obrot_->isChecked(); }

void TabZebra::Wczytaj(const WyborPlyty& choice) {
  plyta_ = PoSzerokosci(PoGrubosci({}, CzytajLiczbe(choice.t)), CzytajLiczbe(choice.b));
  turned_ = choice.turned;
  obrot_->setChecked(choice.turned);
  Pokaz();
}

void TabZebra::Pokaz() {
  grubosc_->setText(Mm(plyta_.t));
  szerokosc_->setText(Mm(plyta_.b));
  krotnosc_->setText(QString::fromStdString(TekstKrotnosci(plyta_.k())));
}

// a confirmed change: the edits show the slab, the section follows
void TabZebra::Zmiana(const PlytaZebra& p, bool typed) {
  plyta_ = p;
  Pokaz();
  emit doZapisu();
  if (typed)
    emit entered();
  else
    emit przelicz();
}

void TabZebra::EditGruboscKeyPress() { Zmiana(PoGrubosci(plyta_, grubosc_->value()), true); }
void TabZebra::EditSzerokoscKeyPress() { Zmiana(PoSzerokosci(plyta_, szerokosc_->value()), true); }
void TabZebra::EditKrotnoscKeyPress() { Zmiana(PoKrotnosci(plyta_, krotnosc_->value()), true); }

// the arrows have already stepped the edit; the slab's own rule takes the step from what
// the edit showed before
void TabZebra::UpDownGrBlachyClick() {
  Zmiana(KrokGrubosci(plyta_, grubosc_->value() > plyta_.t ? 1 : -1), false);
}
void TabZebra::UpDownSzerBlachyClick() {
  Zmiana(KrokSzerokosci(plyta_, szerokosc_->value() > plyta_.b ? 1 : -1), false);
}
void TabZebra::UpDownKrotnoscClick() {
  Zmiana(KrokKrotnosci(plyta_, krotnosc_->value() > plyta_.k() ? 1 : -1), false);
}

}  // namespace tarvik::ui
