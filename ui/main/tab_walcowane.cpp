#include "ui/main/tab_walcowane.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

#include "generators/tube_sizes.h"
#include "ui/main/radio_group.h"

namespace tarvik::ui {
namespace {

const QStringList kSubKinds = {"Dwuteownik",       "Ceownik",        "Kątownik Równy",
                               "Kątownik Nierów.", "Teownik Wysoki", "Teownik Niski",
                               "1/2 dwuteownika",  "Zetownik",       "Rura okrągła"};
// in the order of RolledISeries and RolledChannelSeries
const QStringList kISeries = {"Normalny", "IPE", "HEAA", "HEA",  "HEB",    "HEM",     "HE",
                              "HD",       "HL",  "HP",   "IPEa", "IPEo,v", "IPE 750", "wg GOST"};
const QStringList kChannelSeries = {"Normalny", "Ekonomiczny", "UAP", "UAE", "wg GOST"};

constexpr int kChannel = 1, kEqualAngle = 2, kUnequalAngle = 3, kHighTee = 4, kLowTee = 5, kZ = 7,
              kTube = 8;

bool IFamily(int sub) { return sub == 0 || sub == 6; }

}  // namespace

TabWalcowane::TabWalcowane(QWidget* parent)
    : TabPage(parent),
      walc_(new RadioGroup("RadioGroupWalc", "Kształtownik", kSubKinds, 1, this)),
      typ_(new RadioGroup("RadioGroupTypWalc", "Seria", kISeries, 3, this)),
      cienki_(new RadioGroup("RadioGroupCienki", "Odmiana", {"Zwykły", "Pocieniony"}, 2, this)),
      zet_(new RadioGroup("RadioGroupWalcZet", "Norma", {"wg PN", "wg DIN"}, 2, this)),
      combo_(new QComboBox(this)),
      combo2_(new QComboBox(this)),
      labelWalc_(new QLabel(this)),
      labelWalc2_(new QLabel(this)),
      labelRura_(new QLabel("przewodowa bez szwu", this)),
      labelBrak_(new QLabel(this)) {
  setObjectName("TabSheetWalc");
  combo_->setObjectName("ComboBoxWalc");
  combo2_->setObjectName("ComboBoxWalc2");
  labelWalc_->setObjectName("LabelWalc");
  labelWalc2_->setObjectName("LabelWalc2");
  labelRura_->setObjectName("LabelRura");
  labelBrak_->setObjectName("LabelBrakWBazie");
  labelWalc_->setBuddy(combo_);
  labelWalc2_->setBuddy(combo2_);
  combo_->setMaxVisibleItems(20);
  combo2_->setMaxVisibleItems(20);
  combo_->setMinimumContentsLength(8);
  combo2_->setMinimumContentsLength(6);
  labelBrak_->setStyleSheet("color: #b00000");

  auto* options = new QVBoxLayout;
  options->addWidget(typ_);
  options->addWidget(cienki_);
  options->addWidget(zet_);
  options->addStretch(1);

  auto* lists = new QGridLayout;
  lists->addWidget(labelRura_, 0, 0, 1, 2);
  lists->addWidget(labelWalc_, 1, 0);
  lists->addWidget(combo_, 1, 1);
  lists->addWidget(labelWalc2_, 2, 0);
  lists->addWidget(combo2_, 2, 1);
  lists->addWidget(labelBrak_, 3, 0, 1, 2);
  lists->setRowStretch(4, 1);

  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->addWidget(walc_, 0, Qt::AlignTop);
  layout->addLayout(options);
  layout->addLayout(lists);
  layout->addStretch(1);

  connect(walc_, &RadioGroup::clicked, this, &TabWalcowane::RadioGroupWalcClick);
  connect(typ_, &RadioGroup::clicked, this, &TabWalcowane::RadioGroupTypWalcClick);
  connect(cienki_, &RadioGroup::clicked, this, &TabWalcowane::RadioGroupCienkiClick);
  connect(zet_, &RadioGroup::clicked, this, &TabWalcowane::RadioGroupWalcZetClick);
  connect(combo_, &QComboBox::currentIndexChanged, this, &TabWalcowane::ComboBoxWalcChange);
  connect(combo2_, &QComboBox::currentIndexChanged, this, &TabWalcowane::ComboBoxWalc2Change);

  ArrangeSeries();
  ArrangeOptions();
  FillSizes(false);
}

void TabWalcowane::setDatabase(ProfileDatabase* database) {
  database_ = database;
  ArrangeOptions();
  FillSizes(true);
}

void TabWalcowane::Show() { TabSheetWalcShow(); }

void TabWalcowane::FillSelection(Selection& s) {
  s.kind = 0;
  s.sub = sub();
  s.variant = variant();
  s.option = s.sub == kZ ? zet_->itemIndex() : cienki_->itemIndex();
  s.setText(0, combo_->currentText().toStdString());
  // of the HL sizes only "1000" comes in masses
  const bool hlWithoutMass = IFamily(s.sub) && s.variant == kSeriesHL &&
                             combo_->currentText().trimmed() != QLatin1String("1000");
  s.setText(1, hlWithoutMass ? std::string() : combo2_->currentText().toStdString());
  s.size = combo_->currentIndex();
  s.size2 = combo2_->currentIndex();
  if (s.sub == kTube) cienki_->setItemIndex(combo_->currentIndex() < 5 ? 0 : 1);
}

// the header keeps the item indexes of the four groups and the two lists
void TabWalcowane::StoreHeader(TabFields& f) const {
  f.present = true;
  f.integers = {walc_->itemIndex(), typ_->itemIndex(), cienki_->itemIndex(), zet_->itemIndex(),
                0, combo_->currentIndex(), combo2_->currentIndex()};
}

void TabWalcowane::LoadHeader(const FigureRecord& header) {
  const auto& h = header.selection;  // [1] is the integer at 1204
  walc_->setItemIndex(h[1]);
  ArrangeSeries();
  typ_->setItemIndex(h[2]);
  cienki_->setItemIndex(h[3]);
  zet_->setItemIndex(h[4]);
  ArrangeOptions();
  FillSizes(false);
  filling_ = true;
  if (h[6] >= 0 && h[6] < combo_->count()) combo_->setCurrentIndex(h[6]);
  filling_ = false;
  FillSecond();
  filling_ = true;
  if (h[7] >= 0 && h[7] < combo2_->count()) combo2_->setCurrentIndex(h[7]);
  filling_ = false;
}

// ---------------------------------------------------------------------------------------------

void TabWalcowane::TabSheetWalcShow() {
  ArrangeSeries();
  ArrangeOptions();
  FillSizes(true);
}

void TabWalcowane::RadioGroupWalcClick() {
  // between an I and its half the series and size stay
  const bool sameSeries = IFamily(sub()) && typ_->items() == kISeries && typ_->isVisibleTo(this);
  ArrangeSeries();
  ArrangeOptions();
  FillSizes(sameSeries);
  emit przelicz();
}

void TabWalcowane::RadioGroupTypWalcClick() {
  ArrangeOptions();
  FillSizes(false);
  emit przelicz();
}

void TabWalcowane::RadioGroupCienkiClick() {
  FillSizes(true);
  emit przelicz();
}

void TabWalcowane::RadioGroupWalcZetClick() {
  FillSizes(true);
  emit przelicz();
}

void TabWalcowane::ComboBoxWalcChange() {
  if (filling_) return;
  FillSecond();
  emit przelicz();
}

void TabWalcowane::ComboBoxWalc2Change() {
  if (filling_) return;
  emit przelicz();
}

// ---------------------------------------------------------------------------------------------

int TabWalcowane::sub() const { return std::max(walc_->itemIndex(), 0); }

int TabWalcowane::variant() const {
  return typ_->isVisibleTo(this) ? std::max(typ_->itemIndex(), 0) : 0;
}

int TabWalcowane::listOption() const {
  if (sub() == kZ) return std::max(zet_->itemIndex(), 0);
  return cienki_->isVisibleTo(this) ? std::max(cienki_->itemIndex(), 0) : 0;
}

void TabWalcowane::ArrangeSeries() {
  const int s = sub();
  const QStringList series = IFamily(s) ? kISeries : s == kChannel ? kChannelSeries : QStringList();
  if (!series.isEmpty() && typ_->items() != series) {
    typ_->setColumns(IFamily(s) ? 3 : 1);
    typ_->setItems(series, 0);
  }
  typ_->setVisible(!series.isEmpty());
  zet_->setVisible(s == kZ);
  labelRura_->setVisible(s == kTube);
  labelWalc_->setText(s == kTube ? "Średnica [mm]" : "Profil");
  labelWalc2_->setText(s == kTube || s == kEqualAngle || s == kUnequalAngle ? "Grubość [mm]"
                                                                            : "Masa [kg/m]");
}

void TabWalcowane::ArrangeOptions() {
  const int s = sub();
  const bool normalny = (IFamily(s) || s == kChannel) && variant() == 0;
  cienki_->setVisible(normalny);
  if (!normalny) return;
  // "Pocieniony" only where the database holds the thin sizes of the series
  const bool thin = database_ && !CatalogueSizes(*database_, s, 0, 1).empty();
  if (auto* b = cienki_->findChild<QAbstractButton*>("RadioGroupCienki_1")) b->setEnabled(thin);
  if (!thin && cienki_->itemIndex() == 1) cienki_->setItemIndex(0);
}

void TabWalcowane::FillSizes(bool keep) {
  const std::string previous = combo_->currentText().trimmed().toStdString();
  const int s = sub();
  sizes_.clear();
  if (s == kTube) {
    for (const TubeSize& t : SeamlessTubeSizes()) sizes_.push_back({t.diameter, t.thicknesses});
  } else if (database_) {
    sizes_ = CatalogueSizes(*database_, s, variant(), listOption());
  }
  int index = sizes_.empty() ? -1 : 0;
  filling_ = true;
  combo_->clear();
  for (size_t i = 0; i < sizes_.size(); ++i) {
    combo_->addItem(DisplaySize(sizes_[i].size));
    if (keep && sizes_[i].size == previous) index = static_cast<int>(i);
  }
  combo_->setCurrentIndex(index);
  filling_ = false;
  combo_->setEnabled(!sizes_.empty());
  labelBrak_->setText(database_ ? "Brak w bazie danych" : "Nie ma bazy danych");
  labelBrak_->setVisible(sizes_.empty());
  FillSecond();
}

void TabWalcowane::FillSecond() {
  const QString previous = combo2_->currentText();
  const int i = combo_->currentIndex();
  const bool has = i >= 0 && i < static_cast<int>(sizes_.size()) && !sizes_[i].second.empty();
  filling_ = true;
  combo2_->clear();
  if (has) {
    for (const std::string& text : sizes_[i].second) combo2_->addItem(QString::fromStdString(text));
    combo2_->setCurrentIndex(std::max(combo2_->findText(previous), 0));
  }
  filling_ = false;
  combo2_->setVisible(has);
  labelWalc2_->setVisible(has);
}

QString TabWalcowane::DisplaySize(const std::string& size) const {
  const QString text = QString::fromStdString(size);
  const int s = sub();
  if (s == kHighTee || s == kLowTee) return " " + text;
  if (!IFamily(s)) return text;
  switch (variant()) {
    case kSeriesNormalny:
    case kSeriesIPE:
    case kSeriesIPEa:
    case kSeriesIPE750:
      return QString("%1").arg(text, 4);
    case kSeriesHL:
      return text == QLatin1String("1000") ? QString("%1").arg(text, 5) : text;
    case kSeriesGOST:
      return text;
    default:  // HEAA .. HEM, HE, HD, HP, IPEo,v
      return QString("%1").arg(text, 5);
  }
}

}  // namespace tarvik::ui
