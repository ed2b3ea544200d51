#include "ui/main/form_szesc.h"

#include "ui/main/numeric_edit.h"

namespace tarvik::ui {

TFormSzesc::TFormSzesc(const KsztaltPytanie& question, QWidget* parent)
    : FormKsztalt("TFormSzesc", "Sześciokąt", question.pos, parent) {
  bok_ = Pole("A", "Długość boku", false, question.ostatnie.bok);
  Przyciski();
}

Ksztalt TFormSzesc::ksztalt() const {
  Ksztalt k;
  k.kod = kSzesciokat;
  k.a = bok_->value();
  return k;
}

void TFormSzesc::Zapamietaj(OstatnieKsztalty& last) const { last.bok = bok_->value(); }

KsztaltOdpowiedz TFormSzesc::Wymiary(const KsztaltPytanie& question, QWidget* parent) {
  TFormSzesc dialog(question, parent);
  return dialog.Wykonaj(question.ostatnie);
}

}  // namespace tarvik::ui
