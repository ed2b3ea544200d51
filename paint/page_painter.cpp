#include "paint/page_painter.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <cmath>

#include "engine/properties.h"

namespace tarvik::paint {
namespace {

// with a value the label ends at x + indent and the value follows it; without one the label
// starts at x + indent; y is the top of the line and moves down by step
void Linia(QPainter& p, const QString& label, const QString& value, int x, int& y, int step,
           int indent) {
  const QFontMetrics fm = p.fontMetrics();
  const int base = y + fm.ascent();
  if (value.isEmpty()) {
    p.drawText(x + indent, base, label);
  } else {
    const int end = x + indent;
    p.drawText(end - fm.horizontalAdvance(label), base, label);
    p.drawText(end, base, value);
  }
  y += step;
}

void Raport(QPainter& p, const std::vector<LiniaRaportu>& lines, int x, int y, int step, double k) {
  for (const LiniaRaportu& l : lines)
    Linia(p, QString::fromStdString(l.label), QString::fromStdString(l.value), x, y, step,
          static_cast<int>(std::lround(l.indent * k)));
}

// the font size in points, whatever the device's resolution
QFont Czcionka(const char* family, int points) {
  QFont f(family);
  f.setPointSize(points);
  return f;
}

// the section fitted to a side x side box at the painter's origin, its dimension lines moved
// out in proportion to the box
void Przekroj(QPainter& p, const Rysunek& r, int side, int m) {
  SectionModel model = *r.model;
  SketchMapping map;
  const double xS = model.section[slot::xS], yS = model.section[slot::yS];
  if (WymiaryCalkowite(model.kind)) {
    SkalujSzkic(model, map, r.szkic, r.szkic, 0, xS, yS);
    ZastapWymiaryCalkowitymi(model, map);
  }
  map = SketchMapping{};
  SkalujSzkic(model, map, side, side, 0, xS, yS);
  for (DimensionLine& d : model.dimensions)
    d.offset = static_cast<int32_t>(std::lround(static_cast<double>(d.offset) * side / r.szkic));
  ResultsSketchOptions o = r.sketch;
  o.screen = false;
  p.save();
  p.setClipRect(0, 0, side, side);
  SectionPainter(model, map, OpcjeSzkicuWynikow(o, m)).paint(p, QSize(side, side));
  p.restore();
}

QString Nazwa(const Rysunek& r) { return QString::fromStdString(r.model->section.name()); }

}  // namespace

void RysujMiejsce(QPainter& p, const Rysunek& r, const MiejsceRysunku& place) {
  const int S = place.bok;
  p.save();
  p.setFont(Czcionka("Arial", 8));
  // the section's lines are thin on a fine printer: three times the screen's, at least
  // a third of a millimetre
  const int m = std::max(3, static_cast<int>(std::lround(place.k / 3)));
  p.save();
  p.translate(place.x0, place.y0);
  Przekroj(p, r, S, m);
  p.restore();

  // the frames over the section's white box, a fifth of a millimetre wide: one pixel of a
  // fine printer is invisible
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(Qt::black, std::max(1, static_cast<int>(std::lround(place.k / 5)))));
  p.drawRect(place.x0, place.y0, S, S);
  p.drawRect(place.x0 + S, place.y0, place.prawy - place.x0 - S, S);

  p.setPen(Qt::black);
  p.setFont(Czcionka("Arial", 10));
  int y = place.y0 + 2;
  Linia(p, Nazwa(r), {}, place.x0, y, 0, static_cast<int>(std::lround(place.k)));
  // a report longer than its box (five to a page with every group) closes up and takes a
  // smaller type instead of running into the next place
  const int room = place.y0 + S - place.tekstY - static_cast<int>(std::lround(place.k));
  const int lines = static_cast<int>(r.lines.size());
  int step = place.krok;
  int points = 10;
  if (lines > 0 && lines * step > room) {
    step = std::max(1, room / lines);
    points = std::max(5, 10 * step / place.krok);
  }
  p.setFont(Czcionka("Times New Roman", points));
  Raport(p, r.lines, place.tekstX, place.tekstY, step, place.k);
  p.restore();
}

QImage ObrazSchowka(const Rysunek& r) {
  QImage image(kSchowekSzerokosc, kSchowekWysokosc, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter p(&image);
  Przekroj(p, r, kSchowekWysokosc, 1);
  // the frame over the section's white box
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(Qt::black, 1));
  p.drawRect(0, 0, kSchowekSzerokosc - 1, kSchowekWysokosc - 1);
  p.setPen(Qt::black);
  p.setFont(Czcionka("Arial", 10));
  int y = 10;
  Linia(p, Nazwa(r), {}, 10, y, 0, 0);
  p.setFont(Czcionka("Times New Roman", 10));
  const int step = p.fontMetrics().height();
  Raport(p, r.lines, 550, 20, step, kSchowekPikseliNaMm);
  return image;
}

}  // namespace tarvik::paint
