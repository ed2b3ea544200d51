// What the standard-shape dialogs of the "Dowolne" tab share (TFormSzesc, TFormProstokat,
// TFormTrojkat, TFormKolo): the last values they remember while the program runs, what they
// hand back, and a base of captioned dimension rows with OK and "Anuluj". Each row's edit
// takes digits, ',' and '.'; Enter turns an empty or zero entry into 1, normalises the text
// with its unit and moves to the next row or to OK; its up/down rounds the value to a whole
// number and steps it by 10 (below 1: 10).
#pragma once

#include <QDialog>
#include <QPoint>
#include <optional>
#include <vector>

#include "generators/arbitrary_shapes.h"

class QGridLayout;
class QLabel;
class QPushButton;

namespace tarvik::ui {

class DimensionEdit;

// the last values of every shape dialog [mm, degrees]
struct OstatnieKsztalty {
  double bok = 100;  // hexagon side
  double szerokosc = 200;
  double wysokosc = 100;  // rectangle
  double podstawa = 100;
  double wysokoscTrojkata = 86.6;
  double katPodstawy = 60;
  int rodzaj = kRownoboczny;  // triangle
  double promien = 100;
  double katSrodkowy = 90;
  double wysokoscOdcinka = 29.3;  // circle, sector, segment
};

// what to ask: the last values and where the dialog opens (none: over its parent)
struct KsztaltPytanie {
  OstatnieKsztalty ostatnie;
  std::optional<QPoint> pos;
};

// what was entered: ok when closed with OK; the shape, the last values (updated on OK) and
// where the dialog was when closed
struct KsztaltOdpowiedz {
  bool ok = false;
  Ksztalt ksztalt;
  OstatnieKsztalty ostatnie;
  QPoint pos;
};

class FormKsztalt : public QDialog {
  Q_OBJECT

 public:
  // the shape as the rows give it now
  virtual Ksztalt ksztalt() const = 0;
  // the shape's values into the remembered ones
  virtual void Zapamietaj(OstatnieKsztalty& last) const = 0;

  // shows the dialog modally and returns what was entered
  KsztaltOdpowiedz Wykonaj(const OstatnieKsztalty& last);

 protected:
  FormKsztalt(const QString& objectName, const QString& title, const std::optional<QPoint>& pos,
              QWidget* parent);
  ~FormKsztalt() override;

  // a captioned row `Edit<name>` at the next place of the grid, its text value with " mm" or "°"
  DimensionEdit* Pole(const QString& name, const QString& caption, bool angle, double value);
  // OK and "Anuluj" under the rows (called last by each dialog's constructor)
  void Przyciski();
  void Pokaz(DimensionEdit* edit, bool shown);  // a row with its caption and up/down
  // the text of a value with the row's unit
  static void Wpisz(DimensionEdit* edit, double value);

  // after Enter, leaving an edit or an up/down click on it: the values that follow from it
  virtual void Zmiana(DimensionEdit* /*changed*/) {}

  void showEvent(QShowEvent* event) override;

  QGridLayout* grid_;
  QPushButton* ok_ = nullptr;

 private:
  void Enter(DimensionEdit* edit);
  void Opuszczenie(DimensionEdit* edit);
  void Krok(DimensionEdit* edit, int direction);

  std::vector<DimensionEdit*> pola_;
  std::vector<QLabel*> podpisy_;
};

}  // namespace tarvik::ui
