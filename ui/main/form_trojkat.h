// TFormTrojkat: the triangle of the "Dowolne" tab: base ("Długość podstawy"), height
// ("Wysokość"), base angle ("Kąt przy postawie") and kind ("Równoboczny", "Równoramienny",
// "Dowolny"), which ties the three values together (ZmianaTrojkata).
#pragma once

#include "generators/arbitrary_points.h"
#include "ui/main/form_ksztalt.h"

namespace tarvik::ui {

class RadioGroup;

class TFormTrojkat : public FormKsztalt {
  Q_OBJECT

 public:
  explicit TFormTrojkat(const KsztaltPytanie& question, QWidget* parent = nullptr);

  // shows the dialog modally and returns the triangle
  static KsztaltOdpowiedz Wymiary(const KsztaltPytanie& question, QWidget* parent = nullptr);

  Ksztalt ksztalt() const override;
  void Zapamietaj(OstatnieKsztalty& last) const override;

 private:
  void Zmiana(DimensionEdit* changed) override;
  void RadioGroupRodzajClick(int index);
  // the dependent values after a change of `what`, shown back in the rows
  void Uzgodnij(ZmianaPola what);

  DimensionEdit* podstawa_;
  DimensionEdit* wysokosc_;
  DimensionEdit* kat_;
  RadioGroup* rodzaj_;
};

}  // namespace tarvik::ui
