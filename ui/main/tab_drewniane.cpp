#include "ui/main/tab_drewniane.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "generators/parametric.h"
#include "ui/main/form_klasa_dr.h"
#include "ui/main/numeric_edit.h"
#include "ui/main/radio_group.h"

namespace tarvik::ui {
namespace {

// the tab's texts at a fresh start, in the order of TimberEdit; the flanges are boards wider
// than the web
constexpr const char* kDefaults[kTimberEdits] = {"5 cm", "20 cm", "15 cm", "15 cm",
                                                 "5 cm", "20 cm", "10 cm"};
constexpr const char* kEditNames[kTimberEdits] = {"H1", "B1", "H2", "B2", "H3", "B3", "Adr"};

// what each item of the shape group builds: the two I and the two box shapes share a caption
constexpr const char* kShapeHints[kTimberShapes] = {
    "Prostokąt z litego drewna",
    "Koło",
    "Środnik i pas górny",
    "Środnik między pasem górnym i dolnym",
    "Środnik na całą wysokość, pasy z dwóch desek po jego bokach",
    "Dwa środniki w odstępie, pasy na obu środnikach",
    "Dwa środniki na całą wysokość, pasy między nimi",
    "Dwa jednakowe elementy obok siebie",
    "Trzy jednakowe elementy obok siebie",
    "Cztery jednakowe elementy obok siebie"};

// the caption columns and the edits' width, shared by the three member groups so that
// their rows line up
constexpr int kCaptionWidth = 86;
constexpr int kSecondCaptionWidth = 128;  // "Wewnętrzny rozstaw" on its first line
constexpr int kEditWidth = 82;

bool Uses(int shape, TimberEdit e) { return TimberText(shape, e) >= 0; }

QGridLayout* MemberGrid(QGroupBox* group) {
  auto* grid = new QGridLayout(group);
  grid->setContentsMargins(6, 2, 6, 4);
  grid->setVerticalSpacing(3);
  grid->setColumnMinimumWidth(0, kCaptionWidth);
  grid->setColumnMinimumWidth(2, kSecondCaptionWidth);
  grid->setColumnStretch(4, 1);
  return grid;
}

}  // namespace

TabDrewniane::TabDrewniane(QWidget* parent) : TabPage(parent) {
  setObjectName("TabSheetDrewno");
  QLabel* heading = Naglowek("Przekroje drewniane", "LabelDrewno");

  shapes_ = new RadioGroup("RadioGroupDrewno", "",
                           {"Prostokątny", "Okrągły", "Teowy", "Dwuteowy", "Dwuteowy", "Skrzynkowy",
                            "Skrzynkowy", "Podwójny", "Potrójny", "Poczwórny"},
                           2, this);
  shapes_->setAccessibleName(heading->text());
  for (int i = 0; i < kTimberShapes; ++i)
    if (auto* item = shapes_->findChild<QRadioButton*>("RadioGroupDrewno_" + QString::number(i))) {
      item->setToolTip(QString::fromUtf8(kShapeHints[i]));
      item->setAccessibleDescription(item->toolTip());
    }
  connect(shapes_, &RadioGroup::clicked, this, &TabDrewniane::RadioGroupDrewnoClick);

  // the members: upper flange, web, lower flange, each a group of its own
  const char* titles[kCzlony] = {" Pas górny ", " Środnik ", " Pas dolny "};
  const char* groupNames[kCzlony] = {"GroupBoxPas1", "GroupBoxSrodnik", "GroupBoxPas3"};
  const char* classNames[kCzlony] = {"Klasa1", "KlasaDr", "Klasa3"};
  std::array<QGridLayout*, kCzlony> grids{};
  for (int m = 0; m < kCzlony; ++m) {
    groups_[m] = new QGroupBox(QString::fromUtf8(titles[m]), this);
    groups_[m]->setObjectName(groupNames[m]);
    grids[m] = MemberGrid(groups_[m]);
    classCaptions_[m] = new QLabel("Klasa drewna", groups_[m]);
    classCaptions_[m]->setObjectName(QString("Label") + classNames[m]);
    classes_[m] = new QPushButton(groups_[m]);
    classes_[m]->setObjectName(QString("SpeedButton") + classNames[m]);
    classes_[m]->setFixedWidth(kEditWidth);
    classes_[m]->setAutoDefault(false);
    classCaptions_[m]->setBuddy(classes_[m]);
    const auto member = static_cast<Czlon>(m);
    connect(classes_[m], &QPushButton::clicked, this,
            [this, member] { SpeedButtonKlasaClick(member); });
  }

  // the dimensions: widths in the first row, heights in the second, in centimetres
  for (int i = 0; i < kTimberEdits; ++i) {
    const auto e = static_cast<TimberEdit>(i);
    const int m = e == kDrH1 || e == kDrB1   ? kPasGorny
                  : e == kDrH3 || e == kDrB3 ? kPasDolny
                                             : kSrodnik;
    dims_[e] = new DimensionEdit(kEditNames[e], groups_[m]);
    dims_[e]->setFixedWidth(kEditWidth);
    // the clear gaps may close; a member is never thinner than 1 cm by the buttons
    dims_[e]->setRule({.unit = " cm", .step = 1, .minimum = e == kDrAdr ? 0.0 : 1.0});
    dimCaptions_[e] = new QLabel(groups_[m]);
    dimCaptions_[e]->setObjectName(QString("Label") + kEditNames[e]);
    dimCaptions_[e]->setBuddy(dims_[e]->edit());
    connect(dims_[e], &DimensionEdit::confirmed, this, &TabPage::entered);
    connect(dims_[e], &DimensionEdit::stepped, this, &TabPage::przelicz);
  }
  dimCaptions_[kDrB1]->setText("Szerokość b1");
  dimCaptions_[kDrH1]->setText("Wysokość h1");
  dimCaptions_[kDrB3]->setText("Szerokość b3");
  dimCaptions_[kDrH3]->setText("Wysokość h3");

  // the flanges' fasteners: spacing and diameter in millimetres, pre-drilled holes
  for (int f = 0; f < 2; ++f) {
    QGroupBox* group = groups_[f == 0 ? kPasGorny : kPasDolny];
    const QString n = f == 0 ? "1" : "3";
    spacing_[f] = new DimensionEdit("S" + n, group);
    diameter_[f] = new DimensionEdit("D" + n, group);
    spacingCaption_[f] = new QLabel("Odległość s" + n, group);
    spacingCaption_[f]->setObjectName("LabelS" + n);
    spacingCaption_[f]->setToolTip("Rozstaw łączników wzdłuż belki");
    diameterCaption_[f] = new QLabel("Średnica d" + n, group);
    diameterCaption_[f]->setObjectName("LabelD" + n);
    diameterCaption_[f]->setToolTip("Średnica łączników");
    for (DimensionEdit* d : {spacing_[f], diameter_[f]}) {
      d->setFixedWidth(kEditWidth);
      d->setRule({.unit = " mm", .step = 1, .minimum = 1});
      connect(d, &DimensionEdit::confirmed, this, &TabPage::entered);
      connect(d, &DimensionEdit::stepped, this, &TabPage::przelicz);
    }
    spacingCaption_[f]->setBuddy(spacing_[f]->edit());
    diameterCaption_[f]->setBuddy(diameter_[f]->edit());
    holes_[f] = new QCheckBox("Otwory", group);
    holes_[f]->setObjectName("CheckBoxOtw" + n);
    holes_[f]->setToolTip("Otwory pod łączniki nawiercone wstępnie");
    connect(holes_[f], &QCheckBox::clicked, this, &TabPage::przelicz);
  }

  // a flange: width | spacing, height | diameter, class | holes
  for (int f = 0; f < 2; ++f) {
    QGridLayout* grid = grids[f == 0 ? kPasGorny : kPasDolny];
    const TimberEdit b = f == 0 ? kDrB1 : kDrB3, h = f == 0 ? kDrH1 : kDrH3;
    const Czlon m = f == 0 ? kPasGorny : kPasDolny;
    grid->addWidget(dimCaptions_[b], 0, 0);
    grid->addWidget(dims_[b], 0, 1);
    grid->addWidget(spacingCaption_[f], 0, 2);
    grid->addWidget(spacing_[f], 0, 3);
    grid->addWidget(dimCaptions_[h], 1, 0);
    grid->addWidget(dims_[h], 1, 1);
    grid->addWidget(diameterCaption_[f], 1, 2);
    grid->addWidget(diameter_[f], 1, 3);
    grid->addWidget(classCaptions_[m], 2, 0);
    grid->addWidget(classes_[m], 2, 1);
    grid->addWidget(holes_[f], 2, 2, 1, 2);
  }
  // the web: width, height | the gap between the webs or the members, class: the class
  // buttons of all members one under another
  QGridLayout* web = grids[kSrodnik];
  web->addWidget(dimCaptions_[kDrB2], 0, 0);
  web->addWidget(dims_[kDrB2], 0, 1);
  web->addWidget(dimCaptions_[kDrH2], 1, 0);
  web->addWidget(dims_[kDrH2], 1, 1);
  web->addWidget(dimCaptions_[kDrAdr], 1, 2);
  web->addWidget(dims_[kDrAdr], 1, 3);
  web->addWidget(classCaptions_[kSrodnik], 2, 0);
  web->addWidget(classes_[kSrodnik], 2, 1);

  // the joints of the flanges to the web, and the span the γ-method needs
  joints_ = new QGroupBox(" Połączenie ", this);
  joints_->setObjectName("GroupBoxPolaczenie");
  klej_ = new QRadioButton("Klejenie", joints_);
  klej_->setObjectName("RadioButtonKlej");
  gwozdzie_ = new QRadioButton("Łączniki mechaniczne", joints_);
  gwozdzie_->setObjectName("RadioButtonGwozdzie");
  gwozdzie_->setToolTip("Gwoździe, wkręty, śruby: pasy współpracują częściowo (metoda γ)");
  spanCaption_ = new QLabel("Długość belki", joints_);
  spanCaption_->setObjectName("LabelDl");
  span_ = new DimensionEdit("Dl", joints_);
  span_->setFixedWidth(kEditWidth);
  span_->setRule({.unit = " m", .step = 0.5, .minimum = 0.5});
  spanCaption_->setBuddy(span_->edit());
  connect(span_, &DimensionEdit::confirmed, this, &TabPage::entered);
  connect(span_, &DimensionEdit::stepped, this, &TabPage::przelicz);
  for (QRadioButton* r : {klej_, gwozdzie_})
    connect(r, &QRadioButton::clicked, this, &TabDrewniane::RadioButtonPolaczenieClick);
  auto* jointsGrid = new QGridLayout(joints_);
  jointsGrid->setContentsMargins(6, 2, 6, 4);
  jointsGrid->setVerticalSpacing(3);
  jointsGrid->addWidget(klej_, 0, 0, 1, 2);
  jointsGrid->addWidget(gwozdzie_, 1, 0, 1, 2);
  jointsGrid->addWidget(spanCaption_, 2, 0);
  jointsGrid->addWidget(span_, 2, 1);
  jointsGrid->setColumnStretch(2, 1);

  // how the members of a spaced column are held together: nothing is computed from it
  battens_ = new QGroupBox(" Połączenie elementów ", this);
  battens_->setObjectName("GroupBoxPrzew");
  przewiazki_ = new QCheckBox("Przewiązki", battens_);
  przewiazki_->setObjectName("CheckBoxPrzewDr");
  przewCaption_ = new QLabel("Łączniki", battens_);
  przewCaption_->setObjectName("LabelPrzew");
  przew_ = new QComboBox(battens_);
  przew_->setObjectName("ComboBoxPrzew");
  przew_->addItems({"Klej", "Gwoździe", "Śruby"});
  przewCaption_->setBuddy(przew_);
  wewnatrz_ = new QRadioButton("Wewnątrz", battens_);
  wewnatrz_->setObjectName("RadioButtonWew");
  wewnatrz_->setToolTip("Przekładki między elementami");
  zewnatrz_ = new QRadioButton("Zewnątrz", battens_);
  zewnatrz_->setObjectName("RadioButtonZew");
  zewnatrz_->setToolTip("Nakładki po zewnętrznych stronach elementów");
  auto* place = new QButtonGroup(battens_);  // apart from the joints' radios
  place->addButton(wewnatrz_);
  place->addButton(zewnatrz_);
  connect(przewiazki_, &QCheckBox::clicked, this, &TabDrewniane::CheckBoxPrzewDrClick);
  connect(przew_, &QComboBox::activated, this, &TabPage::przelicz);
  for (QRadioButton* r : {wewnatrz_, zewnatrz_})
    connect(r, &QRadioButton::clicked, this, &TabPage::przelicz);
  auto* battensGrid = new QGridLayout(battens_);
  battensGrid->setContentsMargins(6, 2, 6, 4);
  battensGrid->setVerticalSpacing(3);
  battensGrid->setColumnMinimumWidth(0, kCaptionWidth);
  battensGrid->addWidget(przewiazki_, 0, 0, 1, 2);
  battensGrid->addWidget(przewCaption_, 1, 0);
  battensGrid->addWidget(przew_, 1, 1);
  battensGrid->addWidget(wewnatrz_, 2, 0);
  battensGrid->addWidget(zewnatrz_, 2, 1);
  battensGrid->setColumnStretch(2, 1);

  // a member of variable height: the web's height grows by the rate along the member; Enter
  // in either edit recomputes and leaves the focus there, for the next position
  zmienny_ = new QCheckBox("Zmienna wysokość", this);
  zmienny_->setObjectName("CheckBoxZmiennyDr");
  connect(zmienny_, &QCheckBox::clicked, this, &TabDrewniane::CheckBoxZmiennyDrClick);
  rateCaption_ = new QLabel("Przyrost na metr", this);
  rateCaption_->setObjectName("LabelZmianaDr");
  rate_ = new DimensionEdit("ZmianaDr", this);
  rate_->setRule({.unit = " cm/m", .step = 1, .minimum = 0});
  positionCaption_ = new QLabel("Odległość od początku", this);
  positionCaption_->setObjectName("LabelOdlDr");
  position_ = new DimensionEdit("OdlDr", this);
  position_->setRule({.unit = " m", .step = 0.1, .minimum = 0});
  rateCaption_->setBuddy(rate_->edit());
  positionCaption_->setBuddy(position_->edit());
  for (DimensionEdit* d : {rate_, position_}) {
    d->setFixedWidth(kEditWidth);
    connect(d, &DimensionEdit::confirmed, this, &TabPage::przelicz);
    connect(d, &DimensionEdit::stepped, this, &TabPage::przelicz);
  }
  // the rows keep their room while hidden: the columns stay where they are when the box is
  // ticked
  for (QWidget* w : {static_cast<QWidget*>(rateCaption_), static_cast<QWidget*>(rate_),
                     static_cast<QWidget*>(positionCaption_), static_cast<QWidget*>(position_)}) {
    QSizePolicy policy = w->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    w->setSizePolicy(policy);
  }
  auto* variable = new QGridLayout;
  variable->setVerticalSpacing(3);
  variable->addWidget(zmienny_, 0, 0, 1, 2);
  variable->addWidget(rateCaption_, 1, 0);
  variable->addWidget(rate_, 1, 1);
  variable->addWidget(positionCaption_, 2, 0);
  variable->addWidget(position_, 2, 1);
  variable->setColumnStretch(2, 1);

  auto* left = new QVBoxLayout;
  left->addWidget(shapes_);
  left->addWidget(joints_);
  left->addStretch(1);
  left->addLayout(variable);
  // the members in the order they sit in the section, top to bottom
  auto* right = new QVBoxLayout;
  right->addWidget(groups_[kPasGorny]);
  right->addWidget(groups_[kSrodnik]);
  right->addWidget(groups_[kPasDolny]);
  right->addWidget(battens_);
  right->addStretch(1);
  auto* columns = new QHBoxLayout;
  columns->addLayout(left);
  columns->addSpacing(6);
  columns->addLayout(right, 1);
  auto* page = new QVBoxLayout(this);
  page->setContentsMargins(8, 6, 8, 6);
  page->addWidget(heading);
  page->addLayout(columns, 1);

  // the page as tall as its tallest shape: the tab's frame stays put when the shape changes
  shapes_->setItemIndex(kDrSkrzynkowy1);
  gwozdzie_->setChecked(true);
  Arrange();
  ensurePolished();
  setMinimumHeight(page->sizeHint().height());
  Defaults();
}

std::vector<Lacznik> TabDrewniane::laczniki() const {
  std::vector<Lacznik> rows;
  if (!gwozdzie_->isChecked() || !TimberJointed(shape())) return rows;
  const int flanges = TimberLowerFlange(shape()) ? 2 : 1;
  for (int f = 0; f < flanges; ++f)
    rows.push_back({spacing_[f]->text().toStdString(), diameter_[f]->text().toStdString(),
                    holes_[f]->isChecked()});
  return rows;
}

int TabDrewniane::shape() const { return std::clamp(shapes_->itemIndex(), 0, kTimberShapes - 1); }

bool TabDrewniane::variableHeight() const { return zmienny_->isChecked(); }

// ---- the choice ---------------------------------------------------------------------------

void TabDrewniane::FillTexts(Selection& s) const {
  s = Selection{};  // nothing of another tab's record stays behind
  s.kind = kDrewniane;
  s.sub = shape();
  for (TimberEdit e : TimberEdits(s.sub))
    s.setText(TimberText(s.sub, e), dims_[e]->text().toStdString());
}

void TabDrewniane::FillSelection(Selection& s) {
  FillTexts(s);
  // the rate is in cm/m, the gradient in mm/m
  if (variableHeight()) ZmiennaWysokosc(s, 10 * rate_->value(), position_->value());
}

TimberSettings TabDrewniane::Settings() const {
  TimberSettings t;
  t.mechanical = gwozdzie_->isChecked();
  for (int m = 0; m < kCzlony; ++m) t.classes[m] = KlasaDrewna(classes_[m]->text().toStdString());
  t.spacing1 = spacing_[0]->value();
  t.diameter1 = diameter_[0]->value();
  t.holes1 = holes_[0]->isChecked();
  t.spacing3 = spacing_[1]->value();
  t.diameter3 = diameter_[1]->value();
  t.holes3 = holes_[1]->isChecked();
  t.span = span_->value();
  t.battens = przewiazki_->isChecked();
  t.battenJoint = przew_->currentIndex();
  t.battensOutside = zewnatrz_->isChecked();
  return t;
}

void TabDrewniane::SetSettings(const TimberSettings& t) {
  (t.mechanical ? gwozdzie_ : klej_)->setChecked(true);
  for (int m = 0; m < kCzlony; ++m)
    SetClass(static_cast<Czlon>(m), QString::fromUtf8(TimberClassOf(t.classes[m]).name));
  spacing_[0]->setValue(t.spacing1);
  diameter_[0]->setValue(t.diameter1);
  holes_[0]->setChecked(t.holes1);
  spacing_[1]->setValue(t.spacing3);
  diameter_[1]->setValue(t.diameter3);
  holes_[1]->setChecked(t.holes3);
  span_->setValue(t.span);
  przewiazki_->setChecked(t.battens);
  przew_->setCurrentIndex(std::clamp(t.battenJoint, 0, przew_->count() - 1));
  (t.battensOutside ? zewnatrz_ : wewnatrz_)->setChecked(true);
}

void TabDrewniane::FillSettings(GeneratorSettings& g) const { g.timber = Settings(); }

bool TabDrewniane::Choice(TabChoice& choice) {
  choice = TabChoice{};
  FillTexts(choice.selection);
  if (variableHeight()) choice.gradient = 10 * rate_->value();
  choice.timber = Settings();
  return true;
}

void TabDrewniane::SetChoice(const TabChoice& choice) {
  const Selection& s = choice.selection;
  shapes_->setItemIndex(std::clamp(s.sub, 0, kTimberShapes - 1));
  const int sh = shape();
  for (TimberEdit e : TimberEdits(sh))
    if (const std::string& text = s.texts[TimberText(sh, e)]; !text.empty())
      dims_[e]->setText(QString::fromStdString(text));
  SetSettings(choice.timber);
  zmienny_->setChecked(choice.gradient > 0);
  if (zmienny_->isChecked()) rate_->setValue(choice.gradient / 10);
  Arrange();
}

// a tab shown again keeps what the user left on it
void TabDrewniane::Show() { Arrange(); }

void TabDrewniane::Defaults() {
  shapes_->setItemIndex(kDrProstokatny);
  for (int e = 0; e < kTimberEdits; ++e) dims_[e]->setText(QString::fromUtf8(kDefaults[e]));
  SetSettings(TimberSettings{});
  zmienny_->setChecked(false);
  rate_->setText("10 cm/m");
  position_->setText("0 m");
  Arrange();
}

// ---- handlers -----------------------------------------------------------------------------

void TabDrewniane::RadioGroupDrewnoClick() {
  Arrange();
  emit przelicz();
}

void TabDrewniane::RadioButtonPolaczenieClick() {
  Arrange();
  emit przelicz();
}

void TabDrewniane::CheckBoxZmiennyDrClick() {
  ArrangeVariableHeight();
  emit przelicz();
}

void TabDrewniane::CheckBoxPrzewDrClick() {
  ArrangeBattens();
  emit przelicz();
}

void TabDrewniane::SpeedButtonKlasaClick(Czlon member) {
  KlasaPytanie question{classes_[member]->text(), MemberName(member), std::nullopt};
  if (pozycja_) question.pos = *pozycja_;
  const KlasaOdpowiedz answer = TFormKlasaDr::Wybierz(question, this);
  if (!answer.ok) return;
  if (pozycja_) *pozycja_ = answer.pos;
  SetClass(member, answer.klasa);
  emit przelicz();
}

// ---- arrangement --------------------------------------------------------------------------

QString TabDrewniane::MemberName(Czlon member) const {
  if (member == kPasGorny) return "pasa górnego";
  if (member == kPasDolny) return "pasa dolnego";
  const int sh = shape();
  if (sh == kDrProstokatny || sh == kDrOkragly) return "przekroju";
  if (TimberMembers(sh)) return "elementów";
  return sh == kDrSkrzynkowy1 || sh == kDrSkrzynkowy2 ? "środników" : "środnika";
}

void TabDrewniane::SetClass(Czlon member, const QString& name) {
  classes_[member]->setText(name);
  classes_[member]->setAccessibleName("Klasa drewna " + MemberName(member) + ": " + name);
  classes_[member]->setToolTip("Wybór klasy drewna " + MemberName(member));
}

void TabDrewniane::Arrange() {
  const int sh = shape();
  const bool solid = sh == kDrProstokatny || sh == kDrOkragly;
  const bool members = TimberMembers(sh);
  const bool jointed = TimberJointed(sh);

  groups_[kPasGorny]->setVisible(jointed);
  groups_[kPasDolny]->setVisible(TimberLowerFlange(sh));
  groups_[kSrodnik]->setTitle(solid ? " Przekrój " : members ? " Elementy " : " Środnik ");
  for (int e = 0; e < kTimberEdits; ++e) {
    const bool used = Uses(sh, static_cast<TimberEdit>(e));
    dims_[e]->setVisible(used);
    dimCaptions_[e]->setVisible(used);
  }
  if (sh == kDrOkragly) {
    dimCaptions_[kDrH2]->setText("Średnica");
  } else {
    dimCaptions_[kDrH2]->setText(jointed ? "Wysokość h2" : "Wysokość h");
    dimCaptions_[kDrB2]->setText(jointed ? "Szerokość b2" : "Szerokość b");
  }
  dimCaptions_[kDrAdr]->setText(members ? "Odstęp między\nelementami"
                                        : "Wewnętrzny rozstaw\nśrodników");

  joints_->setVisible(jointed);
  const bool fasteners = jointed && gwozdzie_->isChecked();
  for (int f = 0; f < 2; ++f)
    for (QWidget* w :
         {static_cast<QWidget*>(spacing_[f]), static_cast<QWidget*>(diameter_[f]),
          static_cast<QWidget*>(spacingCaption_[f]), static_cast<QWidget*>(diameterCaption_[f]),
          static_cast<QWidget*>(holes_[f])})
      w->setVisible(fasteners);
  spanCaption_->setVisible(fasteners);
  span_->setVisible(fasteners);

  battens_->setVisible(members);
  ArrangeBattens();
  for (int m = 0; m < kCzlony; ++m) SetClass(static_cast<Czlon>(m), classes_[m]->text());
  zmienny_->setText(sh == kDrOkragly ? "Zmienna średnica" : "Zmienna wysokość");
  ArrangeVariableHeight();
}

void TabDrewniane::ArrangeBattens() {
  const bool on = przewiazki_->isChecked();
  for (QWidget* w : {static_cast<QWidget*>(przewCaption_), static_cast<QWidget*>(przew_),
                     static_cast<QWidget*>(wewnatrz_), static_cast<QWidget*>(zewnatrz_)})
    w->setEnabled(on);
}

void TabDrewniane::ArrangeVariableHeight() {
  const bool on = zmienny_->isChecked();
  for (QWidget* w : {static_cast<QWidget*>(rateCaption_), static_cast<QWidget*>(rate_),
                     static_cast<QWidget*>(positionCaption_), static_cast<QWidget*>(position_)})
    w->setVisible(on);
}

}  // namespace tarvik::ui
