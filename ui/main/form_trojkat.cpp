#include "ui/main/form_trojkat.h"

#include <QGridLayout>

#include "generators/arbitrary_points.h"
#include "ui/main/numeric_edit.h"
#include "ui/main/radio_group.h"

namespace tarvik::ui {

TFormTrojkat::TFormTrojkat(const KsztaltPytanie& question, QWidget* parent)
    : FormKsztalt("TFormTrojkat", "Trójkąt", question.pos, parent) {
  const OstatnieKsztalty& last = question.ostatnie;
  podstawa_ = Pole("A", "Długość podstawy", false, last.podstawa);
  wysokosc_ = Pole("H", "Wysokość", false, last.wysokoscTrojkata);
  kat_ = Pole("Kat", "Kąt przy postawie", true, last.katPodstawy);
  rodzaj_ =
      new RadioGroup("RadioGroupRodzaj", "", {"Równoboczny", "Równoramienny", "Dowolny"}, 1, this);
  rodzaj_->setAccessibleName("Rodzaj trójkąta");
  rodzaj_->setItemIndex(std::clamp(last.rodzaj, 0, 2));
  grid_->addWidget(rodzaj_, 3, 0, 1, 2);
  connect(rodzaj_, &RadioGroup::clicked, this, &TFormTrojkat::RadioGroupRodzajClick);
  Przyciski();
  Uzgodnij(ZmianaPola::kRodzaj);
}

Ksztalt TFormTrojkat::ksztalt() const {
  Ksztalt k;
  k.kod = kTrojkat;
  k.a = podstawa_->value();
  k.b = wysokosc_->value();
  k.kat = kat_->value();
  k.rodzaj = rodzaj_->itemIndex();
  return k;
}

void TFormTrojkat::Zapamietaj(OstatnieKsztalty& last) const {
  const Ksztalt k = ksztalt();
  last.podstawa = k.a;
  last.wysokoscTrojkata = k.b;
  last.katPodstawy = k.kat;
  last.rodzaj = k.rodzaj;
}

void TFormTrojkat::Zmiana(DimensionEdit* changed) {
  Uzgodnij(changed == podstawa_   ? ZmianaPola::kPodstawa
           : changed == wysokosc_ ? ZmianaPola::kWysokosc
                                  : ZmianaPola::kKat);
}

void TFormTrojkat::RadioGroupRodzajClick(int) { Uzgodnij(ZmianaPola::kRodzaj); }

void TFormTrojkat::Uzgodnij(ZmianaPola what) {
  Ksztalt k = ksztalt();
  ZmianaTrojkata(k, what);
  Wpisz(wysokosc_, k.b);
  Wpisz(kat_, k.kat);
  // the equilateral triangle's angle is always 60°
  kat_->setEnabled(k.rodzaj != kRownoboczny);
}

KsztaltOdpowiedz TFormTrojkat::Wymiary(const KsztaltPytanie& question, QWidget* parent) {
  TFormTrojkat dialog(question, parent);
  return dialog.Wykonaj(question.ostatnie);
}

}  // namespace tarvik::ui
