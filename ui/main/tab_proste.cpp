#include "ui/main/tab_proste.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "engine/numbers.h"
#include "generators/cold_formed.h"
#include "generators/parametric.h"
#include "ui/main/numeric_edit.h"
#include "ui/main/radio_group.h"

namespace tarvik::ui {
namespace {

enum Rodzina {
  kProstokat,
  kOkragly,
  kRura,
  kLuk,
  kDwuteownik,
  kSkrzynka,
  kCeownik,
  kTeownik,
  kKrzyz,
  kKatownik
};

constexpr int kDefaultCorners = 36;

// the square and rectangular pipes: box tubes with bent corners
bool BoxPipe(int family, int variant) { return family == kRura && (variant == 2 || variant == 3); }

// one dimension edit of a family: its caption and default text; no caption, no edit
struct Field {
  const char* caption = nullptr;
  const char* text = nullptr;
};
// in the order of the edits H, T, S, Gg, W, Gd, Lg, Ld
using Fields = std::array<Field, 8>;

Fields FamilyFields(int family, int variant) {
  switch (family) {
    case kProstokat:
      return {{{"Wysokość", "100 mm"}, {"Szerokość", "10 mm"}}};
    case kOkragly:
      // the circle's corner count comes with "Wzory ścisłe" unticked
      if (variant == 0) return {{{"Średnica", "100 mm"}}};
      return {{{"Szerokość", "100 mm"}, {"Wysokość", "50 mm"}}};
    case kRura:
      switch (variant) {
        case 0:
          return {{{"Średnica", "100 mm"}, {"Grubość", "10 mm"}}};
        case 1:
          return {{{"Szerokość", "100 mm"}, {"Wysokość", "50 mm"}, {}, {"Grubość", "10 mm"}}};
        // the box pipes' corners by the standard until a radius is typed
        case 2:
          return {
              {{"Szerokość", "100 mm"}, {"Grubość", "10 mm"}, {}, {"Promień", kRadiusByStandard}}};
        default:
          return {{{"Wysokość", "100 mm"},
                   {"Grubość", "10 mm"},
                   {"Szerokość", "80 mm"},
                   {"Promień", kRadiusByStandard}}};
      }
    case kLuk:
      return {{{"Promień wew.", "100 mm"}, {"Grubość", "10 mm"}, {"Kąt łuku [°]", "90°"}}};
    case kCeownik:
      return {{{},
               {},
               {"Wysokość", "100 mm"},
               {"Gr. pasów", "10 mm"},
               {"Szerokość", "100 mm"},
               {"Gr. środnika", "10 mm"},
               {"Wcięcie", "70 mm"}}};
    case kTeownik:
      return {{{},
               {},
               {"Wysokość", "100 mm"},
               {"Gr. pasa", "10 mm"},
               {"Szerokość", "100 mm"},
               {"Gr. środnika", "10 mm"}}};
    case kKatownik:
      return {{{"Wysokość", "100 mm"},
               {"Grubość pionu", "10 mm"},
               {"Szerokość", "100 mm"},
               {"Grubość poziomu", "10 mm"}}};
    default:
      break;
  }
  // the I, the box and the cross
  const char* web = family == kSkrzynka ? "Gr. środników" : "Gr. środnika";
  if (family != kKrzyz && variant == 0) {
    Fields f{
        {{"Wysokość", "200 mm"}, {web, "10 mm"}, {"Szerokość", "100 mm"}, {"Gr. pasów", "10 mm"}}};
    if (family == kSkrzynka) f[5] = {"Rozstaw", "70 mm"};
    return f;
  }
  if (family == kKrzyz) {
    // the horizontal bar wider than the flanges of the vertical one: a cross to start from
    Fields f{
        {{"Wysokość", "200 mm"}, {web, "10 mm"}, {"Szerokość", "300 mm"}, {"Gr. górna", "10 mm"}}};
    if (variant == 1) {
      f[4] = {"Szerokość", "100 mm"};
      f[5] = {"Gr. dolna", "10 mm"};
      f[6] = {"Wysokość", "70 mm"};
      f[7] = {"Grubość", "10 mm"};
    }
    return f;
  }
  Fields f{{{"Wysokość", variant == 2 ? "600 mm" : "200 mm"},
            {web, "10 mm"},
            {"Szer. górna", "100 mm"},
            {"Gr. górna", "10 mm"},
            {"Szer. dolna", "300 mm"},
            {"Gr. dolna", "10 mm"}}};
  if (family == kSkrzynka) {
    f[6] = {"Rozstaw górą", "70 mm"};
    f[7] = {"Rozstaw dołem", "70 mm"};
  } else if (variant == 2) {
    f[6] = {"Ukos górą", "70 mm"};
    f[7] = {"Ukos dołem", "70 mm"};
  }
  return f;
}

struct Variants {
  const char* caption;
  QStringList items;
};

Variants FamilyVariants(int family) {
  switch (family) {
    case kOkragly:
      return {" Okrągły ", {"Kołowy", "Eliptyczny"}};
    case kRura:
      return {" Rura ", {"Okrągła", "Eliptyczna", "Kwadratowa", "Prostokątna"}};
    case kDwuteownik:
      // the third, with haunches between the flanges and the web, is the concrete I's
      return {" Dwuteownik ", {"Bisymet.", "Monosymet.", "Z ukosami"}};
    case kSkrzynka:
      return {" Skrzynka ", {"Bisymet.", "Monosymet."}};
    case kKrzyz:
      return {" Krzyż ", {"Prosty", "Złożony"}};
    default:
      return {"", {}};
  }
}

}  // namespace

TabProste::TabProste(QWidget* parent) : TabPage(parent) {
  setObjectName("TabSheetProste");
  QLabel* heading = Naglowek("Przekroje opisane układem wymiarów", "LabelProste");

  family_ = new RadioGroup("RadioGroupProste", "",
                           {"Prostokąt", "Okrągły", "Rura ", "Łuk", "Dwuteownik", "Skrzynka",
                            "Ceownik", "Teownik", "Krzyż", "Kątownik"},
                           2, this);
  family_->setAccessibleName(heading->text());
  variant_ = new RadioGroup("RadioGroupProsteTyp", "", {}, 2, this);
  connect(family_, &RadioGroup::clicked, this, &TabProste::RadioGroupProsteClick);
  connect(variant_, &RadioGroup::clicked, this, &TabProste::RadioGroupProsteTypClick);

  auto* dims = new QGridLayout;
  dims->setVerticalSpacing(3);
  dims->setColumnMinimumWidth(0, 110);
  static const char* const kNames[kWymiary] = {"H", "T", "S", "Gg", "W", "Gd", "Lg", "Ld"};
  for (int i = 0; i < kWymiary; ++i) {
    const auto e = static_cast<Wymiar>(i);
    captions_[e] = new QLabel(this);
    captions_[e]->setObjectName(QString("LabelProsty") + kNames[e]);
    edits_[e] = new DimensionEdit(kNames[e], this);
    edits_[e]->setFixedWidth(100);
    captions_[e]->setBuddy(edits_[e]->edit());
    dims->addWidget(captions_[e], e, 0);
    dims->addWidget(edits_[e], e, 1);
    connect(edits_[e], &DimensionEdit::confirmed, this, [this, e] { EditKeyPress(e); });
    connect(edits_[e], &DimensionEdit::stepped, this, [this, e] { UpDownClick(e); });
    connect(edits_[e], &DimensionEdit::refused, this, [this](const QString& typed) {
      emit komunikat(Blad("Niewłaściwy promień gięcia",
                          "(" + typed.toStdString() + "; np. 4 mm lub " + kRadiusByStandard + ")"));
    });
  }
  // a box pipe's corner by the standard, for its wall as typed
  edits_[Gg]->setRadiusByStandard(
      [this] { return TubeInnerRadius(edits_[T]->value(), goraca_->isChecked()); });

  scisle_ = new QCheckBox("Wzory ścisłe", this);
  scisle_->setObjectName("CheckBoxScisle");
  scisle_->setChecked(true);
  connect(scisle_, &QCheckBox::clicked, this, &TabProste::CheckBoxScisleClick);
  wpis_ = new QLabel("Przekrój wpisany", this);
  wpis_->setObjectName("LabelWpis");
  goraca_ = new QCheckBox("Walc.na gorąco", this);
  goraca_->setObjectName("CheckBoxRuraGoraca");
  connect(goraca_, &QCheckBox::clicked, this, &TabPage::przelicz);

  // the member of variable depth: a gradient and the position along the member; Enter in
  // either recomputes and leaves the focus there, for the next position
  zmienny_ = new QCheckBox(this);
  zmienny_->setObjectName("CheckBoxZmienny");
  connect(zmienny_, &QCheckBox::clicked, this, &TabProste::CheckBoxZmiennyClick);
  gradientCaption_ = new QLabel("Przyrost na metr", this);
  gradientCaption_->setObjectName("LabelZmienny");
  gradient_ = new DimensionEdit("Zmienny", this);
  gradient_->setRule({.unit = " mm/m", .step = 1, .minimum = 0});
  gradient_->setText("10 mm/m");
  positionCaption_ = new QLabel("Odległość od początku", this);
  positionCaption_->setObjectName("Label35");
  position_ = new DimensionEdit("Odl", this);
  position_->setRule({.unit = " m", .step = 0.1, .minimum = 0});
  ResetPosition();
  for (DimensionEdit* d : {gradient_, position_}) {
    d->setFixedWidth(100);
    connect(d, &DimensionEdit::confirmed, this, &TabPage::przelicz);
    connect(d, &DimensionEdit::stepped, this, &TabPage::przelicz);
  }
  gradientCaption_->setBuddy(gradient_->edit());
  positionCaption_->setBuddy(position_->edit());
  // the depth rows sit at the bottom, where they stay whatever the family shows above them
  dims->addItem(new QSpacerItem(0, 0, QSizePolicy::Minimum, QSizePolicy::Expanding), kWymiary, 0);
  dims->addWidget(zmienny_, kWymiary + 1, 0, 1, 2);
  dims->addWidget(gradientCaption_, kWymiary + 2, 0);
  dims->addWidget(gradient_, kWymiary + 2, 1);
  dims->addWidget(positionCaption_, kWymiary + 3, 0);
  dims->addWidget(position_, kWymiary + 3, 1);

  auto* left = new QVBoxLayout;
  left->addWidget(family_);
  left->addWidget(variant_);
  left->addStretch(1);
  left->addWidget(scisle_);
  left->addWidget(wpis_);
  left->addWidget(goraca_);

  auto* columns = new QHBoxLayout;
  columns->addLayout(left, 1);
  columns->addSpacing(8);
  columns->addLayout(dims);
  auto* page = new QVBoxLayout(this);
  page->setContentsMargins(8, 6, 8, 6);
  page->addWidget(heading);
  page->addLayout(columns, 1);

  Show();
}

int TabProste::family() const { return std::max(family_->itemIndex(), 0); }

int TabProste::variant() const {
  return variant_->isHidden() ? 0 : std::max(variant_->itemIndex(), 0);
}

int TabProste::EditOfText(int text) const {
  const int f = family(), v = variant();
  // which edit fills selection texts 1..8; only edits shown are copied, the others leave
  // their texts empty
  constexpr int no = -1;
  static constexpr int kTexts[10][8] = {
      {H, T, no, no, no, no, no, no},  // H, B
      {H, T, no, no, no, no, no, no},  // D, or the ellipse's width and height
      {H, T, S, no, Gg, no, no, no},   // tubes: the elliptic one's wall in text 5
      {H, T, S, no, no, no, no, no},   // R, t, angle
      {H, T, S, W, Gg, Gd, Lg, Ld},   {H, T, S, W, Gg, Gd, Lg, Ld},
      {S, Gd, W, Lg, Gg, no, no, no},  // H, tw, B, the inset, tf
      {S, Gd, W, no, Gg, no, no, no}, {H, T, S, W, Gg, Gd, Lg, Ld},
      {H, T, S, no, Gg, no, no, no},
  };
  int e = kTexts[f][text];
  // the bisymmetric box has one spacing, in text 7
  if (f == kSkrzynka && v == 0) e = text == 6 ? Gd : text == 5 ? no : e;
  // the round pipe's EditGg is the corner count, a setting rather than a text
  if (e == Gg && cornersShown()) e = no;
  return e != no && !edits_[e]->isHidden() ? e : no;
}

bool TabProste::Choice(TabChoice& choice) {
  choice = TabChoice{};
  FillTexts(choice.selection);
  choice.exactFormulas = scisle_->isChecked();
  if (cornersShown()) choice.corners = static_cast<int>(std::lround(edits_[Gg]->value()));
  if (variableDepth()) choice.gradient = gradient_->value();
  choice.hotFinished = BoxPipe(family(), variant()) && goraca_->isChecked();
  return true;
}

void TabProste::SetChoice(const TabChoice& choice) {
  const Selection& s = choice.selection;
  family_->setItemIndex(s.sub);
  FillVariants();
  if (!variant_->isHidden()) variant_->setItemIndex(s.variant);
  Arrange();
  scisle_->setChecked(choice.exactFormulas);
  if (BoxPipe(s.sub, s.variant)) goraca_->setChecked(choice.hotFinished);
  ArrangeCorners();
  if (cornersShown()) edits_[Gg]->setText(QString::number(choice.corners));
  for (int i = 0; i < 8; ++i)
    if (const int e = EditOfText(i); e >= 0 && !s.texts[i].empty())
      edits_[e]->setText(QString::fromStdString(s.texts[i]));
  // a member of variable depth kept its gradient
  zmienny_->setChecked(choice.gradient > 0 && zmienny_->isVisibleTo(this));
  if (zmienny_->isChecked()) gradient_->setValue(choice.gradient);
  ArrangeVariableDepth();
}

void TabProste::Show() {
  family_->setItemIndex(kProstokat);
  FillVariants();
  Arrange();
}

void TabProste::RadioGroupProsteClick() {
  FillVariants();
  Arrange();
  if (family() > kLuk) emit doZapisu();
  emit przelicz();
}

void TabProste::RadioGroupProsteTypClick() {
  Arrange();
  emit przelicz();
}

void TabProste::FillVariants() {
  const Variants v = FamilyVariants(family());
  variant_->setTitle(v.caption);
  variant_->setItems(v.items);
  variant_->setVisible(!v.items.isEmpty());
}

void TabProste::Arrange() {
  const int f = family(), v = variant();
  const Fields fields = FamilyFields(f, v);
  for (int i = 0; i < kWymiary; ++i) {
    const bool shown = fields[i].caption != nullptr;
    captions_[i]->setVisible(shown);
    edits_[i]->setVisible(shown);
    if (!shown) continue;
    captions_[i]->setText(QString::fromUtf8(fields[i].caption));
    edits_[i]->setText(QString::fromUtf8(fields[i].text));
    EditRule rule;  // millimetres, steps of 1, never below 1
    if (f == kLuk && i == S) {
      rule.unit = "°";
      rule.maximum = 180;
    }
    if ((i == Lg || i == Ld) && v >= 2) rule.minimum = 0;  // haunches may be left out
    if (BoxPipe(f, v) && i == Gg) rule = {.minimum = 0, .bendRadius = true};
    edits_[i]->setRule(rule);
  }
  const bool round = (f == kOkragly || f == kRura) && v == 0;
  scisle_->setVisible(round);
  goraca_->setVisible(f == kRura && v != 1);
  ArrangeCorners();
  ArrangeVariableDepth();
  ResetPosition();
}

bool TabProste::cornersShown() const { return !scisle_->isHidden() && !scisle_->isChecked(); }

void TabProste::ArrangeCorners() {
  const bool corners = cornersShown();
  wpis_->setVisible(corners);
  if (scisle_->isHidden()) return;
  captions_[Gg]->setVisible(corners);
  edits_[Gg]->setVisible(corners);
  if (!corners) return;
  captions_[Gg]->setText("Liczba narożników");
  edits_[Gg]->setRule({.unit = "", .step = 1, .minimum = 3, .maximum = 36, .integer = true});
  edits_[Gg]->setText(QString::number(kDefaultCorners));
}

void TabProste::ArrangeVariableDepth() {
  const int f = family(), v = variant();
  const bool offered = depthAllowed_ && DepthVariationOffered(f, v);
  const bool diameter = (f == kOkragly || f == kRura) && v == 0;
  zmienny_->setText(diameter ? "Zmienna średnica" : "Zmienna wysokość");
  zmienny_->setVisible(offered);
  const bool on = offered && zmienny_->isChecked();
  for (QWidget* w : {static_cast<QWidget*>(gradientCaption_), static_cast<QWidget*>(gradient_),
                     static_cast<QWidget*>(positionCaption_), static_cast<QWidget*>(position_)})
    w->setVisible(on);
}

void TabProste::CheckBoxScisleClick() {
  ArrangeCorners();
  ResetPosition();
  emit przelicz();
}

void TabProste::CheckBoxZmiennyClick() {
  ArrangeVariableDepth();
  emit przelicz();
}

void TabProste::EditKeyPress(Wymiar e) {
  CapInset(e);
  emit entered();
}

void TabProste::UpDownClick(Wymiar e) {
  CapInset(e);
  emit przelicz();
}

void TabProste::CapInset(Wymiar changed) {
  if (family() != kCeownik || (changed != W && changed != Lg && changed != Gd)) return;
  // not below 0: a web wider than the flanges leaves the generator to refuse the channel
  const double cap = std::max(edits_[W]->value() - edits_[Gd]->value(), 0.0);
  const double inset = std::min(edits_[Lg]->value(), cap);
  edits_[Lg]->setText(QString::fromStdString(FormatWymiaru(0, 0, 0, inset)) + " mm");
}

void TabProste::FillTexts(Selection& s) const {
  const int f = family(), v = variant();
  s.kind = 4;
  s.sub = f;
  const bool withVariants =
      f == kOkragly || f == kRura || f == kDwuteownik || f == kSkrzynka || f == kKrzyz;
  s.variant = withVariants ? v : 0;
  for (int i = 0; i < 8; ++i) {
    const int e = EditOfText(i);
    s.setText(i, e >= 0 ? edits_[e]->text().toStdString() : std::string());
  }
}

void TabProste::FillSelection(Selection& s) {
  FillTexts(s);
  if (variableDepth()) ZmiennaWysokosc(s, gradient_->value(), position_->value());
}

void TabProste::FillSettings(GeneratorSettings& g) const {
  g.exactFormulas = scisle_->isChecked();
  g.corners = cornersShown() ? static_cast<int>(std::lround(edits_[Gg]->value())) : kDefaultCorners;
  g.hotRolledPipe = !goraca_->isHidden() && goraca_->isChecked();
}

bool TabProste::scisleVisible() const { return !scisle_->isHidden(); }

double TabProste::depthGradient() const { return gradient_->value(); }

bool TabProste::variableDepth() const { return !zmienny_->isHidden() && zmienny_->isChecked(); }

void TabProste::ResetPosition() { position_->setText("0 m"); }

void TabProste::setVariableDepthAllowed(bool allowed) {
  depthAllowed_ = allowed;
  ArrangeVariableDepth();
}

}  // namespace tarvik::ui
