// The numeric edits of every tab and dialog: a key filter, Enter to confirm, and up/down
// buttons with a step and a lower bound. Nothing is recomputed while typing.
#pragma once

#include <QLineEdit>

class QContextMenuEvent;
class QKeyEvent;
#include <QToolButton>
#include <QWidget>
#include <limits>

namespace tarvik::ui {

// FiltrKlawisza: Backspace, Enter, the digits, ',' and '.' pass, and '-' in signed mode;
// false for any other key (the caller swallows it with a beep)
bool FiltrKlawisza(bool signedMode, int key, const QString& text);

struct EditRule;

// a text pasted or dropped into an edit is taken whole only when it is one number: blanks
// around it, digits with at most one decimal comma or point, a leading minus in signed mode,
// and the edit's own unit after it ("12,5", "250 mm"); "12x4" would be read as 124
bool TekstLiczby(const QString& text, const EditRule& rule);

struct EditRule {
  QString unit = " mm";                                      // appended to the re-formatted number
  double step = 1;                                           // of the up/down buttons
  double minimum = 1;                                        // the buttons never go below it
  double maximum = std::numeric_limits<double>::infinity();  // nor above it, nor Enter
  bool signedMode = false;
  bool integer = false;  // a count: shown without a unit or decimals
};

// an edit `Edit<name>` and its up/down buttons `UpDown<name>` (arrows `UpDown<name>Up`,
// `UpDown<name>Down`)
class DimensionEdit : public QWidget {
  Q_OBJECT

 public:
  explicit DimensionEdit(const QString& name, QWidget* parent = nullptr);

  QLineEdit* edit() const { return edit_; }
  QWidget* upDown() const { return upDown_; }
  QToolButton* up() const { return up_; }
  QToolButton* down() const { return down_; }

  void setRule(const EditRule& rule) { rule_ = rule; }
  const EditRule& rule() const { return rule_; }
  QString text() const { return edit_->text(); }
  void setText(const QString& text) { edit_->setText(text); }
  // the number in the text, as a generator reads it
  double value() const;
  // the value kept to the rule's bounds, formatted with the unit into the edit
  void setValue(double v);

  // the key rule, applied to the edit's key events, and the paste rule to what comes from
  // the clipboard, the selection or a drop
  bool eventFilter(QObject* watched, QEvent* event) override;

 signals:
  void confirmed();  // Enter: the text is normalised; recompute and move the focus
  void stepped();    // an up/down click: the text is normalised; recompute

 private:
  void Step(int direction);
  bool KeyPress(QKeyEvent* key);
  // text replacing length characters from start: true when the edit may take it, else a beep
  bool Przyjmij(const QString& text, int start, int length);
  void Wklej();  // the clipboard over the selection, when it is taken
  void ContextMenu(QContextMenuEvent* event);

  QLineEdit* edit_;
  QWidget* upDown_;
  QToolButton* up_;
  QToolButton* down_;
  EditRule rule_;
};

}  // namespace tarvik::ui
