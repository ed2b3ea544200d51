// TFormOdczyt: what to do with the points picked on the "Dowolne" tab ("Zmiana
// współrzędnych"): one point gets a new X or Y; several get a common X or Y, or a value
// added to their X or Y. The value is typed in TFormDodaj; the button that opened it reads
// purple while it is open and blue again after "Anuluj".
#pragma once

#include <QDialog>
#include <QPoint>
#include <optional>

class QPushButton;

namespace tarvik::ui {

// what to ask: how many points are picked, the means of their x and y [mm]
struct OdczytPytanie {
  int liczba = 1;
  double sredniaX = 0;
  double sredniaY = 0;
  std::optional<QPoint> pos;
};

enum class ZmianaPunktow { kBrak, kUstawX, kUstawY, kDodajX, kDodajY };

// what was chosen: kBrak after "Anuluj"; the value to set or add [mm]; where the dialog was
struct OdczytOdpowiedz {
  ZmianaPunktow akcja = ZmianaPunktow::kBrak;
  double wartosc = 0;
  QPoint pos;
};

class TFormOdczyt : public QDialog {
  Q_OBJECT

 public:
  explicit TFormOdczyt(const OdczytPytanie& question, QWidget* parent = nullptr);

  // shows the dialog modally and returns what to change
  static OdczytOdpowiedz Zmiana(const OdczytPytanie& question, QWidget* parent = nullptr);

  OdczytOdpowiedz odpowiedz() const { return answer_; }

 private:
  // a button's dialog: on OK the choice is made and this dialog closes
  void Przycisk(QPushButton* button, ZmianaPunktow akcja);

  OdczytPytanie question_;
  OdczytOdpowiedz answer_;
};

}  // namespace tarvik::ui
