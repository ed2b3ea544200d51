#include "ui/main/numeric_edit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "engine/numbers.h"

namespace tarvik::ui {

bool FiltrKlawisza(bool signedMode, int key, const QString& text) {
  if (key == Qt::Key_Backspace || key == Qt::Key_Return || key == Qt::Key_Enter) return true;
  // navigation and editing keys that type nothing are the edit's own business
  if (text.isEmpty() || !text.at(0).isPrint()) return true;
  if (text.size() != 1) return false;
  const QChar c = text.at(0);
  return (c >= '0' && c <= '9') || c == ',' || c == '.' || (signedMode && c == '-');
}

DimensionEdit::DimensionEdit(const QString& name, QWidget* parent)
    : QWidget(parent),
      edit_(new QLineEdit(this)),
      upDown_(new QWidget(this)),
      up_(new QToolButton(upDown_)),
      down_(new QToolButton(upDown_)) {
  setObjectName("Panel" + name);
  edit_->setObjectName("Edit" + name);
  upDown_->setObjectName("UpDown" + name);
  up_->setObjectName("UpDown" + name + "Up");
  down_->setObjectName("UpDown" + name + "Down");
  up_->setArrowType(Qt::UpArrow);
  down_->setArrowType(Qt::DownArrow);
  up_->setAccessibleName("Więcej");
  down_->setAccessibleName("Mniej");
  for (QToolButton* b : {up_, down_}) {
    b->setFixedSize(18, 11);
    b->setFocusPolicy(Qt::NoFocus);
  }
  auto* arrows = new QVBoxLayout(upDown_);
  arrows->setContentsMargins(0, 0, 0, 0);
  arrows->setSpacing(0);
  arrows->addWidget(up_);
  arrows->addWidget(down_);
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(1);
  row->addWidget(edit_, 1);
  row->addWidget(upDown_);
  edit_->installEventFilter(this);
  setFocusProxy(edit_);
  connect(up_, &QToolButton::clicked, this, [this] { Step(+1); });
  connect(down_, &QToolButton::clicked, this, [this] { Step(-1); });
}

double DimensionEdit::value() const { return CzytajLiczbe(edit_->text().toStdString()); }

void DimensionEdit::setValue(double v) {
  v = std::clamp(v, rule_.minimum, rule_.maximum);
  if (rule_.integer) {
    edit_->setText(QString::number(std::lround(v)));
    return;
  }
  edit_->setText(QString::fromStdString(FormatWymiaru(0, 0, 0, v)) + rule_.unit);
}

void DimensionEdit::Step(int direction) {
  setValue(value() + direction * rule_.step);
  emit stepped();
}

bool DimensionEdit::eventFilter(QObject* watched, QEvent* event) {
  if (watched != edit_ || event->type() != QEvent::KeyPress) return false;
  auto* key = static_cast<QKeyEvent*>(event);
  if (!FiltrKlawisza(rule_.signedMode, key->key(), key->text())) {
    QApplication::beep();
    return true;  // swallowed: the text stays as it was
  }
  if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
    // typed values are bounded above only (the arc's angle, a count); the buttons keep the
    // lower bound too
    const double v = std::min(value(), rule_.maximum);
    if (rule_.integer)
      edit_->setText(QString::number(std::lround(v)));
    else
      edit_->setText(QString::fromStdString(FormatWymiaru(0, 0, 0, v)) + rule_.unit);
    emit confirmed();
    return true;
  }
  return false;
}

}  // namespace tarvik::ui
