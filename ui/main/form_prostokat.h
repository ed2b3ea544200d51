// TFormProstokat: the rectangle of the "Dowolne" tab ("Szerokość" b, "Wysokość" h).
#pragma once

#include "ui/main/form_ksztalt.h"

namespace tarvik::ui {

class TFormProstokat : public FormKsztalt {
  Q_OBJECT

 public:
  explicit TFormProstokat(const KsztaltPytanie& question, QWidget* parent = nullptr);

  // shows the dialog modally and returns the rectangle
  static KsztaltOdpowiedz Wymiary(const KsztaltPytanie& question, QWidget* parent = nullptr);

  Ksztalt ksztalt() const override;
  void Zapamietaj(OstatnieKsztalty& last) const override;

 private:
  DimensionEdit* szerokosc_;
  DimensionEdit* wysokosc_;
};

}  // namespace tarvik::ui
