// A result value beside its caption. A screen reader reads the two together ("A = 28,5 cm^2"),
// whatever either shows at the moment: the accessible name is made when it is asked for.
#pragma once

#include <QLabel>
#include <QPointer>

namespace tarvik::ui {

class ValueLabel : public QLabel {
  Q_OBJECT

 public:
  // caption: the label that names the value; it becomes the caption's buddy
  ValueLabel(QLabel* caption, QWidget* parent = nullptr);

  // what a screen reader reads: the caption, a blank, the value
  QString accessibleText() const;

 private:
  QPointer<QLabel> caption_;
};

}  // namespace tarvik::ui
