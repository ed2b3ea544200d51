#include "ui/main/form_prostokat.h"

#include "ui/main/numeric_edit.h"

namespace tarvik::ui {

TFormProstokat::TFormProstokat(const KsztaltPytanie& question, QWidget* parent)
    : FormKsztalt("TFormProstokat", "Prostokąt", question.pos, parent) {
  szerokosc_ = Pole("B", "Szerokość", false, question.ostatnie.szerokosc);
  wysokosc_ = Pole("H", "Wysokość", false, question.ostatnie.wysokosc);
  Przyciski();
}

Ksztalt TFormProstokat::ksztalt() const {
  Ksztalt k;
  k.kod = kProstokat;
  k.a = szerokosc_->value();
  k.b = wysokosc_->value();
  return k;
}

void TFormProstokat::Zapamietaj(OstatnieKsztalty& last) const {
  last.szerokosc = szerokosc_->value();
  last.wysokosc = wysokosc_->value();
}

KsztaltOdpowiedz TFormProstokat::Wymiary(const KsztaltPytanie& question, QWidget* parent) {
  TFormProstokat dialog(question, parent);
  return dialog.Wykonaj(question.ostatnie);
}

}  // namespace tarvik::ui
