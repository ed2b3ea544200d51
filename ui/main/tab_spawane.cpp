#include "ui/main/tab_spawane.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

#include "generators/rolled.h"
#include "generators/tube_sizes.h"
#include "generators/welded.h"
#include "ui/main/radio_group.h"

namespace tarvik::ui {
namespace {

const QStringList kSeries = {"IPBS", "HKS", "IKS", "IKSH", "WT", "Ażurowy", "Rura okrągła"};
const QString kNotInDatabase = "Baza danych nie zawiera tych profili";

// what a series is, said where it can be chosen
QString SeriesHint(int sub) {
  switch (sub) {
    case kWeldedWT:
      return "Dźwigar o środniku falistym";
    case kWeldedCastellated:
      return "Dźwigar ażurowy z dwuteownika walcowanego";
    case kWeldedPipe:
      return "Rura przewodowa ze szwem";
    default:
      return "Dwuteownik spawany";
  }
}

QString Text(const std::string& s) { return QString::fromStdString(s); }
std::string Trimmed(const QString& s) { return s.trimmed().toStdString(); }

}  // namespace

TabSpawane::TabSpawane(QWidget* parent)
    : TabPage(parent),
      spaw_(new RadioGroup("RadioGroupSpaw", "Rodzaj", kSeries, 1, this)),
      azur_(new RadioGroup("RadioGroupAzur", "Dwuteownik", {"Normalny", "IPE", "HEB"}, 1, this)),
      cienki_(new RadioGroup("RadioGroupCienkiSp", "Odmiana", {"Zwykły", "Pocieniony"}, 1, this)),
      azur1_(new RadioGroup("RadioGroupAzur1", "Dźwigar", {"Zwykły", "Wysoki"}, 1, this)),
      combo_(new QComboBox(this)),
      combo2_(new QComboBox(this)),
      combo3_(new QComboBox(this)),
      label_(new QLabel(this)),
      label2_(new QLabel(this)),
      label3_(new QLabel("Grubość środnika [mm]", this)),
      labelRura_(new QLabel("przewodowa ze szwem", this)),
      labelBrak_(new QLabel(this)) {
  setObjectName("TabSheetSpaw");
  combo_->setObjectName("ComboBoxSpaw");
  combo2_->setObjectName("ComboBoxSpaw2");
  combo3_->setObjectName("ComboBoxSpaw3");
  label_->setObjectName("LabelSpaw");
  label2_->setObjectName("LabelSpaw2");
  label3_->setObjectName("LabelSpaw3");
  labelRura_->setObjectName("LabelRuraSp");
  labelBrak_->setObjectName("LabelBrakWBazieSp");
  label_->setBuddy(combo_);
  label2_->setBuddy(combo2_);
  label3_->setBuddy(combo3_);
  for (QComboBox* c : {combo_, combo2_, combo3_}) c->setMaxVisibleItems(20);
  combo_->setMinimumContentsLength(8);
  combo2_->setMinimumContentsLength(8);
  combo3_->setMinimumContentsLength(5);
  labelBrak_->setStyleSheet("color: #b00000");
  azur1_->setToolTip("Wysoki: z przekładką między połówkami");
  for (int sub = 0; sub < kSeries.size(); ++sub) spaw_->setItemEnabled(sub, true, SeriesHint(sub));

  auto* options = new QVBoxLayout;
  options->addWidget(azur_);
  options->addWidget(cienki_);
  options->addWidget(azur1_);
  options->addStretch(1);

  auto* lists = new QGridLayout;
  lists->addWidget(labelRura_, 0, 0, 1, 2);
  lists->addWidget(label_, 1, 0);
  lists->addWidget(combo_, 1, 1);
  lists->addWidget(label2_, 2, 0);
  lists->addWidget(combo2_, 2, 1);
  lists->addWidget(label3_, 3, 0);
  lists->addWidget(combo3_, 3, 1);
  lists->addWidget(labelBrak_, 4, 0, 1, 2);
  lists->setRowStretch(5, 1);

  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->addWidget(spaw_, 0, Qt::AlignTop);
  layout->addLayout(options);
  layout->addLayout(lists);
  layout->addStretch(1);

  connect(spaw_, &RadioGroup::clicked, this, &TabSpawane::RadioGroupSpawClick);
  connect(azur_, &RadioGroup::clicked, this, &TabSpawane::RadioGroupAzurClick);
  connect(cienki_, &RadioGroup::clicked, this, &TabSpawane::RadioGroupCienkiSpClick);
  connect(azur1_, &RadioGroup::clicked, this, &TabSpawane::RadioGroupAzur1Click);
  connect(combo_, &QComboBox::currentIndexChanged, this, &TabSpawane::ComboBoxSpawChange);
  connect(combo2_, &QComboBox::currentIndexChanged, this, &TabSpawane::ComboBoxSpaw2Change);
  connect(combo3_, &QComboBox::currentIndexChanged, this, &TabSpawane::ComboBoxSpaw3Change);

  Arrange();
  FillSizes(false);
}

void TabSpawane::setDatabase(ProfileDatabase* database) {
  database_ = database;
  MarkSeries();
  Arrange();
  FillSizes(true);
}

void TabSpawane::MarkSeries() {
  if (!database_) return;  // the window keeps the tab closed without a database
  int first = -1;
  for (int sub = 0; sub < kSeries.size(); ++sub) {
    const bool held = WeldedSeriesHeld(*database_, sub);
    spaw_->setItemEnabled(sub, held, held ? SeriesHint(sub) : kNotInDatabase);
    if (held && first < 0) first = sub;
  }
  if (!spaw_->itemEnabled(spaw_->itemIndex()) && first >= 0) spaw_->setItemIndex(first);
  int firstParent = -1;
  for (int parent = 0; parent < kParents; ++parent) {
    const bool held = !RolledSizes(database_, 0, ParentSeries(parent), 0).empty();
    azur_->setItemEnabled(parent, held, held ? QString() : kNotInDatabase);
    if (held && firstParent < 0) firstParent = parent;
  }
  if (!azur_->itemEnabled(azur_->itemIndex()) && firstParent >= 0)
    azur_->setItemIndex(firstParent);
  const bool thin = !RolledSizes(database_, 0, kSeriesNormalny, 1).empty();
  cienki_->setItemEnabled(1, thin, thin ? QString() : kNotInDatabase);
  if (!thin && cienki_->itemIndex() == 1) cienki_->setItemIndex(0);
}

void TabSpawane::Show() {
  MarkSeries();
  Arrange();
  FillSizes(true);
}

void TabSpawane::FillSelection(Selection& s) {
  s.kind = kSpawane;
  s.sub = s.variant = sub();
  s.size = combo_->currentIndex();
  s.size2 = combo2_->currentIndex();
  s.setText(0, combo_->currentText().toStdString());
  if (s.sub == kWeldedWT) {
    s.setText(1, std::to_string(combo2_->currentIndex() + 1));
    s.setText(2, combo3_->currentText().toStdString());
  } else if (s.sub == kWeldedCastellated) {
    s.variant = std::max(azur_->itemIndex(), 0);
    // the thin option only while its group shows and can be chosen
    s.option = cienki_->isVisibleTo(this) && cienki_->isEnabled() ? cienki_->itemIndex() : 0;
    s.option2 = std::max(azur1_->itemIndex(), 0);
  } else {
    s.setText(1, combo2_->currentText().toStdString());
  }
}

bool TabSpawane::Choice(TabChoice& choice) {
  choice = TabChoice{};
  FillSelection(choice.selection);
  return true;
}

void TabSpawane::SetChoice(const TabChoice& choice) {
  const Selection& s = choice.selection;
  spaw_->setItemIndex(s.sub);
  if (s.sub == kWeldedCastellated) {
    azur_->setItemIndex(s.variant);
    cienki_->setItemIndex(s.option);
    azur1_->setItemIndex(s.option2);
  }
  Arrange();
  FillSizes(false);
  auto pick = [this](QComboBox* combo, const std::string& text) {
    for (int i = 0; i < combo->count(); ++i)
      if (Trimmed(combo->itemText(i)) == text) {
        filling_ = true;
        combo->setCurrentIndex(i);
        filling_ = false;
        return;
      }
  };
  pick(combo_, Trimmed(Text(s.texts[0])));
  FillSecond();
  if (s.sub == kWeldedWT) {
    filling_ = true;
    combo2_->setCurrentIndex(std::clamp(s.size2, 0, std::max(combo2_->count() - 1, 0)));
    filling_ = false;
    pick(combo3_, Trimmed(Text(s.texts[2])));
  } else if (!s.texts[1].empty()) {
    pick(combo2_, Trimmed(Text(s.texts[1])));
  }
}

// ---------------------------------------------------------------------------------------------

void TabSpawane::RadioGroupSpawClick() {
  Arrange();
  FillSizes(false);
  emit przelicz();
}

void TabSpawane::RadioGroupAzurClick() {
  Arrange();
  FillSizes(true);
  emit przelicz();
}

void TabSpawane::RadioGroupCienkiSpClick() {
  FillSizes(true);
  emit przelicz();
}

void TabSpawane::RadioGroupAzur1Click() { emit przelicz(); }

void TabSpawane::ComboBoxSpawChange() {
  if (filling_) return;
  FillSecond();
  emit przelicz();
}

void TabSpawane::ComboBoxSpaw2Change() {
  if (filling_) return;
  emit przelicz();
}

void TabSpawane::ComboBoxSpaw3Change() {
  if (filling_) return;
  emit przelicz();
}

// ---------------------------------------------------------------------------------------------

int TabSpawane::sub() const { return std::max(spaw_->itemIndex(), 0); }

void TabSpawane::Arrange() {
  const int s = sub();
  const bool castellated = s == kWeldedCastellated;
  azur_->setVisible(castellated);
  azur1_->setVisible(castellated);
  cienki_->setVisible(castellated && azur_->itemIndex() == kParentNormalny);
  labelRura_->setVisible(s == kWeldedPipe);
  switch (s) {
    case kWeldedWT:
      label_->setText("Wysokość środnika [mm]");
      label2_->setText("Pas b x t [mm]");
      break;
    case kWeldedCastellated:
      label_->setText("Profil");
      break;
    case kWeldedPipe:
      label_->setText("Średnica [mm]");
      label2_->setText("Grubość [mm]");
      break;
    default:
      label_->setText("Wysokość [mm]");
      label2_->setText("Odmiana");
  }
}

std::vector<std::string> TabSpawane::ParentSizes() const {
  std::vector<std::string> sizes;
  const int option = cienki_->isVisibleTo(this) ? std::max(cienki_->itemIndex(), 0) : 0;
  for (const CatalogueSize& z :
       RolledSizes(database_, 0, ParentSeries(std::max(azur_->itemIndex(), 0)), option))
    sizes.push_back(z.size);
  return sizes;
}

QString TabSpawane::DisplayParentSize(const std::string& size) const {
  return QString("%1").arg(Text(size), azur_->itemIndex() == kParentHEB ? 5 : 4);
}

void TabSpawane::FillSizes(bool keep) {
  const std::string previous = Trimmed(combo_->currentText());
  const int s = sub();
  QStringList items;
  if (s == kWeldedCastellated) {
    for (const std::string& size : ParentSizes()) items << DisplayParentSize(size);
  } else if (s == kWeldedPipe) {
    for (const TubeSize& t : SeamedTubeSizes()) items << Text(t.diameter);
  } else {
    for (const std::string& size : WeldedSizes(s)) items << Text(size);
  }
  int index = items.isEmpty() ? -1 : 0;
  filling_ = true;
  combo_->clear();
  combo_->addItems(items);
  for (int i = 0; keep && i < items.size(); ++i)
    if (Trimmed(items[i]) == previous) index = i;
  combo_->setCurrentIndex(index);
  filling_ = false;
  combo_->setEnabled(!items.isEmpty());
  labelBrak_->setText(database_ ? "Brak w bazie danych" : "Nie ma bazy danych");
  labelBrak_->setVisible(items.isEmpty());
  FillSecond();
}

void TabSpawane::FillSecond() {
  const int s = sub(), i = combo_->currentIndex();
  QStringList second, third;
  if (s == kWeldedPipe) {
    const auto& sizes = SeamedTubeSizes();
    if (i >= 0 && i < static_cast<int>(sizes.size()))
      for (const std::string& t : sizes[i].thicknesses) second << Text(t);
  } else if (s != kWeldedCastellated) {
    for (const std::string& t : WeldedSecond(s, i)) second << Text(t);
    if (s == kWeldedWT)
      for (const std::string& t : CorrugatedWebs(i)) third << Text(t);
  }
  auto refill = [this](QComboBox* combo, QLabel* label, const QStringList& items) {
    const QString previous = combo->currentText();
    filling_ = true;
    combo->clear();
    combo->addItems(items);
    combo->setCurrentIndex(items.isEmpty() ? -1 : std::max(combo->findText(previous), 0));
    filling_ = false;
    combo->setVisible(!items.isEmpty());
    label->setVisible(!items.isEmpty());
  };
  refill(combo2_, label2_, second);
  refill(combo3_, label3_, third);
}

}  // namespace tarvik::ui
