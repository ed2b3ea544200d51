#include "io/picture.h"

#include <QBuffer>
#include <QPainter>

#include "engine/sketch.h"

namespace tarvik {
namespace {

constexpr int kSize = 100;
constexpr int kDown = 4;  // below the name

QPolygon Contour(const SketchMapping& map, size_t first, int count) {
  QPolygon poly;
  for (int i = 0; i < count; ++i) {
    const ScreenPoint& p = map.points.at(first + i);
    poly << QPoint(p.x, p.y);
  }
  return poly;
}

}  // namespace

QImage ObrazekPrzekroju(const SectionModel& section) {
  QImage image(kSize, kSize, QImage::Format_RGB32);
  image.fill(Qt::white);
  SectionModel model = section;  // the mapping writes pixels into the point list
  SketchMapping map;
  SkalujSzkic(model, map, kSize, kSize, kDown, model.section[slot::xS], model.section[slot::yS]);
  QPainter p(&image);
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(Qt::NoBrush);
  if (!model.imported.empty()) {
    int last = 0;
    for (const ImportedPoint& q : model.imported) last = std::max(last, q.figure);
    for (int f = 1; f <= last; ++f) {
      QPolygon poly;
      for (const ImportedPoint& q : model.imported)
        if (q.figure == f) poly << QPoint(q.px, q.py);
      if (poly.size() > 1) p.drawPolygon(poly);
    }
  } else {
    size_t next = 1;  // screen point 0 is the centroid
    for (int f : DrawnFigures(model)) {
      const FigureRecord& fig = model.figures[f];
      const int no = fig.outerCount(), ni = fig.innerCount();
      if (no > 1) p.drawPolygon(Contour(map, next, no - 1));  // the reference point is no vertex
      if (ni > 0) {
        // holes inverted where they cross the outline, then back to plain drawing
        p.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
        p.drawPolygon(Contour(map, next + no, ni));
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
      }
      next += no + ni;
    }
  }
  const QString name = QString::fromStdString(model.section.name());
  QFont font = p.font();
  font.setPixelSize(11);
  p.setFont(font);
  const int width = p.fontMetrics().horizontalAdvance(name);
  p.drawText(QPoint(kSize / 2 - width / 2, p.fontMetrics().ascent()), name);
  return image;
}

std::string ObrazekBmp(const SectionModel& model) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  if (!buffer.open(QIODevice::WriteOnly) || !ObrazekPrzekroju(model).save(&buffer, "BMP")) return {};
  return bytes.toStdString();
}

}  // namespace tarvik
