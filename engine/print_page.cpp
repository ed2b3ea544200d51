#include "engine/print_page.h"

#include <cmath>

namespace tarvik {

int BokRysunku(int n) {
  switch (n) {
    case 2: return 120;
    case 3: return 88;
    case 4: return 65;
    default: return 51;
  }
}

int Zaokraglij(double v) { return static_cast<int>(std::nearbyint(v)); }

MiejsceRysunku StronaWydruku::Miejsce(const UstawieniaDruku& u, int pageWidth) const {
  MiejsceRysunku m;
  const int side = BokRysunku(n);
  m.k = u.szerokosc > 0 ? static_cast<double>(pageWidth) / u.szerokosc : 0;
  m.bok = Zaokraglij(side * m.k);
  m.x0 = Zaokraglij((u.lewy - u.drukarkaLewy) * m.k);
  // two to a page stand 10 mm apart, more 5 mm
  const int gaps = n == 2 ? 2 * p : p;
  m.y0 = Zaokraglij((u.gorny - u.drukarkaGorny + p * side) * m.k) + Zaokraglij(5 * gaps * m.k);
  m.prawy = m.x0 + Zaokraglij((200 - u.lewy) * m.k);
  m.tekstX = n == 2 ? m.x0 + m.bok : Zaokraglij(120 * m.k);
  m.tekstY = m.y0 + 10;
  m.krok = Zaokraglij(3.9 * m.k);
  return m;
}

bool StronaWydruku::ZacznijDokument() {
  const bool start = nowyDokument;
  nowyDokument = false;
  return start;
}

StronaWydruku::Potem StronaWydruku::PoRysunku(bool hp4l) {
  if (!OstatnieMiejsce() && !niekompletna) {
    ++p;
    return Potem::kNastepneMiejsce;
  }
  niekompletna = false;
  p = 0;
  if (hp4l) return Potem::kNowaStrona;
  nowyDokument = true;
  return Potem::kKoniecDokumentu;
}

}  // namespace tarvik
