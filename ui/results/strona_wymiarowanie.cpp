#include "ui/results/strona_wymiarowanie.h"

#include <QGridLayout>
#include <QLabel>
#include <numbers>

#include "engine/derived.h"
#include "ui/results/lista_stan.h"
#include "ui/results/wiersze_mes.h"

namespace tarvik::ui {

StronaWymiarowanie::StronaWymiarowanie(ListaStan& s, QTabWidget* pages,
                                       std::function<void()> redraw)
    : s_(s) {
  QGridLayout* g =
      s.Page(pages, "TabSheetWymiarowanie", "Wymiarowanie", "Parametry do wymiarowania", 4);
  s.Row(g, 1, 0, nullptr, "Pole przekroju A: ", "LabelStA");
  s.Row(g, 1, 2, nullptr, "alfa: ", "LabelStAlfa");
  s.Row(g, 2, 0, "Label46", "xS/pl:", "LabelStxS");
  s.Row(g, 2, 2, "Label49", "yS/pl:", "LabelStyS");
  s.Row(g, 3, 0, "Label18", "na ścinanie Avx:", "LabelStAvx");
  s.Row(g, 3, 2, "Label21", "Avy:", "LabelStAvy");
  s.Row(g, 4, 0, "Label14", "Ivy: ", "LabelStIvy");
  s.Row(g, 4, 2, "Label15", "Ivx: ", "LabelStIvx");
  s.Row(g, 5, 0, "Label19", "Wskaźnik  Wcx: ", "LabelStWcx");
  s.Row(g, 5, 2, "Label22", "Wcy: ", "LabelStWcy");
  s.Row(g, 6, 0, "Label20", "Wskaźnik  Wtx: ", "LabelStWtx");
  s.Row(g, 6, 2, "Label23", "Wty: ", "LabelStWty");
  s.Row(g, 7, 0, "Label12", "Wskaźnik Wplx: ", "LabelStWplx");
  s.Row(g, 7, 2, "Label13", "Wply: ", "LabelStWply");
  s.Row(g, 8, 0, "Label24", "Moment Jx: ", "LabelStJx");
  s.Row(g, 8, 2, "Label25", "Jy: ", "LabelStJy");
  s.Row(g, 9, 0, "Label26", "Promień ix:", "LabelStix");
  s.Row(g, 9, 2, "Label27", "iy: ", "LabelStiy");
  s.Row(g, 10, 0, "Label31", "Środek xT: ", "LabelStxT");
  s.Row(g, 10, 2, "Label32", "yT: ", "LabelStyT");
  s.Row(g, 11, 0, nullptr, "Pole wycinkowe w1: ", "LabelStw1");
  s.Row(g, 11, 2, nullptr, "w2: ", "LabelStw2");
  s.Row(g, 12, 0, nullptr, "Wycinkowy moment bezwładności Jw: ", "LabelStJw", 3);
  mes_ = std::make_unique<WierszeMES>(s, g, 13, std::move(redraw));
  // "Połowa" on the first page: the finite-element values are halved with the record's
  s.polowaZmieniona = [this] { mes_->Wypelnij(); };
  // the battens or lacing that join the members of a set
  constexpr int kFirst = 13 + WierszeMES::kRows;
  int row = kFirst;
  for (const auto& [caption, value] : s.ctx.przewiazki) {
    const QString n = QString::number(row - kFirst + 1);
    if (value.isEmpty()) {
      QLabel* heading = s.Label(g->parentWidget(), "LabelPrzewiazki" + n, caption);
      g->addWidget(heading, row, 0, 1, 4);
    } else {
      const QByteArray name = ("LabelStPrzew" + n).toUtf8();
      s.Row(g, row, 0, nullptr, caption, name.constData())->setText(value);
    }
    ++row;
  }
  g->setRowStretch(row, 1);
  for (int col : {0, 2}) g->setColumnStretch(col, 1);

  const struct {
    const char* name;
    Cell cell;
  } values[] = {
      {"LabelStA", {slot::A, 1, " cm^2"}},       {"LabelStAvx", {slot::Avx, 1, " cm^2"}},
      {"LabelStAvy", {slot::Avy, 1, " cm^2"}},   {"LabelStIvy", {slot::Ivy, 1, " cm^4"}},
      {"LabelStIvx", {slot::Ivx, 1, " cm^4"}},   {"LabelStWcx", {slot::Wcx, 1, " cm^3"}},
      {"LabelStWcy", {slot::Wcy, 1, " cm^3"}},   {"LabelStWtx", {slot::Wtx, 1, " cm^3"}},
      {"LabelStWty", {slot::Wty, 1, " cm^3"}},   {"LabelStWplx", {slot::Wplx, 1, " cm^3"}},
      {"LabelStWply", {slot::Wply, 1, " cm^3"}}, {"LabelStJx", {slot::J1, 1, " cm^4"}},
      {"LabelStJy", {slot::J2, 1, " cm^4"}},     {"LabelStxT", {slot::xT, 10, " cm"}},
      {"LabelStyT", {slot::yT, 10, " cm"}},      {"LabelStw1", {slot::w1, 1, " cm^2"}},
      {"LabelStw2", {slot::w2, 1, " cm^2"}},     {"LabelStJw", {slot::Jw, 1, " cm^6"}}};
  for (const auto& v : values) s.cells[s.L(v.name)] = v.cell;

  for (const char* n : {"LabelStA", "LabelStAvx", "LabelStAvy"})
    s.Clickable(s.L(n), [this] { s_.GroupBoxPolaClick(); });
  for (const char* n : {"LabelStw1", "LabelStw2", "LabelStJw"})
    s.Clickable(s.L(n), [this] { GroupBoxJwClick(); });
  auto pair = [this](const char* a, const char* b, const QString& title, const char* ca,
                     const char* cb) {
    for (const char* n : {a, b})
      s_.Clickable(s_.L(n), [=, this] { s_.Popraw(title, {{ca, s_.L(a)}, {cb, s_.L(b)}}); });
  };
  pair("LabelStWcx", "LabelStWtx", "Wskaźniki przekroju", "Wcx", "Wtx");
  pair("LabelStWcy", "LabelStWty", "Wskaźniki przekroju", "Wcy", "Wty");
  pair("LabelStWplx", "LabelStWply", "Wskaźniki przekroju", "Wplx", "Wply");
  pair("LabelStJx", "LabelStJy", "Momenty bezwładności", "Jx", "Jy");
  pair("LabelStIvx", "LabelStIvy", "Parametry na ścinanie", "Ivx", "Ivy");
}

StronaWymiarowanie::~StronaWymiarowanie() = default;

void StronaWymiarowanie::LiczMES() { mes_->Licz(); }

void StronaWymiarowanie::Wypelnij() {
  const PropertiesRecord& p = s_.r();
  s_.Odswiez({"LabelStA", "LabelStAvx", "LabelStAvy", "LabelStIvy", "LabelStIvx", "LabelStWcx",
              "LabelStWcy", "LabelStWtx", "LabelStWty", "LabelStWplx", "LabelStWply", "LabelStJx",
              "LabelStJy", "LabelStxT", "LabelStyT", "LabelStw1", "LabelStw2", "LabelStJw"});
  const Point plastic = PunktPlastyczny(p);
  s_.L("LabelStxS")
      ->setText(ListaStan::Dwie(p[slot::xS] / 10, "") + "/" +
                ListaStan::Dwie(plastic.x / 10, " cm"));
  s_.L("LabelStyS")
      ->setText(ListaStan::Dwie(p[slot::yS] / 10, "") + "/" +
                ListaStan::Dwie(plastic.y / 10, " cm"));
  s_.L("LabelStAlfa")->setText(s_.Liczba(p[slot::al] * 180 / std::numbers::pi, "°"));
  s_.L("LabelStix")->setText(s_.Liczba(PromienBezwladnosci(p[slot::J1], p[slot::A]), " cm"));
  s_.L("LabelStiy")->setText(s_.Liczba(PromienBezwladnosci(p[slot::J2], p[slot::A]), " cm"));
}

void StronaWymiarowanie::GroupBoxJwClick() {
  s_.Popraw("Parametry wycinkowe", {{"Pole - w1", s_.L("LabelStw1")},
                                    {"Pole - w2", s_.L("LabelStw2")},
                                    {"Moment - Jw", s_.L("LabelStJw")}});
}

}  // namespace tarvik::ui
