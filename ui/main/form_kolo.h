// TFormKolo: the circle, semicircle, circular sector and circular segment of the "Dowolne"
// tab, captioned "Koło", "Półkole", "Wycinek koła" or "Odcinek koła": radius ("Promień"),
// central angle ("Kąt środkowy", sector and segment) and height ("Wysokość", segment only),
// the height and the angle following each other (ZmianaKola).
#pragma once

#include "ui/main/form_ksztalt.h"

namespace tarvik::ui {

class TFormKolo : public FormKsztalt {
  Q_OBJECT

 public:
  // kod: kKolo, kPolkole, kWycinek or kOdcinek
  TFormKolo(int kod, const KsztaltPytanie& question, QWidget* parent = nullptr);

  // shows the dialog modally and returns the shape
  static KsztaltOdpowiedz Wymiary(int kod, const KsztaltPytanie& question,
                                  QWidget* parent = nullptr);

  Ksztalt ksztalt() const override;
  void Zapamietaj(OstatnieKsztalty& last) const override;

 private:
  void Zmiana(DimensionEdit* changed) override;

  int kod_;
  DimensionEdit* promien_;
  DimensionEdit* kat_;
  DimensionEdit* wysokosc_;
};

}  // namespace tarvik::ui
