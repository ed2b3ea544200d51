// TFormProfil: the family of a new component of a composite section, or a copy of the last
// component ("Ten sam").
#pragma once

#include <QColor>
#include <QDialog>
#include <QString>

class QPushButton;

namespace tarvik::ui {

class TFormProfil : public QDialog {
  Q_OBJECT

 public:
  // lastName: the last component's name, empty with none ("Ten sam" is then hidden);
  // catalogue: the profile database is there (the three catalogue families need it)
  TFormProfil(const QString& lastName, bool catalogue, const QColor& colour,
              QWidget* parent = nullptr);

  // the chosen section kind after OK: 0, 1, 2 or 4 a family, 5 "Ten sam"
  int kind() const { return kind_; }

 private:
  QPushButton* Family(const char* name, const QString& text, int kind);

  int kind_ = -1;
};

}  // namespace tarvik::ui
