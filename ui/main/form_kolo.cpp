#include "ui/main/form_kolo.h"

#include "generators/arbitrary_points.h"
#include "ui/main/numeric_edit.h"

namespace tarvik::ui {
namespace {

QString Tytul(int kod) {
  switch (kod) {
    case kPolkole:
      return "Półkole";
    case kWycinek:
      return "Wycinek koła";
    case kOdcinek:
      return "Odcinek koła";
    default:
      return "Koło";
  }
}

}  // namespace

TFormKolo::TFormKolo(int kod, const KsztaltPytanie& question, QWidget* parent)
    : FormKsztalt("TFormKolo", Tytul(kod), question.pos, parent),
      kod_(kod == kPolkole || kod == kWycinek || kod == kOdcinek ? kod : kKolo) {
  const OstatnieKsztalty& last = question.ostatnie;
  promien_ = Pole("R", "Promień", false, last.promien);
  kat_ = Pole("Alfa", "Kąt środkowy", true, last.katSrodkowy);
  wysokosc_ = Pole("H", "Wysokość", false, last.wysokoscOdcinka);
  Pokaz(kat_, kod_ == kWycinek || kod_ == kOdcinek);
  Pokaz(wysokosc_, kod_ == kOdcinek);
  Przyciski();
  Zmiana(promien_);  // the height of the remembered radius and angle
}

Ksztalt TFormKolo::ksztalt() const {
  Ksztalt k;
  k.kod = kod_;
  k.a = promien_->value();
  if (kod_ == kWycinek || kod_ == kOdcinek) k.b = kat_->value();
  if (kod_ == kOdcinek) k.h = wysokosc_->value();
  return k;
}

void TFormKolo::Zapamietaj(OstatnieKsztalty& last) const {
  last.promien = promien_->value();
  if (kod_ == kWycinek || kod_ == kOdcinek) last.katSrodkowy = kat_->value();
  if (kod_ == kOdcinek) last.wysokoscOdcinka = wysokosc_->value();
}

void TFormKolo::Zmiana(DimensionEdit* changed) {
  Ksztalt k;
  k.a = promien_->value();
  k.b = kat_->value();
  k.h = wysokosc_->value();
  ZmianaKola(k, changed == wysokosc_ ? ZmianaPola::kWysokosc : ZmianaPola::kKatSrodkowy);
  Wpisz(kat_, k.b);
  Wpisz(wysokosc_, k.h);
}

KsztaltOdpowiedz TFormKolo::Wymiary(int kod, const KsztaltPytanie& question, QWidget* parent) {
  TFormKolo dialog(kod, question, parent);
  return dialog.Wykonaj(question.ostatnie);
}

}  // namespace tarvik::ui
