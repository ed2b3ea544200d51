#include "ui/main/form_wpisz.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <cmath>
#include <limits>

#include "engine/numbers.h"
#include "ui/main/dialog_buttons.h"
#include "ui/main/numeric_edit.h"
#include "ui/main/radio_group.h"

namespace tarvik::ui {
namespace {

void Wpisz(DimensionEdit* edit, double value) {
  const QString number =
      std::abs(value) < 1e-7 ? QString("0") : QString::fromStdString(FormatWymiaru(0, 0, 0, value));
  edit->setText(number + edit->rule().unit);
}

}  // namespace

TFormWpisz::TFormWpisz(const WpiszPytanie& question, QWidget* parent)
    : QDialog(parent), klik_(question.klik), poprzedni_(question.poprzedni) {
  setObjectName("TFormWpisz");
  setWindowTitle("Współrzędne punktów konturu");
  setAttribute(Qt::WA_WindowPropagation);  // the main window's colour

  sposob_ = new RadioGroup("RadioGroupSposob", " Sposób ", {"Główny", "Względny"}, 1, this);
  uklad_ = new RadioGroup("RadioGroupUklad", " Układ ", {"X - 0 - Y", "Biegunowy"}, 1, this);
  sposob_->setItemIndex(question.wybor.sposob == kWzgledny ? 1 : 0);
  uklad_->setItemIndex(question.wybor.uklad == kBiegunowy ? 1 : 0);
  connect(sposob_, &RadioGroup::clicked, this, &TFormWpisz::Wypelnij);
  connect(uklad_, &RadioGroup::clicked, this, &TFormWpisz::Wypelnij);

  labelX_ = new QLabel(this);
  labelX_->setObjectName("LabelX");
  labelY_ = new QLabel(this);
  labelY_->setObjectName("LabelY");
  x_ = new DimensionEdit("X", this);
  y_ = new DimensionEdit("Y", this);
  labelX_->setBuddy(x_->edit());
  labelY_->setBuddy(y_->edit());
  auto* zeroX = new QToolButton(this);
  zeroX->setObjectName("SpeedButtonX");
  auto* zeroY = new QToolButton(this);
  zeroY->setObjectName("SpeedButtonY");
  for (QToolButton* b : {zeroX, zeroY}) {
    b->setText("Zerowanie");
    b->setFocusPolicy(Qt::NoFocus);
  }
  zeroX->setAccessibleName("Zerowanie pierwszej wartości");
  zeroY->setAccessibleName("Zerowanie drugiej wartości");
  connect(zeroX, &QToolButton::clicked, this, &TFormWpisz::SpeedButtonXClick);
  connect(zeroY, &QToolButton::clicked, this, &TFormWpisz::SpeedButtonYClick);

  const OkAnuluj buttons = PrzyciskiOkAnuluj(this);
  ok_ = buttons.ok;
  QPushButton* cancel = buttons.cancel;

  for (DimensionEdit* e : {x_, y_}) {
    e->upDown()->hide();  // typed values, no steps
    e->edit()->setMinimumWidth(120);
    // leaving an edit shows its value with the unit again
    connect(e->edit(), &QLineEdit::editingFinished, this, [e] { Wpisz(e, e->value()); });
  }
  connect(x_, &DimensionEdit::confirmed, this, [this] {
    y_->edit()->setFocus();
    y_->edit()->selectAll();
  });
  connect(y_, &DimensionEdit::confirmed, this, [this] { ok_->setFocus(); });

  auto* grid = new QGridLayout(this);
  grid->addWidget(sposob_, 0, 0, 1, 2);
  grid->addWidget(uklad_, 0, 2);
  grid->addWidget(labelX_, 1, 0);
  grid->addWidget(x_, 1, 1);
  grid->addWidget(zeroX, 1, 2);
  grid->addWidget(labelY_, 2, 0);
  grid->addWidget(y_, 2, 1);
  grid->addWidget(zeroY, 2, 2);
  grid->addWidget(ok_, 3, 0, 1, 2, Qt::AlignLeft);
  grid->addWidget(cancel, 3, 2, Qt::AlignRight);
  Wypelnij();
  if (question.pos) move(*question.pos);
  setFixedSize(sizeHint());
}

WyborPunktu TFormWpisz::wybor() const {
  return {sposob_->itemIndex() == 1 ? kWzgledny : kGlowny,
          uklad_->itemIndex() == 1 ? kBiegunowy : kKartezjanski};
}

Point TFormWpisz::punkt() const {
  return PunktZWartosci(wybor(), {x_->value(), y_->value()}, poprzedni_);
}

void TFormWpisz::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  x_->edit()->setFocus();
  x_->edit()->selectAll();
}

void TFormWpisz::Wypelnij() {
  const WyborPunktu w = wybor();
  const bool relative = w.sposob == kWzgledny, polar = w.uklad == kBiegunowy;
  const QString d = relative ? "d" : "";
  labelX_->setText(d + (polar ? "R" : "X"));
  labelY_->setText(polar ? QString("Kąt") : d + "Y");
  EditRule length;
  length.signedMode = true;
  length.minimum = -std::numeric_limits<double>::infinity();
  EditRule angle = length;
  angle.unit = "°";
  x_->setRule(length);
  y_->setRule(polar ? angle : length);
  x_->edit()->setAccessibleName(labelX_->text());
  y_->edit()->setAccessibleName(labelY_->text());
  const WartosciPunktu v = WartosciZPozycji(w, klik_, poprzedni_);
  Wpisz(x_, v.v1);
  Wpisz(y_, v.v2);
}

void TFormWpisz::SpeedButtonXClick() { Wpisz(x_, 0); }

void TFormWpisz::SpeedButtonYClick() { Wpisz(y_, 0); }

WpiszOdpowiedz TFormWpisz::Punkt(const WpiszPytanie& question, QWidget* parent) {
  TFormWpisz dialog(question, parent);
  WpiszOdpowiedz answer;
  answer.ok = dialog.exec() == QDialog::Accepted;
  answer.punkt = dialog.punkt();
  answer.wybor = dialog.wybor();
  answer.pos = dialog.pos();
  return answer;
}

TFormWpisz::~TFormWpisz() { OdlaczEdycje(this); }

}  // namespace tarvik::ui
