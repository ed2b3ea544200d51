#include "io/picture.h"

#include <QBuffer>
#include <QPainter>

#include "engine/sketch.h"
#include "paint/section_painter.h"

namespace tarvik {
namespace {

constexpr int kSize = 100;
constexpr int kDown = 4;  // below the name

}  // namespace

QImage ObrazekPrzekroju(const SectionModel& section) {
  QImage image(kSize, kSize, QImage::Format_RGB32);
  image.fill(Qt::white);
  SectionModel model = section;  // the mapping writes pixels into the point list
  SketchMapping map;
  SkalujSzkic(model, map, kSize, kSize, kDown, model.section[slot::xS], model.section[slot::yS]);
  paint::PaintOptions options;
  options.principalAxes = false;
  options.holesInverted = true;
  options.name = true;
  QPainter p(&image);
  QFont font = p.font();
  font.setPixelSize(11);
  p.setFont(font);
  paint::SectionPainter(model, map, options).paint(p, QSize(kSize, kSize));
  return image;
}

std::string ObrazekBmp(const SectionModel& model) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  if (!buffer.open(QIODevice::WriteOnly) || !ObrazekPrzekroju(model).save(&buffer, "BMP")) return {};
  return bytes.toStdString();
}

}  // namespace tarvik
