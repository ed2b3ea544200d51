#include "ui/main/numeric_edit.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "engine/numbers.h"
#include "generators/cold_formed.h"

namespace tarvik::ui {

bool FiltrKlawisza(bool signedMode, int key, const QString& text) {
  if (key == Qt::Key_Backspace || key == Qt::Key_Return || key == Qt::Key_Enter) return true;
  // navigation and editing keys that type nothing are the edit's own business
  if (text.isEmpty() || !text.at(0).isPrint()) return true;
  if (text.size() != 1) return false;
  const QChar c = text.at(0);
  return (c >= '0' && c <= '9') || c == ',' || c == '.' || (signedMode && c == '-');
}

namespace {

QString Milimetry(double v) { return QString::fromStdString(FormatWymiaru(0, 0, 0, v)) + " mm"; }
QString Krotnosc(double v) { return QString::fromStdString(FormatWymiaru(0, 0, 0, v)) + " x g"; }
// a radius text that is a multiple of the thickness ("1,5 x g", "2xg")
bool Krotny(const QString& text) { return text.trimmed().endsWith('g'); }

}  // namespace

std::optional<QString> PromienGiecia(const QString& text) {
  const std::string t = text.toStdString();
  // read with a thickness of 1 and no standard: the number itself, or -1 for the standard
  const std::optional<double> r = ReadBendRadius(t, 1, -1);
  if (!r) return std::nullopt;
  if (*r < 0) return QString(kRadiusByStandard);
  return Krotny(text) ? Krotnosc(*r) : Milimetry(*r);
}

QString KrokPromienia(const QString& text, int direction, double byStandard) {
  const std::optional<double> r = ReadBendRadius(text.toStdString(), 1, -1);
  if (!r) return text;  // nothing to step from: the text stays for Enter to refuse
  if (*r < 0) return Milimetry(std::max(byStandard + direction, 0.0));
  if (Krotny(text)) return Krotnosc(std::max(*r + 0.5 * direction, 0.0));
  return Milimetry(std::max(*r + direction, 0.0));
}

bool TekstLiczby(const QString& text, const EditRule& rule) {
  return CalaLiczba(text.toStdString(), rule.unit.toStdString(), rule.signedMode);
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
    setText(QString::number(std::lround(v)));
    return;
  }
  setText(QString::fromStdString(FormatWymiaru(0, 0, 0, v)) + rule_.unit);
}

void DimensionEdit::Step(int direction) {
  if (rule_.bendRadius)
    setText(KrokPromienia(edit_->text(), direction, byStandard_ ? byStandard_() : 0));
  else
    setValue(value() + direction * rule_.step);
  emit stepped();
}

bool DimensionEdit::eventFilter(QObject* watched, QEvent* event) {
  if (watched != edit_) return false;
  switch (event->type()) {
    case QEvent::KeyPress:
      return KeyPress(static_cast<QKeyEvent*>(event));
    case QEvent::ContextMenu:
      ContextMenu(static_cast<QContextMenuEvent*>(event));
      return true;
    case QEvent::MouseButtonRelease: {
      // the middle button pastes the selection at the cursor
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->button() != Qt::MiddleButton || !QGuiApplication::clipboard()->supportsSelection())
        return false;
      const QString text = QGuiApplication::clipboard()->text(QClipboard::Selection);
      return !text.isEmpty() && !Przyjmij(text, edit_->cursorPosition(), 0);
    }
    case QEvent::Drop: {
      auto* drop = static_cast<QDropEvent*>(event);
      // a drag inside the edit only moves what is there
      if (drop->source() == edit_ || !drop->mimeData()->hasText()) return false;
      const int at = edit_->cursorPositionAt(drop->position().toPoint());
      if (Przyjmij(drop->mimeData()->text(), at, 0)) return false;
      drop->ignore();
      return true;
    }
    default:
      return false;
  }
}

bool DimensionEdit::KeyPress(QKeyEvent* key) {
  if (key->matches(QKeySequence::Paste)) {
    Wklej();
    return true;
  }
  // a bend radius takes letters too ("1,5 x g", "wg normy"): Enter judges the whole text
  if (!rule_.bendRadius && !FiltrKlawisza(rule_.signedMode, key->key(), key->text())) {
    QApplication::beep();
    return true;  // swallowed: the text stays as it was
  }
  if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && rule_.bendRadius) {
    const QString typed = edit_->text();
    if (const std::optional<QString> radius = PromienGiecia(typed)) {
      setText(*radius);
      emit confirmed();
    } else {
      edit_->setText(accepted_);
      emit refused(typed);
    }
    return true;
  }
  if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
    // typed values are bounded above only (the arc's angle, a count); the buttons keep the
    // lower bound too
    const double v = std::min(value(), rule_.maximum);
    if (rule_.integer)
      setText(QString::number(std::lround(v)));
    else
      setText(QString::fromStdString(FormatWymiaru(0, 0, 0, v)) + rule_.unit);
    emit confirmed();
    return true;
  }
  return false;
}

bool DimensionEdit::Przyjmij(const QString& text, int start, int length) {
  // the text itself, and the edit's text with it: a number pasted behind "200 mm" would be
  // read as 200250
  const QString after = QString(edit_->text()).replace(start, length, text);
  if (rule_.bendRadius) return true;  // judged whole at Enter
  if (TekstLiczby(text, rule_) && TekstLiczby(after, rule_)) return true;
  QApplication::beep();
  return false;
}

void DimensionEdit::Wklej() {
  const QString text = QGuiApplication::clipboard()->text();
  const bool selected = edit_->hasSelectedText();
  const int start = selected ? edit_->selectionStart() : edit_->cursorPosition();
  if (Przyjmij(text, start, selected ? edit_->selectionLength() : 0)) edit_->insert(text);
}

// the edit's own menu, its "Paste" under the paste rule
void DimensionEdit::ContextMenu(QContextMenuEvent* event) {
  QMenu* menu = edit_->createStandardContextMenu();
  const QString paste = QLineEdit::tr("&Paste");
  for (QAction* action : menu->actions()) {
    if (action->text().section('\t', 0, 0) != paste) continue;
    disconnect(action, nullptr, edit_, nullptr);
    connect(action, &QAction::triggered, this, &DimensionEdit::Wklej);
  }
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(event->globalPos());
}

}  // namespace tarvik::ui
