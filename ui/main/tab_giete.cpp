#include "ui/main/tab_giete.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/main/combo_lists.h"
#include "ui/main/numeric_edit.h"
#include "ui/main/radio_group.h"

namespace tarvik::ui {
namespace {

const QString kNotInDatabase = "Baza danych nie zawiera tych profili";
const QString kCatalogueOnly = "Ten profil jest tylko w katalogu";

bool Doubled(int item) { return item == kColdLipChannel || item == kColdLipZ; }
bool Tube(int item) { return item == kColdSquareTube || item == kColdRectTube; }
bool Radius(const ColdField& f) { return QString::fromUtf8(f.caption).startsWith("Promień"); }
bool Thickness(const ColdField& f) { return QString::fromUtf8(f.caption) == "Grubość g"; }

}  // namespace

TabGiete::TabGiete(QWidget* parent)
    : TabPage(parent),
      giete_(nullptr),
      katalog_(new RadioGroup("RadioGroupKatalog", "", {"Katalog Arkady", "Wymiary"}, 2, this)),
      c4_(new RadioGroup("RadioGroup4C", "", {"Pojedynczy", "Podwójny"}, 2, this)),
      gg_(new QCheckBox("Walc.na gorąco", this)),
      labelSize_(new QLabel("Wymiar [mm]", this)),
      labelThickness_(new QLabel("Grubość [mm]", this)),
      combo_(new QComboBox(this)),
      combo2_(new QComboBox(this)),
      wym_(new QGroupBox("Wymiary przekroju", this)) {
  setObjectName("TabSheetGiete");
  title_ = Naglowek("Przekroje zimnogięte", "LabelGiete");
  QStringList captions;
  for (int i = 0; i < kColdItems; ++i) captions << QString::fromUtf8(ColdCaption(i));
  giete_ = new RadioGroup("RadioGroupGiete", "", captions, 1, this);
  giete_->setAccessibleName(title_->text());
  giete_->setToolTip("* także z własnych wymiarów");
  katalog_->setAccessibleName("Źródło wymiarów");
  c4_->setAccessibleName("Pojedynczy lub podwójny");
  katalog_->setItemIndex(kColdCatalogue);
  c4_->setItemIndex(0);
  gg_->setObjectName("CheckBoxGG");
  gg_->setToolTip("Naroża rury walcowanej na gorąco (EN 10210)");
  combo_->setObjectName("ComboBoxGiete");
  combo2_->setObjectName("ComboBoxGiete2");
  labelSize_->setObjectName("LabelGiete1");
  labelThickness_->setObjectName("LabelGiete2");
  labelSize_->setBuddy(combo_);
  labelThickness_->setBuddy(combo2_);
  for (QComboBox* c : {combo_, combo2_}) c->setMaxVisibleItems(20);
  combo_->setMinimumContentsLength(12);
  combo2_->setMinimumContentsLength(5);
  wym_->setObjectName("GroupBoxGWym");

  auto* fields = new QGridLayout(wym_);
  fields->setVerticalSpacing(3);
  fields->setColumnMinimumWidth(0, 90);
  for (int i = 0; i < kPola; ++i) {
    const QString n = QString::number(i + 1);
    labels_[i] = new QLabel(wym_);
    labels_[i]->setObjectName("LabelG" + n);
    edits_[i] = new DimensionEdit("G" + n, wym_);
    edits_[i]->setFixedWidth(100);
    edits_[i]->setRadiusByStandard([this] { return RadiusByStandard(); });
    labels_[i]->setBuddy(edits_[i]->edit());
    fields->addWidget(labels_[i], i, 0);
    fields->addWidget(edits_[i], i, 1);
    connect(edits_[i], &DimensionEdit::confirmed, this, &TabPage::entered);
    connect(edits_[i], &DimensionEdit::stepped, this, &TabPage::przelicz);
    connect(edits_[i], &DimensionEdit::refused, this, &TabGiete::EditRefused);
  }

  auto* lists = new QGridLayout;
  lists->addWidget(labelSize_, 0, 0);
  lists->addWidget(combo_, 0, 1);
  lists->addWidget(labelThickness_, 1, 0);
  lists->addWidget(combo2_, 1, 1);

  auto* right = new QVBoxLayout;
  right->addWidget(katalog_);
  right->addWidget(c4_);
  right->addWidget(gg_);
  right->addLayout(lists);
  right->addWidget(wym_);
  right->addStretch(1);

  auto* columns = new QHBoxLayout;
  columns->addWidget(giete_, 0, Qt::AlignTop);
  columns->addSpacing(6);
  columns->addLayout(right);
  columns->addStretch(1);
  auto* page = new QVBoxLayout(this);
  page->setContentsMargins(8, 6, 8, 6);
  page->addWidget(title_);
  page->addLayout(columns, 1);

  connect(giete_, &RadioGroup::clicked, this, &TabGiete::RadioGroupGieteClick);
  connect(katalog_, &RadioGroup::clicked, this, &TabGiete::RadioGroupKatalogClick);
  connect(c4_, &RadioGroup::clicked, this, &TabGiete::RadioGroup4CClick);
  connect(gg_, &QCheckBox::clicked, this, &TabGiete::CheckBoxGGClick);
  connect(combo_, &QComboBox::currentIndexChanged, this, &TabGiete::ComboBoxGieteChange);
  connect(combo2_, &QComboBox::currentIndexChanged, this, &TabGiete::ComboBoxGiete2Change);

  giete_->setItemIndex(kColdChannelA);
  MarkItems();
  Arrange();
  FillSizes(false);
}

void TabGiete::setDatabase(ProfileDatabase* database) {
  database_ = database;
  Show();
}

void TabGiete::Show() {
  MarkItems();
  Arrange();
  FillSizes(true);
}

// ---- the choice ---------------------------------------------------------------------------

void TabGiete::FillSelection(Selection& s) {
  const int i = item();
  s.kind = kGiete;
  s.sub = 0;
  s.variant = i;
  s.option = Doubled(i) ? std::max(c4_->itemIndex(), 0) : 0;
  if (ownDimensions()) {
    s.mode = kColdOwnDimensions;
    const size_t n = ColdFields(i, s.option).size();
    for (size_t f = 0; f < n; ++f) s.setText(static_cast<int>(f), edits_[f]->text().toStdString());
    return;
  }
  s.mode = kColdCatalogue;
  s.setText(0, combo_->currentText().toStdString());
  s.setText(1, combo2_->currentText().toStdString());
  s.size = std::max(combo_->currentIndex(), 0);
  s.size2 = std::max(combo2_->currentIndex(), 0);
}

void TabGiete::FillSettings(GeneratorSettings& g) const {
  g.hotRolledPipe = tube() && gg_->isChecked();
}

bool TabGiete::Choice(TabChoice& choice) {
  choice = TabChoice{};
  FillSelection(choice.selection);
  choice.hotFinished = tube() && gg_->isChecked();
  return true;
}

void TabGiete::SetChoice(const TabChoice& choice) {
  const Selection& s = choice.selection;
  giete_->setItemIndex(s.variant);
  if (Doubled(s.variant)) c4_->setItemIndex(s.option);
  if (Tube(s.variant)) gg_->setChecked(choice.hotFinished);
  katalog_->setItemIndex(s.mode);
  Arrange();
  if (s.mode == kColdOwnDimensions) {
    const size_t n = ColdFields(s.variant, s.option).size();
    for (size_t f = 0; f < n; ++f) edits_[f]->setText(QString::fromStdString(s.texts[f]));
  }
  // the lists at the stored texts, where they offer them
  auto pick = [](QComboBox* combo, const std::string& text) {
    const QString wanted = QString::fromStdString(text).trimmed();
    for (int at = 0; at < combo->count(); ++at)
      if (combo->itemText(at).trimmed() == wanted) combo->setCurrentIndex(at);
  };
  FillSizes(false);
  filling_ = true;
  pick(combo_, s.texts[0]);
  filling_ = false;
  FillThicknesses();
  filling_ = true;
  pick(combo2_, s.texts[1]);
  filling_ = false;
}

// ---- handlers -----------------------------------------------------------------------------

void TabGiete::RadioGroupGieteClick() {
  Arrange();
  FillSizes(false);
  emit przelicz();
}

void TabGiete::RadioGroupKatalogClick() {
  Arrange();
  emit przelicz();
}

void TabGiete::RadioGroup4CClick() {
  FillFields();  // "Szer. B/2" of the doubled lipped channel
  emit przelicz();
}

void TabGiete::CheckBoxGGClick() {
  Arrange();
  emit przelicz();
}

void TabGiete::ComboBoxGieteChange() {
  if (filling_) return;
  FillThicknesses();
  emit przelicz();
}

void TabGiete::ComboBoxGiete2Change() {
  if (filling_) return;
  emit przelicz();
}

void TabGiete::EditRefused(const QString& typed) {
  emit komunikat(
      Blad("Niewłaściwy promień gięcia",
           "(" + typed.toStdString() + "; np. 1,5 x g, 4 mm lub " + kRadiusByStandard + ")"));
}

// ---- arrangement --------------------------------------------------------------------------

int TabGiete::item() const { return std::clamp(giete_->itemIndex(), 0, kColdItems - 1); }

bool TabGiete::ownDimensions() const { return katalog_->itemIndex() == kColdOwnDimensions; }

bool TabGiete::tube() const { return Tube(item()); }

void TabGiete::MarkItems() {
  int first = -1;
  for (int i = 0; i < kColdItems; ++i) {
    catalogue_[i] = ColdCatalogueOffered(i) &&
                    (i == kColdSigma || (database_ && ColdCatalogueHeld(*database_, i)));
    const bool possible = catalogue_[i] || ColdOwnDimensionsOffered(i);
    giete_->setItemEnabled(i, possible, kNotInDatabase);
    if (possible && first < 0) first = i;
  }
  if (!giete_->itemEnabled(item()) && first >= 0) giete_->setItemIndex(first);
}

void TabGiete::Arrange() {
  const int i = item();
  katalog_->setItemText(kColdCatalogue, QString::fromUtf8(ColdCatalogueCaption(i)));
  katalog_->setItemEnabled(
      kColdCatalogue, catalogue_[i],
      ColdCatalogueOffered(i) ? kNotInDatabase : QString::fromUtf8(ColdNoCatalogueReason(i)));
  katalog_->setItemEnabled(kColdOwnDimensions, ColdOwnDimensionsOffered(i), kCatalogueOnly);
  // a mode the item does not offer gives way to the other one
  if (!katalog_->itemEnabled(katalog_->itemIndex()))
    katalog_->setItemIndex(ownDimensions() ? kColdCatalogue : kColdOwnDimensions);
  c4_->setVisible(Doubled(i));
  gg_->setVisible(Tube(i));
  title_->setText(Tube(i) && gg_->isChecked() ? "Przekroje gięte" : "Przekroje zimnogięte");
  const bool own = ownDimensions();
  labelSize_->setVisible(!own);
  combo_->setVisible(!own);
  labelThickness_->setVisible(!own && combo2_->count() > 0);
  combo2_->setVisible(!own && combo2_->count() > 0);
  wym_->setVisible(own);
  FillFields();
}

void TabGiete::FillSizes(bool keep) {
  filling_ = true;
  Refill(combo_, Items(ColdSizes(item())), keep);
  filling_ = false;
  FillThicknesses();
}

void TabGiete::FillThicknesses() {
  const QStringList thicknesses = Items(ColdThicknesses(item(), combo_->currentIndex()));
  const bool was = filling_;
  filling_ = true;
  Refill(combo2_, thicknesses, true);
  filling_ = was;
  const bool shown = !ownDimensions() && !thicknesses.isEmpty();
  labelThickness_->setVisible(shown);
  combo2_->setVisible(shown);
}

void TabGiete::FillFields() {
  const int i = item();
  const std::vector<ColdField> fields = ColdFields(i, Doubled(i) ? c4_->itemIndex() : 0);
  if (fieldsItem_ != i && fieldsItem_ >= 0) {
    // the texts typed for the item left, for its return
    QStringList kept;
    for (size_t f = 0; f < ColdFields(fieldsItem_).size(); ++f) kept << edits_[f]->text();
    typed_[fieldsItem_] = kept;
  }
  const bool load = fieldsItem_ != i;
  fieldsItem_ = i;
  for (int f = 0; f < kPola; ++f) {
    const bool shown = f < static_cast<int>(fields.size());
    labels_[f]->setVisible(shown);
    edits_[f]->setVisible(shown);
    if (!shown) continue;
    labels_[f]->setText(QString::fromUtf8(fields[f].caption));
    EditRule rule;  // millimetres, steps of 1, never below 1
    if (Radius(fields[f])) rule = {.minimum = 0, .bendRadius = true};
    edits_[f]->setRule(rule);
    if (load)
      edits_[f]->setText(f < typed_[i].size() ? typed_[i][f]
                                              : QString::fromUtf8(fields[f].initial));
  }
}

double TabGiete::RadiusByStandard() const {
  const int i = item();
  const std::vector<ColdField> fields = ColdFields(i);
  double g = 0;
  for (size_t f = 0; f < fields.size(); ++f)
    if (Thickness(fields[f])) g = edits_[f]->value();
  return Tube(i) ? TubeInnerRadius(g, gg_->isChecked()) : kCatalogueBendRadius * g;
}

}  // namespace tarvik::ui
