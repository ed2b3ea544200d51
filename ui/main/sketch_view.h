// The sketch: one routine draws a section with its mapping onto any painter (the main
// sketch, later the results window and the printed page), and the widget PaintBoxSzkic that
// shows it with the zoom rectangle.
#pragma once

#include <QPoint>
#include <QWidget>

#include "engine/model.h"
#include "engine/sketch.h"

class QPainter;
class QRubberBand;

namespace tarvik::ui {

struct SketchOptions {
  bool osieYZ = false;       // axes named " y"/"z" instead of " x"/"y"
  bool drawingMode = false;  // the arbitrary-figure editor's drawing: no principal axes
};

// paints the drawn figures (or the imported outline) and the principal axes into a W x H
// box whose mapping was fitted by SkalujSzkic
void RysujSzkic(QPainter& painter, const SectionModel& model, const SketchMapping& mapping,
                int W, int H, const SketchOptions& options);

class SketchView : public QWidget {
  Q_OBJECT

 public:
  SketchView(SectionModel& model, SketchMapping& mapping, QWidget* parent = nullptr);

  void setOptions(const SketchOptions& options) { options_ = options; }
  // while on, a drag draws the zoom rectangle ("Powiększ")
  void setZoomMode(bool on) { zoomMode_ = on; }

 signals:
  void resized();  // the box changed size: map again
  void zoomed();   // the zoom rectangle changed zoom and pan: map again and repaint
  void painted();  // after every paint (the result panel follows the sketch)

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  SectionModel& model_;
  SketchMapping& mapping_;
  SketchOptions options_;
  bool zoomMode_ = false;
  QPoint origin_;
  QRubberBand* band_ = nullptr;
};

}  // namespace tarvik::ui
