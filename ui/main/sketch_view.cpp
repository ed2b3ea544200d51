#include "ui/main/sketch_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <QRubberBand>

#include "engine/section_kind.h"
#include "paint/section_painter.h"

namespace tarvik::ui {
void RysujSzkic(QPainter& p, const SectionModel& model, const SketchMapping& map, int W, int H,
                const SketchOptions& o) {
  paint::PaintOptions options;
  options.osieYZ = o.osieYZ;
  options.principalAxes = !o.drawingMode;
  // the editors' current figure is drawn heavier, in colour unless the drawing mode is on
  const bool editing = EditorKind(model.kind);
  if (editing || !model.imported.empty()) options.highlighted = model.currentFigure;
  options.highlightColours = !model.imported.empty() || !o.drawingMode;
  options.lines = o.lines;
  options.gridDots = o.gridDots;
  options.modelOrigin = o.modelOrigin;
  options.polyline = o.polyline;
  options.rubberBand = o.rubberBand;
  options.picked = o.picked;
  options.pickedTexts = o.pickedTexts;
  paint::SectionPainter(model, map, options).paint(p, QSize(W, H));
}

SketchView::SketchView(SectionModel& model, SketchMapping& mapping, QWidget* parent)
    : QWidget(parent), model_(model), mapping_(mapping) {
  setObjectName("PaintBoxSzkic");
  setAccessibleName("Szkic przekroju");
  setMinimumSize(157, 157);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  setMouseTracking(true);
}

void SketchView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  SketchOptions o = options_;
  // the rubber band runs from the polygon's last point to the mouse
  if (mouse_ && !o.polyline.empty()) o.rubberBand = *mouse_;
  RysujSzkic(p, model_, mapping_, width(), height(), o);
  if (o.crosshair && mouse_) {
    p.setPen(QPen(QColor(0, 0, 255), 1));
    p.drawLine(0, mouse_->y(), width() - 1, mouse_->y());
    p.drawLine(mouse_->x(), 0, mouse_->x(), height() - 1);
  }
  emit painted();
}

void SketchView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  emit resized();
}

void SketchView::mousePressEvent(QMouseEvent* event) {
  if (drawMode_) {
    if (event->button() == Qt::LeftButton || event->button() == Qt::RightButton)
      emit clicked(event->position().toPoint(), event->button() == Qt::RightButton);
    return;
  }
  if (!(zoomMode_ || pickMode_) || event->button() != Qt::LeftButton) return;
  shift_ = event->modifiers() & Qt::ShiftModifier;
  origin_ = event->position().toPoint();
  if (!band_) band_ = new QRubberBand(QRubberBand::Rectangle, this);
  band_->setGeometry(QRect(origin_, QSize()));
  band_->show();
}

void SketchView::mouseMoveEvent(QMouseEvent* event) {
  mouse_ = event->position().toPoint();
  emit mouseAt(*mouse_);
  if (options_.crosshair) update();
  if (band_ && band_->isVisible())
    band_->setGeometry(QRect(origin_, event->position().toPoint()).normalized());
}

void SketchView::mouseReleaseEvent(QMouseEvent* event) {
  if (!band_ || !band_->isVisible()) return;
  band_->hide();
  const QRect r = QRect(origin_, event->position().toPoint()).normalized();
  if (!zoomMode_) {
    emit rectangle(r, shift_);
    return;
  }
  if (PowiekszProstokat(mapping_, width(), height(), r.left(), r.top(), r.right(), r.bottom()))
    emit zoomed();
}

void SketchView::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit doubleClicked(event->position().toPoint());
}

// the editor zooms an underlay it draws over; otherwise the wheel only repaints
void SketchView::wheelEvent(QWheelEvent* event) {
  event->accept();
  if (const int turn = event->angleDelta().y(); turn != 0)
    emit wheel(event->position().toPoint(), turn > 0);
  update();
}

}  // namespace tarvik::ui
