// The sketch: one routine draws a section with its mapping onto any painter (the main
// sketch, later the results window and the printed page), and the widget PaintBoxSzkic that
// shows it with the zoom rectangle.
#pragma once

#include <QPoint>
#include <QRect>
#include <QStringList>
#include <vector>
#include <QWidget>
#include <optional>

#include "engine/underlay.h"

#include "engine/model.h"
#include "engine/sketch.h"

class QPainter;
class QRubberBand;

namespace tarvik::ui {

struct SketchOptions {
  bool osieYZ = false;       // axes named " y"/"z" instead of " x"/"y"
  bool drawingMode = false;  // the arbitrary-figure editor's drawing: no principal axes
  // the arbitrary-figure editor's aids
  const Podklad* lines = nullptr;
  std::vector<QPoint> gridDots;
  std::optional<QPoint> modelOrigin;
  std::vector<QPoint> polyline;
  std::optional<QPoint> rubberBand;
  bool crosshair = false;      // a cross through the mouse
  std::vector<QPoint> picked;  // the points read off the sketch [pixels]
  QStringList pickedTexts;     // and their model coordinates, beside each
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
  const SketchOptions& options() const { return options_; }
  // while on, a drag draws the zoom rectangle ("Powiększ")
  void setZoomMode(bool on) { zoomMode_ = on; }
  // while on (and zoom off), a drag draws a rectangle that reads the points inside it
  void setPickMode(bool on) { pickMode_ = on; }
  // while on, a click is a point of the polygon being drawn (clicked), not a rectangle
  void setDrawMode(bool on) { drawMode_ = on; }

 signals:
  void resized();  // the box changed size: map again
  void zoomed();   // the zoom rectangle changed zoom and pan: map again and repaint
  void painted();  // after every paint (the result panel follows the sketch)
  // the reading rectangle let go [pixels], Shift held or not
  void rectangle(QRect r, bool shift);
  void doubleClicked(QPoint p);
  void clicked(QPoint p, bool right);  // in draw mode
  void mouseAt(QPoint p);              // every move over the box
  void wheel(QPoint p, bool away);     // the wheel turned away from the user or towards

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  SectionModel& model_;
  SketchMapping& mapping_;
  SketchOptions options_;
  bool zoomMode_ = false;
  bool pickMode_ = false;
  bool drawMode_ = false;
  std::optional<QPoint> mouse_;
  bool shift_ = false;
  QPoint origin_;
  QRubberBand* band_ = nullptr;
};

}  // namespace tarvik::ui
