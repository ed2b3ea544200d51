// The results window's first page, "Statyka": the values for static calculations, the
// section's description, "Połowa"/"Cały" and "Jt wg PN".
#pragma once

#include <QString>

class QCheckBox;
class QLineEdit;
class QTabWidget;
class QToolButton;

namespace tarvik::ui {

class ListaStan;

class StronaStatyka {
 public:
  StronaStatyka(ListaStan& s, QTabWidget* pages);

  // "Jt wg PN", a control of the window that decides what this page shows
  void UzyjJs(QCheckBox* js);
  void Wypelnij();
  // the Jt and Wt rows from the record again (a torsion constant computed on the sketch)
  void OdswiezSkrecanie() { CheckBoxJsClick(); }
  // the description as edited, for closing
  QString opis() const;

 private:
  QString JtText();
  QString WtText();
  int JtSlot() const;
  int WtSlot() const;
  void GroupBoxMomentyClick();
  void GroupBoxWskazClick();
  void GroupBoxObwodyClick();
  void EditOpisClick();
  void SpeedButtonPolClick();
  void CheckBoxJsClick();

  ListaStan& s_;
  QLineEdit* editOpis_ = nullptr;
  QToolButton* pol_ = nullptr;
  QCheckBox* js_ = nullptr;
};

}  // namespace tarvik::ui
