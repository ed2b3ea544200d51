#include "ui/main/form_dodaj.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <cmath>
#include <limits>

#include "engine/numbers.h"
#include "ui/main/dialog_buttons.h"
#include "ui/main/numeric_edit.h"

namespace tarvik::ui {

QString TekstWspolrzednej(double value) {
  if (std::abs(value) < 1e-7) return "0 mm";
  return QString::fromStdString(FormatWymiaru(0, 0, 0, value)) + " mm";
}

TFormDodaj::TFormDodaj(const DodajPytanie& question, QWidget* parent) : QDialog(parent) {
  setObjectName("TFormDodaj");
  setWindowTitle(question.tytul);
  setAttribute(Qt::WA_WindowPropagation);  // the main window's colour

  auto* label = new QLabel(question.podpis, this);
  label->setObjectName("LabelWartosc");
  edit_ = new DimensionEdit("Wartosc", this);
  EditRule rule;
  rule.signedMode = true;
  rule.step = 1;
  rule.minimum = -std::numeric_limits<double>::infinity();
  edit_->setRule(rule);
  edit_->edit()->setMinimumWidth(120);
  edit_->edit()->setAccessibleName(question.tytul);
  label->setBuddy(edit_->edit());
  edit_->setText(TekstWspolrzednej(question.wartosc));
  connect(edit_->edit(), &QLineEdit::editingFinished, this,
          [this] { edit_->setText(TekstWspolrzednej(edit_->value())); });

  const OkAnuluj buttons = PrzyciskiOkAnuluj(this);
  ok_ = buttons.ok;
  QPushButton* cancel = buttons.cancel;
  connect(edit_, &DimensionEdit::confirmed, this, [this] { ok_->setFocus(); });

  auto* grid = new QGridLayout(this);
  grid->addWidget(label, 0, 0);
  grid->addWidget(edit_, 0, 1);
  grid->addWidget(ok_, 1, 0);
  grid->addWidget(cancel, 1, 1, Qt::AlignRight);
  if (question.pos) move(*question.pos);
  setMinimumWidth(fontMetrics().horizontalAdvance(question.tytul) + 120);
}

double TFormDodaj::wartosc() const { return edit_->value(); }

void TFormDodaj::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  edit_->edit()->setFocus();
  edit_->edit()->selectAll();
}

DodajOdpowiedz TFormDodaj::Wartosc(const DodajPytanie& question, QWidget* parent) {
  TFormDodaj dialog(question, parent);
  DodajOdpowiedz answer;
  answer.ok = dialog.exec() == QDialog::Accepted;
  answer.wartosc = dialog.wartosc();
  answer.pos = dialog.pos();
  return answer;
}

TFormDodaj::~TFormDodaj() { OdlaczEdycje(this); }

}  // namespace tarvik::ui
