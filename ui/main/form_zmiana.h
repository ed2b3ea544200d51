// TFormZmiana: the small input dialog of up to three captioned rows (the material density,
// the section's name, ...). Callers hide the rows they do not need.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tarvik::ui {

class TFormZmiana : public QDialog {
  Q_OBJECT

 public:
  explicit TFormZmiana(const QColor& windowColour, QWidget* parent = nullptr);

  QLabel* label(int row) const { return labels_[row - 1]; }  // rows 1..3
  QLineEdit* edit(int row) const { return edits_[row - 1]; }
  QLabel* hint() const { return hint_; }  // Label4
  // shows only the given rows (1..3)
  void showRows(std::initializer_list<int> rows);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void EnterIn(int row);

  QLabel* labels_[3];
  QLineEdit* edits_[3];
  QLabel* hint_;
};

}  // namespace tarvik::ui
