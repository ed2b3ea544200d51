// TFormLamana: the settings of drawing a polygon on the "Dowolne" tab's sketch: the drawing
// range (the height of the drawing area, "Wysokość" / "obszaru"), the grid step ("Oczko
// siatki") and whether clicks snap to the grid ("Siatka").
#pragma once

#include <QDialog>
#include <QPoint>
#include <optional>

class QCheckBox;
class QPushButton;

namespace tarvik::ui {

class DimensionEdit;

// what to ask: the values last used [mm] and where the dialog opens (none: over its parent)
struct LamanaPytanie {
  double zakres = 1000;
  double oczko = 50;
  std::optional<QPoint> pos;
};

// what was chosen: ok when closed with OK; the range and grid step [mm], the grid on, and
// where the dialog was when closed
struct LamanaOdpowiedz {
  bool ok = false;
  double zakres = 0;
  double oczko = 0;
  bool siatka = true;
  QPoint pos;
};

class TFormLamana : public QDialog {
  Q_OBJECT

 public:
  explicit TFormLamana(const LamanaPytanie& question, QWidget* parent = nullptr);
  ~TFormLamana() override;

  // shows the dialog modally and returns the settings
  static LamanaOdpowiedz Ustawienia(const LamanaPytanie& question, QWidget* parent = nullptr);

  LamanaOdpowiedz odpowiedz() const;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // a value changed: a grid step larger than the range becomes a twentieth of it
  void Zmiana();
  void EditZakresEnter();
  void Krok(DimensionEdit* edit, int direction);

  DimensionEdit* zakres_;
  DimensionEdit* oczko_;
  QCheckBox* siatka_;
  QPushButton* ok_;
};

}  // namespace tarvik::ui
