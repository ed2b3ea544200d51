#include "ui/results/strona_geometria.h"

#include <QGridLayout>
#include <QLabel>
#include <numbers>
#include <optional>

#include "engine/derived.h"
#include "engine/numbers.h"
#include "ui/main/form_zmiana.h"
#include "ui/results/lista_stan.h"

namespace tarvik::ui {

StronaGeometria::StronaGeometria(ListaStan& s, QTabWidget* pages, std::function<void()> redraw)
    : s_(s), redraw_(std::move(redraw)) {
  QGridLayout* g = s.Page(pages, "TabSheetGeometria", "Parametry geometryczne",
                          "Parametry geometryczne przekroju", 4);
  s.Row(g, 1, 0, nullptr, "Pole A: ", "LabelGA", 3);
  s.Row(g, 2, 0, "Label44", "XS: ", "LabelGxS");
  s.Row(g, 2, 2, "Label47", "YS: ", "LabelGyS");
  s.Row(g, 3, 0, nullptr, "alfa: ", "LabelGAlfa", 3);
  s.Row(g, 4, 0, "Label37", "Moment statyczny SX: ", "LabelGSx", 3);
  s.Row(g, 5, 0, "Label38", "Moment statyczny SY: ", "LabelGSy", 3);
  s.Row(g, 6, 0, "Label39", "Moment główny centralny Jx: ", "LabelGJ1", 3);
  s.Row(g, 7, 0, "Label40", "Moment główny centralny Jy: ", "LabelGJ2", 3);
  s.Row(g, 8, 0, "Label41", "Moment bezwł.centralny Jx0: ", "LabelGJx", 3);
  s.Row(g, 9, 0, "Label42", "Moment bezwł.centralny Jy0: ", "LabelGJy", 3);
  s.Row(g, 10, 0, "Label43", "Moment dewiacji centr. Jxy0: ", "LabelGJxy", 3);
  inny_ = s.Label(g->parentWidget(), "LabelInny", "Inny układ współrzędnych");
  inny_->setStyleSheet("QLabel { color: blue; text-decoration: underline; }");
  inny_->setCursor(Qt::PointingHandCursor);
  inny_->setFocusPolicy(Qt::StrongFocus);
  inny_->setToolTip("Momenty względem własnego układu współrzędnych");
  new Klik(inny_, [this] { LabelInnyClick(); });
  g->addWidget(inny_, 11, 0, 1, 4);
  QLabel* masa = s.Row(g, 12, 0, nullptr, "Masa: ", "LabelMasa", 3);
  QLabel* gamma = s.Row(g, 13, 0, nullptr, "Masa właściwa", "LabelGamma", 3);
  massRows_ = {masa, s.L("CaptionMasa"), gamma, s.L("CaptionGamma")};
  g->setRowStretch(14, 1);
  for (int col : {0, 2}) g->setColumnStretch(col, 1);

  s.cells[s.L("LabelGA")] = {slot::A, 1, " cm^2"};
  s.cells[s.L("LabelGxS")] = {slot::xS, 10, " cm"};
  s.cells[s.L("LabelGyS")] = {slot::yS, 10, " cm"};
  s.cells[s.L("LabelGJ1")] = {slot::J1, 1, " cm^4"};
  s.cells[s.L("LabelGJ2")] = {slot::J2, 1, " cm^4"};
  // FormCreate: a weighted composite has no coordinate-system tool
  inny_->setVisible(!s.model.composite);
}

void StronaGeometria::Wypelnij() {
  const PropertiesRecord& p = s_.r();
  s_.Odswiez({"LabelGA", "LabelGxS", "LabelGyS", "LabelGJ1", "LabelGJ2"});
  s_.L("LabelGAlfa")->setText(s_.Liczba(p[slot::al] * 180 / std::numbers::pi, "°"));
  const MomentyStatyczne st = MomentyStatyczneWzgledemPoczatku(p);
  s_.L("LabelGSx")->setText(s_.Liczba(st.sx, " cm^3"));
  s_.L("LabelGSy")->setText(s_.Liczba(st.sy, " cm^3"));
  const MomentyOsi central = MomentyCentralne(p);
  s_.L("LabelGJx")->setText(s_.Liczba(central.jx, " cm^4"));
  s_.L("LabelGJy")->setText(s_.Liczba(central.jy, " cm^4"));
  s_.L("LabelGJxy")->setText(s_.Liczba(central.jxy, " cm^4"));
  s_.L("LabelMasa")->setText(s_.ctx.massText);
  s_.L("LabelGamma")->setText(s_.ctx.materialText);
  for (QWidget* row : massRows_) row->setVisible(!s_.model.composite);
}

void StronaGeometria::LabelInnyClick() {
  ZmianaPytanie question;
  question.title = "Nowy układ współrzędnych";
  question.pos = s_.position();
  question.rows[0] = Pokazany(s_.ctx.osieYZ ? "początek Y0" : "początek X0",
                              ListaStan::Dwie(s_.sketch.userX0, " mm"));
  question.rows[1] = Pokazany(s_.ctx.osieYZ ? "początek Z0" : "początek Y0",
                              ListaStan::Dwie(s_.sketch.userY0, " mm"));
  question.rows[2] =
      Pokazany("kąt obrotu", QString::fromStdString(FormatLiczby(1, "°", s_.sketch.userAngle)));
  const ZmianaOdpowiedz answer = TFormZmiana::Zapytaj(question, s_.colour(), s_.w);
  if (!answer.ok) return;
  s_.position() = answer.pos;
  const std::optional<double> x0 = s_.Wpisana(answer.texts[0], " mm");
  if (!x0) return;
  const std::optional<double> y0 = s_.Wpisana(answer.texts[1], " mm");
  if (!y0) return;
  const std::optional<double> angle = s_.Wpisana(answer.texts[2], "°");
  if (!angle) return;
  s_.sketch.userX0 = *x0;
  s_.sketch.userY0 = *y0;
  s_.sketch.userAngle = *angle;

  const MomentyUzytkownika u =
      MomentyWUkladzie(s_.r(), s_.sketch.userX0, s_.sketch.userY0, s_.sketch.userAngle);
  s_.L("LabelGJx")->setText(s_.Liczba(u.j.jx, " cm^4"));
  s_.L("LabelGJy")->setText(s_.Liczba(u.j.jy, " cm^4"));
  s_.L("LabelGJxy")->setText(s_.Liczba(u.j.jxy, " cm^4"));
  s_.L("LabelGSx")->setText(s_.Liczba(u.sx, " cm^3"));
  s_.L("LabelGSy")->setText(s_.Liczba(u.sy, " cm^3"));
  s_.L("Label41")->setText(s_.ctx.osieYZ ? "Moment bezwładności Jy: " : "Moment bezwładności Jx: ");
  s_.L("Label42")->setText(s_.ctx.osieYZ ? "Moment bezwładności Jz: " : "Moment bezwładności Jy: ");
  s_.L("Label43")->setText(s_.ctx.osieYZ ? "Moment dewiacji Jyz: " : "Moment dewiacji Jxy: ");
  for (const char* n : {"Label37", "Label38", "Label41", "Label42", "Label43"})
    SetColour(s_.L(n), kLink);
  s_.sketch.userSystem = true;
  redraw_();
}

}  // namespace tarvik::ui
