// TFormDodaj: one coordinate typed for the picked points of the "Dowolne" tab: the common
// new value ("Nowa współrzędna X") or the value added to all of them ("Do współrzędnych X"),
// and the same for Y. Signed values are taken.
#pragma once

#include <QDialog>
#include <QPoint>
#include <QString>
#include <optional>

class QPushButton;

namespace tarvik::ui {

class DimensionEdit;

// what to ask: the caption, the edit's caption and its starting value [mm]
struct DodajPytanie {
  QString tytul;
  QString podpis;
  double wartosc = 0;
  std::optional<QPoint> pos;
};

// what was entered: ok when closed with OK, the value [mm], where the dialog was
struct DodajOdpowiedz {
  bool ok = false;
  double wartosc = 0;
  QPoint pos;
};

class TFormDodaj : public QDialog {
  Q_OBJECT

 public:
  explicit TFormDodaj(const DodajPytanie& question, QWidget* parent = nullptr);
  ~TFormDodaj() override;

  // shows the dialog modally and returns the value
  static DodajOdpowiedz Wartosc(const DodajPytanie& question, QWidget* parent = nullptr);

  double wartosc() const;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  DimensionEdit* edit_;
  QPushButton* ok_;
};

// the text of a coordinate: "0 mm", "-12,5 mm"
QString TekstWspolrzednej(double value);

}  // namespace tarvik::ui
