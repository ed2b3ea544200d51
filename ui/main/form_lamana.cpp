#include "ui/main/form_lamana.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "engine/numbers.h"
#include "generators/arbitrary_points.h"
#include "ui/main/dialog_buttons.h"
#include "ui/main/numeric_edit.h"

namespace tarvik::ui {
namespace {

void Wpisz(DimensionEdit* edit, double value) {
  edit->setText(QString::fromStdString(FormatWymiaru(0, 0, 0, value)) + " mm");
}

// an empty or zero entry means 1 mm
double Wartosc(const DimensionEdit* edit) { return edit->value() > 0 ? edit->value() : 1; }

}  // namespace

TFormLamana::TFormLamana(const LamanaPytanie& question, QWidget* parent) : QDialog(parent) {
  setObjectName("TFormLamana");
  setWindowTitle("Wielokąt");
  setAttribute(Qt::WA_WindowPropagation);  // the main window's colour

  auto* wysokosc = new QLabel("Wysokość", this);
  wysokosc->setObjectName("LabelWysokosc");
  auto* obszaru = new QLabel("obszaru", this);
  obszaru->setObjectName("LabelObszaru");
  zakres_ = new DimensionEdit("Zakres", this);
  zakres_->edit()->setAccessibleName("Wysokość obszaru");
  wysokosc->setBuddy(zakres_->edit());
  auto* oczkoLabel = new QLabel("Oczko siatki", this);
  oczkoLabel->setObjectName("LabelOczko");
  oczko_ = new DimensionEdit("Oczko", this);
  oczko_->edit()->setAccessibleName("Oczko siatki");
  oczkoLabel->setBuddy(oczko_->edit());
  for (DimensionEdit* e : {zakres_, oczko_}) {
    EditRule rule;
    rule.minimum = 0;
    e->setRule(rule);
    e->edit()->setMinimumWidth(110);
    for (QToolButton* b : {e->up(), e->down()}) disconnect(b, nullptr, e, nullptr);
    connect(e->up(), &QToolButton::clicked, this, [this, e] { Krok(e, +1); });
    connect(e->down(), &QToolButton::clicked, this, [this, e] { Krok(e, -1); });
    connect(e->edit(), &QLineEdit::editingFinished, this, &TFormLamana::Zmiana);
  }
  Wpisz(zakres_, question.zakres);
  Wpisz(oczko_, question.oczko);
  siatka_ = new QCheckBox("Siatka", this);
  siatka_->setObjectName("CheckBoxSiatka");
  siatka_->setChecked(true);

  const OkAnuluj buttons = PrzyciskiOkAnuluj(this);
  ok_ = buttons.ok;
  QPushButton* cancel = buttons.cancel;
  connect(zakres_, &DimensionEdit::confirmed, this, &TFormLamana::EditZakresEnter);
  connect(oczko_, &DimensionEdit::confirmed, this, [this] {
    Zmiana();
    ok_->setFocus();
  });

  // "Wysokość" over "obszaru", the two lines together beside the range
  auto* caption = new QVBoxLayout;
  caption->setSpacing(0);
  caption->addWidget(wysokosc);
  caption->addWidget(obszaru);
  auto* grid = new QGridLayout(this);
  grid->addLayout(caption, 0, 0);
  grid->addWidget(zakres_, 0, 1, Qt::AlignVCenter);
  grid->addWidget(oczkoLabel, 1, 0);
  grid->addWidget(oczko_, 1, 1);
  grid->addWidget(siatka_, 2, 1);
  grid->addWidget(ok_, 3, 0);
  grid->addWidget(cancel, 3, 1, Qt::AlignRight);
  if (question.pos) move(*question.pos);
  Zmiana();
  setFixedSize(sizeHint());
}

void TFormLamana::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  zakres_->edit()->setFocus();
  zakres_->edit()->selectAll();
}

void TFormLamana::Zmiana() {
  const double range = Wartosc(zakres_);
  Wpisz(zakres_, range);
  Wpisz(oczko_, OczkoSiatki(range, Wartosc(oczko_)));
}

// Enter in the range: on to the grid step when the grid is on, else to OK
void TFormLamana::EditZakresEnter() {
  Zmiana();
  if (siatka_->isChecked()) {
    oczko_->edit()->setFocus();
    oczko_->edit()->selectAll();
  } else {
    ok_->setFocus();
  }
}

void TFormLamana::Krok(DimensionEdit* edit, int direction) {
  const double v = edit->value();
  Wpisz(edit, edit == zakres_ ? KrokZakresu(v, direction) : KrokOczka(v, direction));
  Zmiana();
}

LamanaOdpowiedz TFormLamana::odpowiedz() const {
  return {false, Wartosc(zakres_), Wartosc(oczko_), siatka_->isChecked(), pos()};
}

LamanaOdpowiedz TFormLamana::Ustawienia(const LamanaPytanie& question, QWidget* parent) {
  TFormLamana dialog(question, parent);
  const bool ok = dialog.exec() == QDialog::Accepted;
  LamanaOdpowiedz answer = dialog.odpowiedz();
  answer.ok = ok;
  return answer;
}

TFormLamana::~TFormLamana() { OdlaczEdycje(this); }

}  // namespace tarvik::ui
