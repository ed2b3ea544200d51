#include "ui/main/tab_zestawy.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPixmap>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "engine/numbers.h"
#include "generators/cold_formed.h"
#include "generators/rolled.h"
#include "generators/sets.h"
#include "generators/welded.h"
#include "io/tab_fields.h"
#include "ui/main/combo_lists.h"
#include "ui/main/numeric_edit.h"
#include "ui/main/radio_group.h"

namespace tarvik::ui {
namespace {

const QStringList kTypes = {"Dwuteowniki",  "Ceowniki",     "Kątowniki R",  "Kątowniki N",
                            "Rury okrągłe", "R.kwadratowe", "R.prostokątne"};
// the series offered, and the rolled tab's series each item stands for
const QStringList kISeries = {"Normalne", "IPE", "HEAA", "HEA", "HEB", "HEM", "wg GOST"};
constexpr int kISeriesVariant[] = {kSeriesNormalny, kSeriesIPE, kSeriesHEAA, kSeriesHEA,
                                   kSeriesHEB,      kSeriesHEM, kSeriesGOST};
const QStringList kChannelSeries = {"Normalne", "Ekonom.", "UAP", "UAE", "wg GOST"};
// the welded I-sections a set is made of: the welded tab's first five series
// the cold-formed channels: plain from the catalogue, or lipped of typed dimensions
const QStringList kColdChannels = {"Zwykłe", "Czterogięte"};
const QStringList kWeldedSeries = {"IPBS", "HKS", "IKS", "IKSH", "WT"};

const QString kNotInDatabase = "Baza danych nie zawiera tych profili";
const QString kDefaultSpacing = "200 mm";

// the rolled tab's sub-kind of a rolled member, the cold-formed item of a cold-formed one
// (the catalogue of steels below 500 MPa)
constexpr int kRolledSub[kSetFamilies] = {0, 1, 2, 3, 8, -1, -1};
constexpr int kColdItem[kSetFamilies] = {-1, kColdChannelA, kColdAngleRA, kColdAngleNA,
                                         -1, kColdSquareTube, kColdRectTube};

bool Rolled(int type, int make) { return make == 0 && kRolledSub[type] >= 0; }
bool HasMake(int type) { return type <= kSetUnequalAngles; }

// a spacing edit's caption and hint; no caption: the layout does not use that spacing
struct Rozstaw {
  const char* caption = nullptr;
  const char* hint = nullptr;
};
constexpr Rozstaw kNone{};
constexpr Rozstaw kOsie{"Rozstaw", " Rozstaw między osiami"};
constexpr Rozstaw kCeowniki{"Rozstaw", " Odległość między ceownikami"};
constexpr Rozstaw kKatowniki{"Rozstaw", " Odległość między kątownikami"};
constexpr Rozstaw kOsieH{"Rozstaw H", " Pozioma odległość między osiami"};
constexpr Rozstaw kOsieV{"Rozstaw V", " Pionowa odległość między osiami"};
constexpr Rozstaw kKatH{"Rozstaw H", " Pozioma odległość między kątownikami"};
constexpr Rozstaw kKatV{"Rozstaw V", " Pionowa odległość między kątownikami"};
constexpr Rozstaw kSzerokosc{"Szerokość", " Szerokość przekroju"};
constexpr Rozstaw kSzerokoscPozioma{"Szerokość", " Pozioma szerokość przekroju"};
constexpr Rozstaw kWysokosc{"Wysokość", " Wysokość przekroju"};
constexpr Rozstaw kPoziomy{"Rozstaw poziomy", " Pozioma odległość między kątownikami"};
constexpr Rozstaw kPionowy{"Rozstaw pionowy", " Pionowa odległość między kątownikami"};

// a layout: its picture in the BMP folder, what it is (the button's name) and what its two
// spacings mean in the set's generator
struct Uklad {
  const char* picture;
  const char* name;
  Rozstaw h, v;
};

// what each layout is; a family has as many as its generator builds (SetLayouts)
const std::vector<Uklad>& Uklady(int type) {
  static const std::vector<Uklad> kLayouts[kSetFamilies] = {
      {{"2T1", "Dwa dwuteowniki obok siebie", kOsie, kNone},
       {"2T2", "Dwa dwuteowniki w rozstawie", kOsie, kNone},
       {"2T3", "Dwa dwuteowniki na krzyż", kNone, kNone}},
      {{"C1", "Dwa ceowniki w skrzynkę", kNone, kNone},
       {"C2", "Dwa ceowniki półkami do siebie", kSzerokosc, kNone},
       {"C3", "Dwa ceowniki plecami do siebie", kCeowniki, kNone}},
      {{"KR0", "Dwa kątowniki w skrzynkę", kNone, kNone},
       {"KR1", "Dwa kątowniki ramionami do siebie", kSzerokosc, kNone},
       {"KR2", "Dwa kątowniki plecami do siebie (teownik)", kKatowniki, kNone},
       {"KR3", "Dwa kątowniki symetrycznie względem punktu, obrócone", kKatH, kKatV},
       {"KR4", "Dwa kątowniki symetrycznie względem punktu", kKatH, kKatV},
       {"KR5", "Cztery kątowniki w narożach prostokąta", kSzerokoscPozioma, kWysokosc},
       {"KR6", "Cztery kątowniki na krzyż", kPoziomy, kPionowy}},
      {{"KN0", "Dwa kątowniki w skrzynkę", kNone, kNone},
       {"KN1", "Dwa kątowniki ramionami b do siebie", kSzerokosc, kNone},
       {"KN2", "Dwa kątowniki plecami do siebie, ramiona h pionowo (teownik)", kKatowniki,
        kNone},
       {"KN3", "Dwa kątowniki symetrycznie względem punktu, ramiona h poziomo", kKatH, kKatV},
       {"KN4", "Dwa kątowniki symetrycznie względem punktu", kKatH, kKatV},
       {"KN5", "Cztery kątowniki w narożach, ramiona h pionowo", kSzerokoscPozioma, kWysokosc},
       {"KN6", "Cztery kątowniki na krzyż, ramiona h pionowo", kPoziomy, kPionowy},
       {"KN7", "Dwa kątowniki ramionami h do siebie", kSzerokosc, kNone},
       {"KN8", "Dwa kątowniki plecami do siebie, ramiona h poziomo (teownik)", kKatowniki,
        kNone},
       {"KN9", "Cztery kątowniki w narożach, ramiona h poziomo", kSzerokoscPozioma, kWysokosc},
       {"KN10", "Cztery kątowniki na krzyż, ramiona h poziomo", kPoziomy, kPionowy}},
      {{"R1", "Dwie rury obok siebie", kOsie, kNone},
       {"R2", "Trzy rury w trójkącie równobocznym", kOsie, kNone},
       {"R3", "Trzy rury w trójkącie równoramiennym", kOsieH, kOsieV},
       {"R4", "Cztery rury w prostokącie", kOsieH, kOsieV}},
      {{"PK1", "Dwie rury obok siebie", kOsie, kNone},
       {"PK2", "Cztery rury w prostokącie", kOsieH, kOsieV}},
      {{"PP1", "Dwie rury obok siebie", kOsie, kNone},
       {"PP2", "Dwie rury obrócone o 90°", kOsie, kNone},
       {"PP3", "Cztery rury w prostokącie", kOsieH, kOsieV}}};
  return kLayouts[std::clamp(type, 0, kSetFamilies - 1)];
}

void Pick(QComboBox* combo, const std::string& text) {
  const QString wanted = QString::fromStdString(text).trimmed();
  for (int i = 0; i < combo->count(); ++i)
    if (combo->itemText(i).trimmed() == wanted) {
      combo->setCurrentIndex(i);
      return;
    }
}

}  // namespace

TabZestawy::TabZestawy(QWidget* parent)
    : TabPage(parent),
      uklad_(new RadioGroup("RadioGroupUklad", "Profile", kTypes, 1, this)),
      wybor_(new RadioGroup("RadioGroupUkladWybor", "", {"Walcowane", "Spawane"}, 2, this)),
      typ_(new RadioGroup("RadioGroupUkladTyp", "Seria", kISeries, 3, this)),
      cienki_(new RadioGroup("RadioGroupUkladCienki", "", {"Zwykłe", "Pocienione"}, 2, this)),
      labelUklad_(new QLabel("Profil", this)),
      labelUklad2_(new QLabel(this)),
      labelBrak_(new QLabel(this)),
      combo_(new QComboBox(this)),
      combo2_(new QComboBox(this)),
      labelC4_(new QLabel("H x B x C x g [mm]", this)),
      editC4_(new QLineEdit("200x70x20x2,5", this)),
      labelUklad3_(new QLabel("Grubość środnika [mm]", this)),
      combo3_(new QComboBox(this)),
      labelH_(new QLabel("Rozstaw", this)),
      labelV_(new QLabel("Rozstaw V", this)),
      editH_(new DimensionEdit("UkladH", this)),
      editV_(new DimensionEdit("UkladV", this)),
      przewLabel_(new QLabel("Przewiązki", this)) {
  setObjectName("TabSheetZestawy");
  QLabel* heading = Naglowek("Zestawy jednakowych profili", "LabelZestawy");
  uklad_->setAccessibleName("Profile zestawu");
  wybor_->setAccessibleName("Wykonanie profili");
  cienki_->setAccessibleName("Odmiana");
  combo_->setObjectName("ComboBoxUklad");
  combo2_->setObjectName("ComboBoxUklad2");
  labelUklad_->setObjectName("LabelUklad");
  labelUklad2_->setObjectName("LabelUklad2");
  labelBrak_->setObjectName("LabelBrakWBazie");
  labelBrak_->setStyleSheet("color: #b00000");
  labelUklad_->setBuddy(combo_);
  labelUklad2_->setBuddy(combo2_);
  labelC4_->setObjectName("LabelUkladC4");
  editC4_->setObjectName("EditUkladC4");
  labelC4_->setBuddy(editC4_);
  editC4_->setToolTip("Wysokość x szerokość x odgięcie x grubość, np. 200x70x20x2,5");
  connect(editC4_, &QLineEdit::returnPressed, this, &TabPage::entered);
  combo3_->setObjectName("ComboBoxUklad3");
  labelUklad3_->setObjectName("LabelUklad3");
  labelUklad3_->setBuddy(combo3_);
  for (QComboBox* c : {combo_, combo2_}) c->setMaxVisibleItems(20);
  combo_->setMinimumContentsLength(12);
  combo2_->setMinimumContentsLength(6);

  // the layouts: picture buttons, one pressed
  auto* layouts = new QGroupBox("Układ", this);
  layouts->setObjectName("GroupBoxUklad");
  auto* buttonGrid = new QGridLayout(layouts);
  buttonGrid->setSpacing(3);
  buttonGrid->setContentsMargins(6, 4, 6, 6);
  auto* exclusive = new QButtonGroup(this);
  for (int k = 1; k <= kMaxLayouts; ++k) {
    auto* b = new QToolButton(layouts);
    b->setObjectName(QString("SpeedButton%1").arg(k));
    b->setText(QString::number(k));  // shown while the button has no picture
    b->setCheckable(true);
    b->setFixedSize(50, 50);
    b->setIconSize(QSize(44, 44));
    exclusive->addButton(b, k);
    buttonGrid->addWidget(b, (k - 1) / 4, (k - 1) % 4);
    buttons_[k - 1] = b;
    connect(b, &QToolButton::clicked, this, [this, k] {
      SpeedButtonClick(k);
      emit przelicz();
    });
  }
  // the rows of the longest set stay: the page does not jump when the type changes
  for (int row = 0; row < 3; ++row) buttonGrid->setRowMinimumHeight(row, 50);

  labelH_->setObjectName("LabelUkladH");
  labelV_->setObjectName("LabelUkladV");
  labelH_->setBuddy(editH_->edit());
  labelV_->setBuddy(editV_->edit());
  for (DimensionEdit* e : {editH_, editV_}) {
    e->setFixedWidth(96);
    // a spacing may close to nothing; the generator raises one below its layout's minimum
    e->setRule({.unit = " mm", .step = 10, .minimum = 0});
    e->setText(kDefaultSpacing);
    connect(e, &DimensionEdit::confirmed, this, &TabPage::entered);
    connect(e, &DimensionEdit::stepped, this, &TabPage::przelicz);
  }
  auto* spacings = new QGridLayout;
  spacings->setVerticalSpacing(3);
  spacings->addWidget(labelH_, 0, 0);
  spacings->addWidget(editH_, 0, 1);
  spacings->addWidget(labelV_, 1, 0);
  spacings->addWidget(editV_, 1, 1);
  spacings->setColumnStretch(2, 1);
  // the rows keep their room while hidden
  for (QWidget* w : {static_cast<QWidget*>(labelH_), static_cast<QWidget*>(editH_),
                     static_cast<QWidget*>(labelV_), static_cast<QWidget*>(editV_)}) {
    QSizePolicy policy = w->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    w->setSizePolicy(policy);
  }

  // "Przewiązki": a link-like label that opens the battens dialog by mouse or keyboard
  przewLabel_->setObjectName("LabelPrzewiazki");
  przewLabel_->setStyleSheet("color: #0000ff; text-decoration: underline");
  przewLabel_->setCursor(Qt::PointingHandCursor);
  przewLabel_->setFocusPolicy(Qt::StrongFocus);
  przewLabel_->setToolTip("Przewiązki lub skratowanie łączące gałęzie");
  przewLabel_->setAccessibleName("Przewiązki");
  przewLabel_->setAccessibleDescription(przewLabel_->toolTip());
  przewLabel_->installEventFilter(this);

  auto* lists = new QGridLayout;
  lists->setVerticalSpacing(3);
  lists->addWidget(labelUklad_, 0, 0);
  lists->addWidget(combo_, 0, 1);
  lists->addWidget(labelUklad2_, 1, 0);
  lists->addWidget(combo2_, 1, 1);
  lists->addWidget(labelC4_, 4, 0);
  lists->addWidget(editC4_, 4, 1);
  lists->addWidget(labelUklad3_, 2, 0);
  lists->addWidget(combo3_, 2, 1);
  lists->addWidget(labelBrak_, 3, 0, 1, 2);
  lists->setColumnStretch(2, 1);

  auto* member = new QVBoxLayout;
  member->addWidget(wybor_);
  member->addWidget(typ_);
  member->addWidget(cienki_);
  member->addLayout(lists);
  member->addStretch(1);

  auto* right = new QVBoxLayout;
  right->addWidget(layouts);
  right->addLayout(spacings);
  right->addWidget(przewLabel_);
  right->addStretch(1);

  auto* columns = new QHBoxLayout;
  columns->addWidget(uklad_, 0, Qt::AlignTop);
  columns->addLayout(member);
  columns->addLayout(right);
  columns->addStretch(1);
  auto* page = new QVBoxLayout(this);
  page->setContentsMargins(8, 6, 8, 6);
  page->addWidget(heading);
  page->addLayout(columns, 1);

  connect(uklad_, &RadioGroup::clicked, this, &TabZestawy::RadioGroupUkladClick);
  connect(typ_, &RadioGroup::clicked, this, &TabZestawy::RadioGroupUkladTypClick);
  connect(wybor_, &RadioGroup::clicked, this, &TabZestawy::RadioGroupUkladWyborClick);
  connect(cienki_, &RadioGroup::clicked, this, &TabZestawy::RadioGroupUkladCienkiClick);
  connect(combo_, &QComboBox::currentIndexChanged, this, &TabZestawy::ComboBoxUkladChange);
  connect(combo2_, &QComboBox::currentIndexChanged, this, &TabZestawy::ComboBoxUklad2Change);
  connect(combo3_, &QComboBox::currentIndexChanged, this, &TabZestawy::ComboBoxUklad2Change);

  uklad_->setItemIndex(kSetI);
  wybor_->setItemIndex(0);
  typ_->setItemIndex(1);  // "IPE"
  cienki_->setItemIndex(0);
  Arrange();
  FillSizes(false);
  ArrangeLayouts(kSetI);
  SpeedButtonClick(1);
}

void TabZestawy::setDatabase(ProfileDatabase* database) {
  database_ = database;
  MarkTypes();
  Arrange();
  FillSizes(true);
}

void TabZestawy::setFolderInstalacji(const QString& folder) {
  folder_ = folder;
  picturesOf_ = -1;  // loaded when the page is next shown
}

void TabZestawy::Show() {
  MarkTypes();
  Arrange();
  FillSizes(true);
  if (picturesOf_ != type()) LoadPictures();
}

// ---- the choice ---------------------------------------------------------------------------

void TabZestawy::FillSelection(Selection& s) {
  s.kind = kZestawy;
  s.sub = type();
  s.mode = layout_;
  s.variant = variant();
  s.option = option();
  s.option2 = HasMake(s.sub) ? make() : 0;
  s.setText(0, combo_->currentText().toStdString());
  const std::string size = combo_->currentText().trimmed().toStdString();
  const bool second = combo2_->count() > 0 &&
                      (!Rolled(s.sub, make()) ||
                       RolledSecondTextKept(kRolledSub[s.sub], s.variant, size));
  s.setText(1, second ? combo2_->currentText().toStdString() : std::string());
  if (lipped()) s.setText(0, editC4_->text().trimmed().toStdString());
  if (corrugated()) {
    // the girder's flange by its number, its web from the third list
    s.setText(1, std::to_string(combo2_->currentIndex() + 1));
    s.setText(4, combo3_->currentText().toStdString());
  }
  s.setText(2, editH_->text().toStdString());
  s.setText(3, editV_->text().toStdString());
  s.size = combo_->currentIndex();
  s.size2 = combo2_->currentIndex();
}

bool TabZestawy::Choice(TabChoice& choice) {
  choice = TabChoice{};
  FillSelection(choice.selection);
  return true;
}

void TabZestawy::SetChoice(const TabChoice& choice) {
  const Selection& s = choice.selection;
  restoring_ = true;
  uklad_->setItemIndex(std::clamp(s.sub, 0, kSetFamilies - 1));
  if (HasMake(type())) wybor_->setItemIndex(std::clamp(s.option2, 0, 1));
  Arrange();
  // the series item that stands for the stored variant
  if (type() == kSetI && make() == 0) {
    for (int i = 0; i < kISeries.size(); ++i)
      if (kISeriesVariant[i] == s.variant) typ_->setItemIndex(i);
  } else if (type() == kSetChannels && make() == 1) {
    typ_->setItemIndex(std::clamp(s.option, 0, 1));  // plain or lipped
  } else if (typ_->isVisibleTo(this)) {
    typ_->setItemIndex(s.variant);
  }
  ArrangeOptions();
  if (cienki_->isVisibleTo(this)) cienki_->setItemIndex(std::clamp(s.option, 0, 1));
  ArrangeOptions();
  FillSizes(false);
  filling_ = true;
  Pick(combo_, s.texts[0]);
  filling_ = false;
  if (lipped()) editC4_->setText(QString::fromStdString(s.texts[0]));
  FillSecond();
  filling_ = true;
  if (corrugated()) {
    const int flange = QString::fromStdString(s.texts[1]).trimmed().toInt() - 1;
    if (flange >= 0 && flange < combo2_->count()) combo2_->setCurrentIndex(flange);
    Pick(combo3_, s.texts[4]);
  } else if (!s.texts[1].empty()) {
    Pick(combo2_, s.texts[1]);
  }
  filling_ = false;
  ArrangeLayouts(type());
  if (isVisible()) LoadPictures();
  const int count = static_cast<int>(Uklady(type()).size());
  SpeedButtonClick(std::clamp(s.mode, 1, count));
  editH_->setText(QString::fromStdString(s.texts[2]));
  editV_->setText(QString::fromStdString(s.texts[3]));
  restoring_ = false;
}

void TabZestawy::SpacingsUsed(double horizontal, double vertical) {
  auto show = [](DimensionEdit* e, double used) {
    if (used < 0) return;  // the layout has no such spacing
    const QString text = QString::fromStdString(FormatWymiaru(0, 0, 0, used)) + " mm";
    // the text typed stays unless the set was built with another spacing
    if (std::abs(e->value() - used) > 1e-9) e->setText(text);
  };
  show(editH_, horizontal);
  show(editV_, vertical);
}

// ---- handlers -----------------------------------------------------------------------------

void TabZestawy::RadioGroupUkladClick() {
  Arrange();
  FillSizes(false);
  ArrangeLayouts(type());
  LoadPictures();
  // a layout the new type does not have gives way to its first one, at the spacings typed
  const int count = static_cast<int>(Uklady(type()).size());
  restoring_ = true;
  SpeedButtonClick(layout_ <= count ? layout_ : 1);
  restoring_ = false;
  emit przelicz();
}

void TabZestawy::RadioGroupUkladTypClick() {
  ArrangeOptions();
  FillSizes(false);
  emit przelicz();
}

void TabZestawy::RadioGroupUkladWyborClick() {
  Arrange();
  FillSizes(false);
  emit przelicz();
}

void TabZestawy::RadioGroupUkladCienkiClick() {
  FillSizes(true);
  emit przelicz();
}

void TabZestawy::ComboBoxUkladChange() {
  if (filling_) return;
  FillSecond();
  emit przelicz();
}

void TabZestawy::ComboBoxUklad2Change() {
  if (filling_) return;
  emit przelicz();
}

void TabZestawy::LabelPrzewiazkiClick() {
  if (const std::optional<Przewiazki> chosen =
          TFormPrzewiazki::Wybierz(przewiazki_, pozycja_, this)) {
    przewiazki_ = *chosen;
    emit przelicz();
  }
}

bool TabZestawy::eventFilter(QObject* watched, QEvent* event) {
  if (watched == przewLabel_) {
    const bool click = event->type() == QEvent::MouseButtonRelease &&
                       static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
    bool key = false;
    if (event->type() == QEvent::KeyPress) {
      const int k = static_cast<QKeyEvent*>(event)->key();
      key = k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_Space;
    }
    if (click || key) {
      LabelPrzewiazkiClick();
      return true;
    }
  }
  return TabPage::eventFilter(watched, event);
}

// ---- the member ---------------------------------------------------------------------------

int TabZestawy::type() const { return std::clamp(uklad_->itemIndex(), 0, kSetFamilies - 1); }

int TabZestawy::make() const { return HasMake(type()) ? std::max(wybor_->itemIndex(), 0) : 0; }

int TabZestawy::seriesItem() const {
  return typ_->isVisibleTo(this) ? std::max(typ_->itemIndex(), 0) : 0;
}

int TabZestawy::variant() const {
  const int t = type();
  if (t == kSetI && make() == 0) return kISeriesVariant[std::min<int>(seriesItem(), 6)];
  if ((t == kSetI && make() == 1) || (t == kSetChannels && make() == 0)) return seriesItem();
  return 0;
}

int TabZestawy::option() const {
  if (type() == kSetChannels && make() == 1) return seriesItem();
  return cienki_->isVisibleTo(this) ? std::max(cienki_->itemIndex(), 0) : 0;
}

bool TabZestawy::lipped() const { return type() == kSetChannels && make() == 1 && option() == 1; }

void TabZestawy::MarkTypes() {
  if (!database_) return;  // the window keeps the tab closed without a database
  auto holds = [this](int t) {
    if (kColdItem[t] >= 0 && ColdCatalogueHeld(*database_, kColdItem[t])) return true;
    if (kRolledSub[t] < 0) return false;
    if (t == kSetI)
      for (int w = 0; w < kWeldedSeries.size(); ++w)
        if (WeldedSeriesHeld(*database_, w)) return true;
    const int series = t == kSetI ? kISeries.size() : t == kSetChannels ? kChannelSeries.size() : 1;
    for (int v = 0; v < series; ++v) {
      const int variant = t == kSetI ? kISeriesVariant[v] : v;
      if (!RolledSizes(database_, kRolledSub[t], variant, 0).empty()) return true;
    }
    return false;
  };
  int first = -1;
  for (int t = 0; t < kSetFamilies; ++t) {
    const bool h = holds(t);
    uklad_->setItemEnabled(t, h, kNotInDatabase);
    if (h && first < 0) first = t;
  }
  if (!uklad_->itemEnabled(type()) && first >= 0) uklad_->setItemIndex(first);
}

void TabZestawy::Arrange() {
  const int t = type();
  // the make: rolled, or welded I-sections, or cold-formed channels and angles
  wybor_->setVisible(HasMake(t));
  if (HasMake(t)) {
    wybor_->setItemText(1, t == kSetI ? "Spawane" : "Gięte");
    if (database_) {
      bool other = false;
      if (t == kSetI) {
        for (int w = 0; w < kWeldedSeries.size() && !other; ++w)
          other = WeldedSeriesHeld(*database_, w);
      } else {
        other = ColdCatalogueHeld(*database_, kColdItem[t]);
      }
      wybor_->setItemEnabled(1, other, kNotInDatabase);
      if (!other && wybor_->itemIndex() == 1) wybor_->setItemIndex(0);
    }
  }
  // the series
  const int m = make();
  const QStringList series = t == kSetI ? (m == 0 ? kISeries : kWeldedSeries)
                             : t == kSetChannels ? (m == 0 ? kChannelSeries : kColdChannels)
                                                 : QStringList();
  if (!series.isEmpty() && typ_->items() != series) {
    typ_->setColumns(series.size() > 4 ? 3 : series.size() > 2 ? 2 : 1);
    typ_->setItems(series, series == kISeries ? 1 : 0);
  }
  typ_->setVisible(!series.isEmpty());
  if (database_ && !series.isEmpty() && series != kColdChannels) {
    int first = -1;
    for (int i = 0; i < series.size(); ++i) {
      bool holds = false;
      if (series == kWeldedSeries) {
        holds = WeldedSeriesHeld(*database_, i);
      } else {
        const int v = series == kISeries ? kISeriesVariant[i] : i;
        for (int o : {0, 1}) holds = holds || !RolledSizes(database_, kRolledSub[t], v, o).empty();
      }
      typ_->setItemEnabled(i, holds, kNotInDatabase);
      if (holds && first < 0) first = i;
    }
    if (!typ_->itemEnabled(typ_->itemIndex()) && first >= 0) typ_->setItemIndex(first);
  }
  ArrangeOptions();
  // the lists' captions
  const bool tube = t >= kSetRoundTubes;
  labelUklad_->setText(t == kSetRoundTubes ? "Średnica [mm]" : tube ? "Wymiar [mm]" : "Profil");

}

void TabZestawy::ArrangeOptions() {
  const int t = type();
  const bool normalne = (t == kSetI || t == kSetChannels) && make() == 0 && seriesItem() == 0;
  cienki_->setVisible(normalne);
  if (!normalne) return;
  // "Pocienione" only where the database holds the thin sizes
  const bool thin = database_ && !RolledSizes(database_, kRolledSub[t], 0, 1).empty();
  cienki_->setItemEnabled(1, thin, kNotInDatabase);
  if (!thin && cienki_->itemIndex() == 1) cienki_->setItemIndex(0);
}

std::vector<TabZestawy::Size> TabZestawy::Sizes() const {
  const int t = type();
  std::vector<Size> sizes;
  if (t == kSetI && make() == 1) {
    const int w = seriesItem();
    const std::vector<std::string>& list = WeldedSizes(w);
    for (int i = 0; i < static_cast<int>(list.size()); ++i)
      sizes.push_back({QString::fromStdString(list[i]), Items(WeldedSecond(w, i))});
  } else if (Rolled(t, make())) {
    for (const CatalogueSize& z : RolledSizes(database_, kRolledSub[t], variant(), option()))
      sizes.push_back({QString::fromStdString(z.size), Items(z.second)});
  } else if (lipped()) {
    return sizes;  // typed, not listed
  } else if (kColdItem[t] >= 0) {
    const int item = kColdItem[t];
    const std::vector<std::string>& list = ColdSizes(item);
    for (int i = 0; i < static_cast<int>(list.size()); ++i)
      sizes.push_back({QString::fromStdString(list[i]), Items(ColdThicknesses(item, i))});
  }
  return sizes;
}

void TabZestawy::FillSizes(bool keep) {
  sizes_ = Sizes();
  QStringList items;
  for (const Size& z : sizes_) items << z.text;
  filling_ = true;
  Refill(combo_, items, keep);
  filling_ = false;
  combo_->setEnabled(!items.isEmpty());
  labelBrak_->setText(database_ ? "Brak w bazie danych" : "Nie ma bazy danych");
  const bool typed = lipped();
  labelBrak_->setVisible(items.isEmpty() && !typed);
  labelUklad_->setVisible(!typed);
  combo_->setVisible(!typed);
  labelC4_->setVisible(typed);
  editC4_->setVisible(typed);
  FillSecond();
}

void TabZestawy::FillSecond() {
  const int t = type();
  const bool thickness = t >= kSetEqualAngles;  // angles and tubes
  labelUklad2_->setText(thickness      ? "Grubość [mm]"
                        : corrugated() ? "Pas b x t [mm]"
                        : t == kSetI && make() == 1 ? "Odmiana"
                                                    : "Masa [kg/m]");
  const int i = combo_->currentIndex();
  const QStringList second =
      i >= 0 && i < static_cast<int>(sizes_.size()) ? sizes_[i].second : QStringList();
  filling_ = true;
  Refill(combo2_, second, true);
  filling_ = false;
  combo2_->setVisible(!second.isEmpty());
  labelUklad2_->setVisible(!second.isEmpty());
  const QStringList webs = corrugated() ? Items(CorrugatedWebs(i)) : QStringList();
  filling_ = true;
  Refill(combo3_, webs, true);
  filling_ = false;
  combo3_->setVisible(!webs.isEmpty());
  labelUklad3_->setVisible(!webs.isEmpty());
}

bool TabZestawy::corrugated() const {
  return type() == kSetI && make() == 1 && seriesItem() == kWeldedWT;
}

// ---- the layouts --------------------------------------------------------------------------

void TabZestawy::ArrangeLayouts(int t) {
  const std::vector<Uklad>& layouts = Uklady(t);
  const int count = std::min<int>(SetLayouts(t), static_cast<int>(layouts.size()));
  for (int k = 0; k < kMaxLayouts; ++k) {
    const bool shown = k < count;
    buttons_[k]->setVisible(shown);
    if (!shown) continue;
    const QString name = QString("Układ %1: %2").arg(k + 1).arg(QString::fromUtf8(layouts[k].name));
    buttons_[k]->setToolTip(name);
    buttons_[k]->setAccessibleName(name);
  }
}

void TabZestawy::LoadPictures() {
  const int t = type();
  picturesOf_ = t;
  const std::vector<Uklad>& layouts = Uklady(t);
  for (size_t k = 0; k < layouts.size(); ++k) {
    const QString path =
        QDir(folder_).filePath(QString("BMP/%1.BMP").arg(QString::fromUtf8(layouts[k].picture)));
    QPixmap picture;
    if (!QFileInfo::exists(path) || !picture.load(path)) {
      // one message for the first picture missing; the buttons keep what they showed
      emit komunikat({"UWAGA", "Nie ma pliku:", "OK", {},
                      QDir::toNativeSeparators(path).toStdString()});
      return;
    }
    buttons_[k]->setIcon(QIcon(picture));
  }
}

void TabZestawy::SpeedButtonClick(int k) {
  layout_ = k;
  buttons_[k - 1]->setChecked(true);
  // a new layout starts from the usual spacing; a stored section keeps its own
  if (!restoring_) {
    editH_->setText(kDefaultSpacing);
    editV_->setText(kDefaultSpacing);
  }
  ArrangeSpacings();
  przewLabel_->setVisible(true);
}

void TabZestawy::ArrangeSpacings() {
  const std::vector<Uklad>& layouts = Uklady(type());
  const Uklad& u = layouts[std::clamp(layout_, 1, static_cast<int>(layouts.size())) - 1];
  auto arrange = [](QLabel* label, DimensionEdit* edit, const Rozstaw& r) {
    const bool used = r.caption != nullptr;
    label->setVisible(used);
    edit->setVisible(used);
    if (!used) return;
    label->setText(QString::fromUtf8(r.caption));
    label->setToolTip(QString::fromUtf8(r.hint));
    edit->setToolTip(label->toolTip());
    edit->edit()->setAccessibleDescription(label->toolTip());
  };
  arrange(labelH_, editH_, u.h);
  arrange(labelV_, editV_, u.v);
}

}  // namespace tarvik::ui
