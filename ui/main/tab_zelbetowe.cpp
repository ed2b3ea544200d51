#include "ui/main/tab_zelbetowe.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

#include "generators/concrete.h"
#include "generators/parametric.h"
#include "ui/main/numeric_edit.h"
#include "ui/main/radio_group.h"

namespace tarvik::ui {
namespace {

// one dimension edit of a shape: its caption and default text; no caption, no edit
struct Field {
  const char* caption = nullptr;
  const char* text = nullptr;
};
// in the order of the edits Bz, Hz, Gz, Hgz, Dz, Hdz, Sgz, Sdz
using Fields = std::array<Field, 8>;

Fields ShapeFields(int shape) {
  switch (shape) {
    case kZbProstokatny:
      return {{{"Szerokość", "30 cm"}, {"Wysokość", "40 cm"}}};
    case kZbKwadratowy:
      return {{{"Bok", "30 cm"}}};
    case kZbOkragly:
      return {{{"Średnica", "40 cm"}}};
    default:
      break;
  }
  // the T and I shapes: the web 80 cm high, so that both flanges and both haunches of the
  // defaults leave it a height of its own
  Fields f{{{"Szerokość środnika", "30 cm"}, {"Wysokość", "80 cm"}}};
  if (shape == kZbTeowyGorny) {
    f[TabZelbetowe::Gz] = {"Szerokość półki", "60 cm"};
    f[TabZelbetowe::Hgz] = {"Wysokość półki", "20 cm"};
  } else if (shape == kZbTeowyDolny) {
    f[TabZelbetowe::Dz] = {"Szerokość półki", "80 cm"};
    f[TabZelbetowe::Hdz] = {"Wysokość półki", "20 cm"};
  } else {
    f[TabZelbetowe::Gz] = {"Szer.górnej półki", "60 cm"};
    f[TabZelbetowe::Hgz] = {"Wys.górnej półki", "20 cm"};
    f[TabZelbetowe::Dz] = {"Szer.dolnej półki", "80 cm"};
    f[TabZelbetowe::Hdz] = {"Wys.dolnej półki", "20 cm"};
    if (shape == kZbDwuteowy2) {
      f[TabZelbetowe::Sgz] = {"Skos górnej półki", "10 cm"};
      f[TabZelbetowe::Sdz] = {"Skos dolnej półki", "10 cm"};
    }
  }
  return f;
}

constexpr const char* kStart = "0 m";

}  // namespace

TabZelbetowe::TabZelbetowe(QWidget* parent) : TabPage(parent) {
  setObjectName("TabSheetZelbet");
  QLabel* heading = Naglowek("Przekroje żelbetowe", "LabelZelbet");

  shape_ = new RadioGroup("RadioGroupZelbet", "",
                          {"Prostokątny", "Kwadratowy", "Okrągły", "Teowy górny", "Teowy dolny",
                           "Dwuteowy", "Dwuteowy 2"},
                          1, this);
  shape_->setAccessibleName(heading->text());
  shape_->setItemIndex(kZbProstokatny);
  connect(shape_, &RadioGroup::clicked, this, &TabZelbetowe::RadioGroupZelbetClick);

  auto* dims = new QGridLayout;
  dims->setVerticalSpacing(3);
  static const char* const kNames[kWymiary] = {"Bz", "Hz", "Gz", "Hgz", "Dz", "Hdz", "Sgz", "Sdz"};
  for (int i = 0; i < kWymiary; ++i) {
    captions_[i] = new QLabel(this);
    captions_[i]->setObjectName(QString("Label") + kNames[i]);
    edits_[i] = new DimensionEdit(kNames[i], this);
    edits_[i]->setFixedWidth(100);
    captions_[i]->setBuddy(edits_[i]->edit());
    dims->addWidget(captions_[i], i, 0);
    dims->addWidget(edits_[i], i, 1);
    connect(edits_[i], &DimensionEdit::confirmed, this, &TabPage::entered);
    connect(edits_[i], &DimensionEdit::stepped, this, &TabPage::przelicz);
  }

  // the member of variable height: the rate and the position along the member; Enter in
  // either recomputes and leaves the focus there, for the next position
  zmienny_ = new QCheckBox("Zmienna wysokość", this);
  zmienny_->setObjectName("CheckBoxZmiennyZelb");
  connect(zmienny_, &QCheckBox::clicked, this, &TabZelbetowe::CheckBoxZmiennyZelbClick);
  rateCaption_ = new QLabel("Przyrost na metr", this);
  rateCaption_->setObjectName("LabelZmianaZelb");
  rate_ = new DimensionEdit("ZmianaZelb", this);
  rate_->setRule({.unit = " cm/m", .step = 1, .minimum = 0});
  rate_->setText("10 cm/m");
  positionCaption_ = new QLabel("Odległość od początku", this);
  positionCaption_->setObjectName("LabelOdlZelb");
  position_ = new DimensionEdit("OdlZelb", this);
  position_->setRule({.unit = " m", .step = 0.1, .minimum = 0});
  for (DimensionEdit* d : {rate_, position_}) {
    d->setFixedWidth(100);
    connect(d, &DimensionEdit::confirmed, this, &TabPage::przelicz);
    connect(d, &DimensionEdit::stepped, this, &TabPage::przelicz);
  }
  rateCaption_->setBuddy(rate_->edit());
  positionCaption_->setBuddy(position_->edit());
  // the edits stay where they are when the longest caption comes and goes with the box
  dims->setColumnMinimumWidth(0, positionCaption_->sizeHint().width());
  // the height rows sit at the bottom, where they stay whatever the shape shows above them
  dims->addItem(new QSpacerItem(0, 0, QSizePolicy::Minimum, QSizePolicy::Expanding), kWymiary, 0);
  dims->addWidget(zmienny_, kWymiary + 1, 0, 1, 2);
  dims->addWidget(rateCaption_, kWymiary + 2, 0);
  dims->addWidget(rate_, kWymiary + 2, 1);
  dims->addWidget(positionCaption_, kWymiary + 3, 0);
  dims->addWidget(position_, kWymiary + 3, 1);

  auto* left = new QVBoxLayout;
  left->addWidget(shape_);
  left->addStretch(1);
  auto* columns = new QHBoxLayout;
  columns->addLayout(left, 1);
  columns->addSpacing(8);
  columns->addLayout(dims);
  auto* page = new QVBoxLayout(this);
  page->setContentsMargins(8, 6, 8, 6);
  page->addWidget(heading);
  page->addLayout(columns, 1);

  Arrange();
}

int TabZelbetowe::shape() const { return std::max(shape_->itemIndex(), 0); }

void TabZelbetowe::Show() {}

void TabZelbetowe::RadioGroupZelbetClick() {
  Arrange();
  emit przelicz();
}

void TabZelbetowe::CheckBoxZmiennyZelbClick() {
  ArrangeVariableHeight();
  emit przelicz();
}

void TabZelbetowe::Arrange() {
  const Fields fields = ShapeFields(shape());
  for (int i = 0; i < kWymiary; ++i) {
    const bool shown = fields[i].caption != nullptr;
    captions_[i]->setVisible(shown);
    edits_[i]->setVisible(shown);
    if (!shown) continue;
    captions_[i]->setText(QString::fromUtf8(fields[i].caption));
    edits_[i]->setText(QString::fromUtf8(fields[i].text));
    // the web (the side, the diameter) never below 1 cm; flanges and haunches may go
    edits_[i]->setRule({.unit = " cm", .step = 1, .minimum = i == Bz || i == Hz ? 1.0 : 0.0});
  }
  ArrangeVariableHeight();
  ResetPosition();
}

void TabZelbetowe::ArrangeVariableHeight() {
  zmienny_->setText(shape() == kZbOkragly ? "Zmienna średnica" : "Zmienna wysokość");
  const bool on = variableHeight();
  for (QWidget* w : {static_cast<QWidget*>(rateCaption_), static_cast<QWidget*>(rate_),
                     static_cast<QWidget*>(positionCaption_), static_cast<QWidget*>(position_)})
    w->setVisible(on);
}

int TabZelbetowe::EditOfText(int place) const {
  const int s = shape();
  const bool side = s == kZbKwadratowy || s == kZbOkragly;  // one dimension: text 1
  int e = -1;
  switch (place) {
    case kZbHeight:
      e = side ? Bz : Hz;
      break;
    case kZbWidth:
      e = s == kZbOkragly ? -1 : Bz;  // the square's side both ways
      break;
    case kZbTopWidth:
      e = Gz;
      break;
    case kZbTopHeight:
      e = Hgz;
      break;
    case kZbBottomWidth:
      e = Dz;
      break;
    case kZbBottomHeight:
      e = Hdz;
      break;
    case kZbHaunchTop:
      e = Sgz;
      break;
    case kZbHaunchBottom:
      e = Sdz;
      break;
    default:
      break;
  }
  return e >= 0 && !edits_[e]->isHidden() ? e : -1;
}

void TabZelbetowe::FillTexts(Selection& s) const {
  s = Selection{};
  s.kind = kZelbetowe;
  s.sub = shape();
  for (int i = 0; i < kWymiary; ++i) {
    const int e = EditOfText(i);
    s.setText(i, e >= 0 ? edits_[e]->text().toStdString() : std::string());
  }
}

void TabZelbetowe::FillSelection(Selection& s) {
  FillTexts(s);
  // the rate is cm/m; the gradient mm/m
  if (variableHeight()) ZmiennaWysokosc(s, rate_->value() * 10, position_->value());
}

bool TabZelbetowe::Choice(TabChoice& choice) {
  choice = TabChoice{};
  FillTexts(choice.selection);
  if (variableHeight()) choice.gradient = rate_->value() * 10;
  reported_ = Reported{choice.selection, choice.gradient, position_->text()};
  return true;
}

void TabZelbetowe::SetChoice(const TabChoice& choice) {
  const Selection& s = choice.selection;
  const bool same =
      reported_ && reported_->selection == s && reported_->gradient == choice.gradient;
  const QString position = same ? reported_->position : QString(kStart);
  if (s.sub >= 0 && s.sub < kConcreteShapes) shape_->setItemIndex(s.sub);
  Arrange();
  // from the last place to the first: the square's side is text 1, whatever text 2 says
  for (int i = kWymiary - 1; i >= 0; --i)
    if (const int e = EditOfText(i); e >= 0 && !s.texts[i].empty())
      edits_[e]->setText(QString::fromStdString(s.texts[i]));
  zmienny_->setChecked(choice.gradient > 0);
  if (zmienny_->isChecked()) rate_->setValue(choice.gradient / 10);
  ArrangeVariableHeight();
  position_->setText(position);
}

bool TabZelbetowe::variableHeight() const { return !zmienny_->isHidden() && zmienny_->isChecked(); }

void TabZelbetowe::ResetPosition() { position_->setText(kStart); }

}  // namespace tarvik::ui
