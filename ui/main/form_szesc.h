// TFormSzesc: the regular hexagon of the "Dowolne" tab, given by its side ("Długość boku").
#pragma once

#include "ui/main/form_ksztalt.h"

namespace tarvik::ui {

class TFormSzesc : public FormKsztalt {
  Q_OBJECT

 public:
  explicit TFormSzesc(const KsztaltPytanie& question, QWidget* parent = nullptr);

  // shows the dialog modally and returns the hexagon
  static KsztaltOdpowiedz Wymiary(const KsztaltPytanie& question, QWidget* parent = nullptr);

  Ksztalt ksztalt() const override;
  void Zapamietaj(OstatnieKsztalty& last) const override;

 private:
  DimensionEdit* bok_;
};

}  // namespace tarvik::ui
