// The printed page: where a drawing of n to a page goes, and what happens to the printer
// document after it. Plain numbers, no printer: the window, the PDF writer and the tests
// share it.
#pragma once

namespace tarvik {

// the margins and the printer's calibration [mm]; kept in the settings store
struct UstawieniaDruku {
  int gorny = 10;         // top margin of the page
  int lewy = 25;          // left margin
  int drukarkaGorny = 7;  // where the printer's printable area starts, from the top
  int drukarkaLewy = 7;   // and from the left
  int szerokosc = 197;    // the printable width
  bool hp4l = false;      // a completed page starts a new page of the same job
};

// the side of the square drawing box [mm] for n drawings to a page (2..5)
int BokRysunku(int n);

// nearest integer, halves to the even one (2.5 -> 2, 3.5 -> 4)
int Zaokraglij(double v);

// one place on the page in device pixels
struct MiejsceRysunku {
  double k = 0;        // pixels per mm
  int bok = 0;         // S: the drawing box's side
  int x0 = 0, y0 = 0;  // the drawing box's top-left corner
  int prawy = 0;       // the text box's right edge
  int tekstX = 0;      // where the text column's indents are measured from
  int tekstY = 0;      // the top of the first report line
  int krok = 0;        // line step
};

class StronaWydruku {
 public:
  enum class Potem { kNastepneMiejsce, kNowaStrona, kKoniecDokumentu };

  int n = 2;                  // drawings per page, 2..5
  int p = 0;                  // this drawing's place, 0-based
  bool nowyDokument = true;   // a document must be started before drawing
  bool niekompletna = false;  // end the page after this drawing

  // the place p of a page pageWidth pixels wide (the printable area's width)
  MiejsceRysunku Miejsce(const UstawieniaDruku& u, int pageWidth) const;
  // true once per document: the caller starts it now
  bool ZacznijDokument();
  // after a drawing: p moves on, or the page ends (a new page in a job kept open, else the
  // end of the document)
  Potem PoRysunku(bool hp4l);
  bool OstatnieMiejsce() const { return p >= n - 1; }
};

}  // namespace tarvik
