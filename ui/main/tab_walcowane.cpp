#include "ui/main/tab_walcowane.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

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

const QString kNotInDatabase = "Baza danych nie zawiera tych profili";

// the series of a sub-kind (one where it has none) and the options each series is read with
int SeriesCount(int sub) { return IFamily(sub) ? kISeries.size() : sub == 1 ? kChannelSeries.size() : 1; }
QList<int> Options(int sub, int variant) {
  if (sub == 7 || ((IFamily(sub) || sub == 1) && variant == 0)) return {0, 1};
  return {0};
}

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
  MarkSubKinds();
  ArrangeSeries();
  ArrangeOptions();
  FillSizes(true);
}

bool TabWalcowane::Holds(int sub, int variant) const {
  for (int option : Options(sub, variant))
    if (!RolledSizes(database_, sub, variant, option).empty()) return true;
  return false;
}

void TabWalcowane::MarkSubKinds() {
  if (!database_) return;  // the window keeps the tab closed without a database
  int first = -1;
  for (int sub = 0; sub < kSubKinds.size(); ++sub) {
    bool holds = false;
    for (int v = 0; v < SeriesCount(sub) && !holds; ++v) holds = Holds(sub, v);
    walc_->setItemEnabled(sub, holds, kNotInDatabase);
    if (holds && first < 0) first = sub;
  }
  if (!walc_->itemEnabled(walc_->itemIndex()) && first >= 0) walc_->setItemIndex(first);
}

void TabWalcowane::MarkSeries() {
  if (!database_ || typ_->isHidden()) return;
  int first = -1;
  for (int v = 0; v < typ_->items().size(); ++v) {
    const bool holds = Holds(sub(), v);
    typ_->setItemEnabled(v, holds, kNotInDatabase);
    if (holds && first < 0) first = v;
  }
  if (!typ_->itemEnabled(typ_->itemIndex()) && first >= 0) typ_->setItemIndex(first);
}

void TabWalcowane::Show() { TabSheetWalcShow(); }

void TabWalcowane::FillSelection(Selection& s) {
  s.kind = 0;
  s.sub = sub();
  s.variant = variant();
  s.option = s.sub == kZ ? zet_->itemIndex() : cienki_->itemIndex();
  s.setText(0, combo_->currentText().toStdString());
  const bool second = RolledSecondTextKept(s.sub, s.variant, combo_->currentText().toStdString());
  s.setText(1, second ? combo2_->currentText().toStdString() : std::string());
  s.size = combo_->currentIndex();
  s.size2 = combo2_->currentIndex();
  if (s.sub == kTube) cienki_->setItemIndex(combo_->currentIndex() < 5 ? 0 : 1);
}

bool TabWalcowane::Choice(TabChoice& choice) {
  choice = TabChoice{};
  FillSelection(choice.selection);
  return true;
}

void TabWalcowane::SetChoice(const TabChoice& choice) {
  const Selection& s = choice.selection;
  walc_->setItemIndex(s.sub);
  ArrangeSeries();
  if (typ_->isVisibleTo(this)) typ_->setItemIndex(s.variant);
  (s.sub == kZ ? zet_ : cienki_)->setItemIndex(s.option);
  ArrangeOptions();
  FillSizes(false);
  // the lists show the sizes padded: the choice's texts are found trimmed
  auto pick = [this](QComboBox* combo, const std::string& text) {
    for (int i = 0; i < combo->count(); ++i)
      if (combo->itemText(i).trimmed().toStdString() == text) {
        filling_ = true;
        combo->setCurrentIndex(i);
        filling_ = false;
        return;
      }
  };
  pick(combo_, s.texts[0]);
  FillSecond();
  if (!s.texts[1].empty()) pick(combo2_, s.texts[1]);
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
  MarkSeries();
  zet_->setVisible(s == kZ);
  labelRura_->setVisible(s == kTube);
  labelWalc_->setText(s == kTube ? "Średnica [mm]" : "Profil");
  labelWalc2_->setText(s == kTube || s == kEqualAngle || s == kUnequalAngle ? "Grubość [mm]"
                                                                            : "Masa [kg/m]");
}

void TabWalcowane::ArrangeOptions() {
  const int s = sub();
  if (s == kZ && database_)
    for (int norm = 0; norm < 2; ++norm)
      zet_->setItemEnabled(norm, !RolledSizes(database_, kZ, 0, norm).empty(), kNotInDatabase);
  const bool normalny = (IFamily(s) || s == kChannel) && variant() == 0;
  cienki_->setVisible(normalny);
  if (!normalny) return;
  // "Pocieniony" only where the database holds the thin sizes of the series
  const bool thin = database_ && !RolledSizes(database_, s, 0, 1).empty();
  cienki_->setItemEnabled(1, thin, kNotInDatabase);
  if (!thin && cienki_->itemIndex() == 1) cienki_->setItemIndex(0);
}

void TabWalcowane::FillSizes(bool keep) {
  const std::string previous = combo_->currentText().trimmed().toStdString();
  const int s = sub();
  sizes_.clear();
  sizes_ = RolledSizes(database_, s, variant(), listOption());
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
