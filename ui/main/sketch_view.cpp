#include "ui/main/sketch_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <QRubberBand>
#include <algorithm>
#include <cmath>

namespace tarvik::ui {
namespace {

QPoint At(const SketchMapping& m, size_t i) {
  return i < m.points.size() ? QPoint(m.points[i].x, m.points[i].y) : QPoint();
}

void DrawFigures(QPainter& p, const SectionModel& model, const SketchMapping& map,
                 const SketchOptions& o) {
  const bool editing = model.kind == kZlozone || model.kind == kDowolne;
  size_t next = 1;  // screen point 0 is the centroid
  for (int f : DrawnFigures(model)) {
    const FigureRecord& fig = model.figures[f];
    const bool current = editing && f == model.currentFigure;
    QPen pen(Qt::black, current ? 2 : 1);
    const int no = fig.outerCount(), ni = fig.innerCount();
    if (no > 0) {
      QPen outer = pen;
      if (current && !o.drawingMode) outer.setColor(Qt::red);
      p.setPen(outer);
      QPolygon poly;
      for (int i = 0; i + 1 < no; ++i) poly << At(map, next + i);  // the reference point is no vertex
      // two-part cold-formed outlines close through their 28th or 36th point
      if (fig.selection[0] == kGiete && (no == 28 || no == 36)) poly << At(map, next + no - 1);
      p.drawPolygon(poly);
    }
    if (ni > 0) {
      QPen inner = pen;
      if (current && (fig.selection[0] == kZlozone || fig.selection[0] == kDowolne) &&
          !o.drawingMode)
        inner.setColor(QColor(0, 128, 0));
      else if (!current && fig.selection[0] == kDowolne)
        inner.setColor(Qt::blue);
      p.setPen(inner);
      QPolygon poly;
      for (int i = 0; i < ni; ++i) poly << At(map, next + no + i);
      p.drawPolygon(poly);
    }
    next += no + ni;
  }
}

void DrawImported(QPainter& p, const SectionModel& model) {
  int last = 0;
  for (const ImportedPoint& q : model.imported) last = std::max(last, q.figure);
  for (int f = 1; f <= last; ++f) {
    QPolygon poly;
    bool outer = true;
    for (const ImportedPoint& q : model.imported)
      if (q.figure == f) {
        poly << QPoint(q.px, q.py);
        outer = q.outer;
      }
    if (poly.isEmpty()) continue;
    const bool current = f == model.currentFigure;
    p.setPen(current ? QPen(outer ? Qt::red : QColor(0, 128, 0), 3) : QPen(Qt::black, 1));
    p.drawPolygon(poly);
  }
}

void DrawAxes(QPainter& p, const SectionModel& model, const SketchMapping& map, int W, int H,
              const SketchOptions& o) {
  const int m = (model.kind == kZlozone || model.kind == kDowolne || model.kind == kUzebrowanie)
                    ? 10 : 5;
  const double a = model.section[slot::al], c = std::cos(a), s = std::sin(a);
  const ScreenPoint c0 = map.points.empty() ? ScreenPoint{W / 2, H / 2} : map.points[0];
  const QPoint centre(c0.x, c0.y);
  p.setPen(QPen(Qt::black, 1));
  auto axis = [&](double dx, double dy, int first, int margin, const char* label, QPoint shift) {
    const ScreenPoint e = KoniecOsi(c0, dx, dy, first, margin, W, H);
    p.drawLine(centre, QPoint(e.x, e.y));
    if (label) p.drawText(QPoint(e.x, e.y) + shift + QPoint(0, p.fontMetrics().ascent()), label);
  };
  axis(c, -s, 11, m, o.osieYZ ? " y" : " x", QPoint(-5, -8));
  axis(-c, s, 2, 5, nullptr, {});
  axis(s, c, 2, 5, nullptr, {});
  axis(-s, -c, 2, m, o.osieYZ ? "z" : "y", QPoint(-3, -9));
}

}  // namespace

void RysujSzkic(QPainter& p, const SectionModel& model, const SketchMapping& map, int W, int H,
                const SketchOptions& o) {
  p.fillRect(QRect(0, 0, W, H), Qt::white);
  if (model.figures.empty()) return;
  if (model.imported.empty())
    DrawFigures(p, model, map, o);
  else
    DrawImported(p, model);
  if (!o.drawingMode) DrawAxes(p, model, map, W, H, o);
}

SketchView::SketchView(SectionModel& model, SketchMapping& mapping, QWidget* parent)
    : QWidget(parent), model_(model), mapping_(mapping) {
  setObjectName("PaintBoxSzkic");
  setAccessibleName("Szkic przekroju");
  setMinimumSize(157, 157);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void SketchView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  RysujSzkic(p, model_, mapping_, width(), height(), options_);
  emit painted();
}

void SketchView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  emit resized();
}

void SketchView::mousePressEvent(QMouseEvent* event) {
  if (!zoomMode_ || event->button() != Qt::LeftButton) return;
  origin_ = event->position().toPoint();
  if (!band_) band_ = new QRubberBand(QRubberBand::Rectangle, this);
  band_->setGeometry(QRect(origin_, QSize()));
  band_->show();
}

void SketchView::mouseMoveEvent(QMouseEvent* event) {
  if (band_ && band_->isVisible())
    band_->setGeometry(QRect(origin_, event->position().toPoint()).normalized());
}

void SketchView::mouseReleaseEvent(QMouseEvent* event) {
  if (!band_ || !band_->isVisible()) return;
  band_->hide();
  const QRect r = QRect(origin_, event->position().toPoint()).normalized();
  if (PowiekszProstokat(mapping_, width(), height(), r.left(), r.top(), r.right(), r.bottom()))
    emit zoomed();
}

// with no imported lines to move, the wheel only repaints
void SketchView::wheelEvent(QWheelEvent* event) {
  event->accept();
  update();
}

}  // namespace tarvik::ui
