// TFormWpisz: a point of the polygon being drawn, typed rather than clicked ("Współrzędne
// punktów konturu"). The clicked position prefills the two values in the chosen way
// ("Główny" absolute, "Względny" from the previous point) and system ("X - 0 - Y" Cartesian,
// "Biegunowy" polar); the caller gets back the point the typed values give.
#pragma once

#include <QDialog>
#include <QPoint>
#include <optional>

#include "generators/arbitrary_points.h"

class QLabel;
class QPushButton;
class QToolButton;

namespace tarvik::ui {

class DimensionEdit;
class RadioGroup;

// what to ask: the clicked position and the previous point of the polygon (none for the
// first) in model mm, the way and system chosen last, where the dialog opens
struct WpiszPytanie {
  Point klik;
  std::optional<Point> poprzedni;
  WyborPunktu wybor;
  std::optional<QPoint> pos;
};

// what was entered: ok when closed with OK; the point [mm], the way and system (to be
// remembered for the next point) and where the dialog was when closed
struct WpiszOdpowiedz {
  bool ok = false;
  Point punkt;
  WyborPunktu wybor;
  QPoint pos;
};

class TFormWpisz : public QDialog {
  Q_OBJECT

 public:
  explicit TFormWpisz(const WpiszPytanie& question, QWidget* parent = nullptr);
  ~TFormWpisz() override;

  // shows the dialog modally and returns the point
  static WpiszOdpowiedz Punkt(const WpiszPytanie& question, QWidget* parent = nullptr);

  WyborPunktu wybor() const;
  // the point the two values give now
  Point punkt() const;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // the way or the system changed: captions, units and the clicked position in them
  void Wypelnij();
  void SpeedButtonXClick();
  void SpeedButtonYClick();

  Point klik_;
  std::optional<Point> poprzedni_;
  RadioGroup* sposob_;
  RadioGroup* uklad_;
  QLabel* labelX_;
  QLabel* labelY_;
  DimensionEdit* x_;
  DimensionEdit* y_;
  QPushButton* ok_;
};

}  // namespace tarvik::ui
