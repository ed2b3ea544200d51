// The numeric edits of every tab and dialog: a key filter, Enter to confirm, and up/down
// buttons with a step and a lower bound. Nothing is recomputed while typing.
#pragma once

#include <QLineEdit>

class QContextMenuEvent;
class QKeyEvent;
#include <QToolButton>
#include <QWidget>
#include <functional>
#include <limits>
#include <optional>

namespace tarvik::ui {

// FiltrKlawisza: Backspace, Enter, the digits, ',' and '.' pass, and '-' in signed mode;
// false for any other key (the caller swallows it with a beep)
bool FiltrKlawisza(bool signedMode, int key, const QString& text);

struct EditRule;

// a text pasted or dropped into an edit is taken whole only when it is one number: blanks
// around it, digits with at most one decimal comma or point, a leading minus in signed mode,
// and the edit's own unit after it ("12,5", "250 mm"); "12x4" would be read as 124
bool TekstLiczby(const QString& text, const EditRule& rule);

// The texts of a bend radius field: a multiple of the thickness ("1,5 x g"), millimetres
// ("4 mm") or the corners by the standard ("wg normy"). PromienGiecia gives the text as the
// field shows it after Enter, nothing for a text that means no radius ("12x4", "-2 mm").
std::optional<QString> PromienGiecia(const QString& text);
// An up/down click on a radius text: 0,5 per click on a multiple, 1 mm on millimetres, and
// from "wg normy" on from the standard's radius byStandard [mm]; never below 0.
QString KrokPromienia(const QString& text, int direction, double byStandard);

struct EditRule {
  QString unit = " mm";                                      // appended to the re-formatted number
  double step = 1;                                           // of the up/down buttons
  double minimum = 1;                                        // the buttons never go below it
  double maximum = std::numeric_limits<double>::infinity();  // nor above it, nor Enter
  bool signedMode = false;
  bool integer = false;  // a count: shown without a unit or decimals
  bool bendRadius = false;  // a bend radius: the texts of PromienGiecia, the steps of KrokPromienia
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
  void setText(const QString& text) {
    edit_->setText(text);
    accepted_ = text;
  }
  // the number in the text, as a generator reads it
  double value() const;
  // the value kept to the rule's bounds, formatted with the unit into the edit
  void setValue(double v);
  // a bend radius field: the radius "wg normy" stands for, asked at each up/down click [mm]
  void setRadiusByStandard(std::function<double()> byStandard) {
    byStandard_ = std::move(byStandard);
  }

  // the key rule, applied to the edit's key events, and the paste rule to what comes from
  // the clipboard, the selection or a drop
  bool eventFilter(QObject* watched, QEvent* event) override;

 signals:
  void confirmed();  // Enter: the text is normalised; recompute and move the focus
  void stepped();    // an up/down click: the text is normalised; recompute
  // Enter on a bend radius text that means no radius: the text typed; the edit is back at
  // its text before, and nothing is recomputed
  void refused(const QString& typed);

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
  std::function<double()> byStandard_;
  QString accepted_;  // a bend radius field's text before the typing, given back on a refusal
};

}  // namespace tarvik::ui
