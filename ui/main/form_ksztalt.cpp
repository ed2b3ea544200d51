#include "ui/main/form_ksztalt.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <algorithm>

#include "engine/numbers.h"
#include "generators/arbitrary_points.h"
#include "ui/main/dialog_buttons.h"
#include "ui/main/numeric_edit.h"

namespace tarvik::ui {

FormKsztalt::FormKsztalt(const QString& objectName, const QString& title,
                         const std::optional<QPoint>& pos, QWidget* parent)
    : QDialog(parent), grid_(new QGridLayout(this)) {
  setObjectName(objectName);
  setWindowTitle(title);
  setAttribute(Qt::WA_WindowPropagation);  // the main window's colour
  if (pos) move(*pos);
}

DimensionEdit* FormKsztalt::Pole(const QString& name, const QString& caption, bool angle,
                                 double value) {
  const int row = static_cast<int>(pola_.size());
  auto* label = new QLabel(caption, this);
  label->setObjectName("Label" + name);
  auto* edit = new DimensionEdit(name, this);
  EditRule rule;
  rule.unit = angle ? "°" : " mm";
  rule.minimum = 0;
  edit->setRule(rule);
  edit->edit()->setMinimumWidth(110);
  label->setBuddy(edit->edit());
  edit->edit()->setAccessibleName(caption);
  Wpisz(edit, value);
  // the steps of the shape dialogs, not the edit's own
  for (QToolButton* b : {edit->up(), edit->down()}) disconnect(b, nullptr, edit, nullptr);
  connect(edit->up(), &QToolButton::clicked, this, [this, edit] { Krok(edit, +1); });
  connect(edit->down(), &QToolButton::clicked, this, [this, edit] { Krok(edit, -1); });
  connect(edit, &DimensionEdit::confirmed, this, [this, edit] { Enter(edit); });
  connect(edit->edit(), &QLineEdit::editingFinished, this, [this, edit] { Opuszczenie(edit); });
  grid_->addWidget(label, row, 0);
  grid_->addWidget(edit, row, 1);
  pola_.push_back(edit);
  podpisy_.push_back(label);
  return edit;
}

void FormKsztalt::Przyciski() {
  const OkAnuluj buttons = PrzyciskiOkAnuluj(this);
  ok_ = buttons.ok;
  QPushButton* cancel = buttons.cancel;
  const int row = static_cast<int>(pola_.size()) + 1;
  grid_->setRowMinimumHeight(row - 1, 4);
  grid_->addWidget(ok_, row, 0);
  grid_->addWidget(cancel, row, 1, Qt::AlignRight);
  setFixedSize(sizeHint());
}

void FormKsztalt::Pokaz(DimensionEdit* edit, bool shown) {
  for (size_t i = 0; i < pola_.size(); ++i)
    if (pola_[i] == edit) {
      pola_[i]->setVisible(shown);
      podpisy_[i]->setVisible(shown);
    }
}

void FormKsztalt::Wpisz(DimensionEdit* edit, double value) {
  edit->setText(QString::fromStdString(TekstWymiaru(value, edit->rule().unit == "°")));
}

void FormKsztalt::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  for (DimensionEdit* edit : pola_)
    if (edit->isVisibleTo(this) && edit->isEnabled()) {
      edit->edit()->setFocus();
      edit->edit()->selectAll();
      return;
    }
}

// the edit has normalised the text; nothing or zero means 1
void FormKsztalt::Enter(DimensionEdit* edit) {
  if (!(edit->value() > 0)) Wpisz(edit, 1);
  Zmiana(edit);
  auto at = std::find(pola_.begin(), pola_.end(), edit);
  for (auto next = at + 1; next < pola_.end(); ++next)
    if ((*next)->isVisibleTo(this) && (*next)->isEnabled()) {
      (*next)->edit()->setFocus();
      (*next)->edit()->selectAll();
      return;
    }
  if (ok_) ok_->setFocus();
}

// leaving an edit confirms it as Enter would, without moving on
void FormKsztalt::Opuszczenie(DimensionEdit* edit) {
  const double v = edit->value();
  Wpisz(edit, v > 0 ? v : 1);
  Zmiana(edit);
}

void FormKsztalt::Krok(DimensionEdit* edit, int direction) {
  Wpisz(edit, KrokKsztaltu(edit->value(), direction));
  Zmiana(edit);
}

KsztaltOdpowiedz FormKsztalt::Wykonaj(const OstatnieKsztalty& last) {
  KsztaltOdpowiedz answer;
  answer.ostatnie = last;
  answer.ok = exec() == QDialog::Accepted;
  answer.ksztalt = ksztalt();
  if (answer.ok) Zapamietaj(answer.ostatnie);
  answer.pos = pos();
  return answer;
}

FormKsztalt::~FormKsztalt() { OdlaczEdycje(this); }

}  // namespace tarvik::ui
