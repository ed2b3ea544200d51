#include "paint/section_painter.h"

#include <QFontMetrics>
#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "engine/section_kind.h"

namespace tarvik::paint {
namespace {

// the hatch colours of the figures of a section made of several
const QColor kFigureColours[] = {Qt::black,          QColor(0, 0, 160), QColor(0, 120, 0),
                                 QColor(150, 75, 0), QColor(160, 0, 0), QColor(0, 110, 110)};

int Round(double v) { return static_cast<int>(std::nearbyint(v)); }

QPoint Px(const ScreenPoint& p) { return {p.x, p.y}; }

bool Valid(const std::vector<ScreenPoint>& points, int index) {
  return index >= 0 && static_cast<size_t>(index) < points.size();
}

QPolygon Polygon(const Contour& c, const SketchMapping& map) {
  QPolygon poly;
  for (int i : c.indices)
    if (Valid(map.points, i)) poly << Px(map.points[i]);
  return poly;
}

// back-diagonal hatch ("/") as lines clipped to the polygon: a hatch brush would print grey
void Hatch(QPainter& p, const QPolygon& poly, const QColor& colour, int m) {
  QPainterPath path;
  path.addPolygon(poly);
  path.closeSubpath();
  p.save();
  p.setClipPath(path, p.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
  p.setPen(QPen(colour, m));
  const QRect r = poly.boundingRect().adjusted(-1, -1, 1, 1);
  const int step = 8 * m;
  const int first =
      static_cast<int>(std::floor(static_cast<double>(r.left() + r.top()) / step)) * step;
  for (int c = first; c <= r.right() + r.bottom() + step; c += step)
    p.drawLine(QPoint(c - r.top(), r.top()), QPoint(c - r.bottom(), r.bottom()));
  p.restore();
}

// a rectangle moved inside the box
QRect Inside(QRect r, QSize box) {
  r.moveLeft(std::clamp(r.left(), 0, std::max(0, box.width() - r.width() - 1)));
  r.moveTop(std::clamp(r.top(), 0, std::max(0, box.height() - r.height())));
  return r;
}

// text in its rectangle, on white
void Label(QPainter& p, const QRect& r, const QString& text) {
  p.fillRect(r, Qt::white);
  p.drawText(QPoint(r.left(), r.top() + p.fontMetrics().ascent()), text);
}

// text whose top-left corner is wanted at (x, y), kept inside the box, on white so that the
// lines and the hatch under it do not hide it
void TextAt(QPainter& p, QSize box, int x, int y, const QString& text) {
  const QFontMetrics fm = p.fontMetrics();
  Label(p, Inside(QRect(x, y, fm.horizontalAdvance(text), fm.height()), box), text);
}

int ArrowLength(int m) { return m > 1 ? 38 : 12; }

// an arrowhead with its point at tip: short parallel strokes along dir (a unit vector into
// the line), on either side of it
void Arrow(QPainter& p, QPointF tip, QPointF dir, int m) {
  const bool paper = m > 1;
  const int n = paper ? 6 : 2, step = paper ? 6 : 4, length = ArrowLength(m);
  const QPointF across(-dir.y(), dir.x());
  for (int i = 1; i <= n; ++i)
    for (int side : {-1, 1}) {
      const QPointF shift = across * (side * i);
      p.drawLine(QLineF(tip + dir * (step * i) + shift, tip + dir * length + shift));
    }
  p.drawLine(QLineF(tip, tip + dir * length));
}

void Cross(QPainter& p, QPoint c, int half) {
  p.drawLine(c - QPoint(half, 0), c + QPoint(half, 0));
  p.drawLine(c - QPoint(0, half), c + QPoint(0, half));
}

// two axes of 50 pixels from o, turned by angle (degrees, counter-clockwise), with arrows and
// labels
void Axes(QPainter& p, QSize box, QPoint o, double angleDeg, int m, const QString& first,
          const QString& second) {
  const double a = angleDeg * std::numbers::pi / 180;
  const int L = 50 * m;
  const QFontMetrics fm = p.fontMetrics();
  const QPointF dirs[] = {{std::cos(a), -std::sin(a)}, {-std::sin(a), -std::cos(a)}};
  const QString labels[] = {first, second};
  for (int k = 0; k < 2; ++k) {
    const QPointF end = QPointF(o) + dirs[k] * L;
    p.drawLine(QLineF(o, end));
    Arrow(p, end, -dirs[k], m);
    // the label beyond the arrow's point, centred on the axis' direction
    const QPointF at = end + dirs[k] * (fm.height() * 0.7);
    TextAt(p, box, Round(at.x() - fm.horizontalAdvance(labels[k]) / 2.0),
           Round(at.y() - fm.height() / 2.0), labels[k]);
  }
}

// one dimension line in the painter's pen colour: extension lines, the line with its
// arrowheads and the value text; a horizontal record (direction 1) or a vertical one
void Dimension(QPainter& p, const DimensionLine& line, const WymiarNaEkranie& onScreen, QSize box,
               int m) {
  const bool horizontal = line.direction == 1;
  const struct {
    QPoint p1, d1, p2, d2, mid;
  } at{Px(onScreen.p1), Px(onScreen.d1), Px(onScreen.p2), Px(onScreen.d2), Px(onScreen.mid)};
  // extension lines from the outline a little past the dimension line
  auto extension = [&](QPoint from, QPoint to) {
    const QLineF l(from, to);
    if (l.length() < 0.5) return;
    p.drawLine(QLineF(from, to + (QPointF(to - from) / l.length()) * (3 * m)));
  };
  extension(at.p1, at.d1);
  extension(at.p2, at.d2);

  const QLineF dim(at.d1, at.d2);
  const double L = dim.length();
  const int a = ArrowLength(m);
  const QPointF u =
      L > 0 ? QPointF(at.d2 - at.d1) / L : (horizontal ? QPointF(1, 0) : QPointF(0, 1));
  const bool inside = L >= 2 * a + 2 * m;
  p.drawLine(dim);
  if (L > 0) {
    if (inside) {
      Arrow(p, at.d1, u, m);
      Arrow(p, at.d2, -u, m);
    } else {  // a short line: the arrows outside, pointing in
      Arrow(p, at.d1, -u, m);
      Arrow(p, at.d2, u, m);
    }
  }
  const int beyond = inside ? 0 : a;  // how far the arrows reach past the ends

  // the text on the side of the line away from the outline, along it when it fits between
  // the ends, else level beside them
  const QString text = TekstWymiaru(line.value);
  const QFontMetrics fm = p.fontMetrics();
  const int tw = fm.horizontalAdvance(text), th = fm.height();
  const bool room = tw + 2 * m <= L;
  const bool after = line.offset >= 0;  // below a horizontal line, right of a vertical one
  if (line.direction == 2) {
    // aligned: the text beside the middle, on the offset's side of the line
    const QPointF n = QPointF(-u.y(), u.x()) * (after ? 1 : -1);
    const QPointF c = QPointF(at.mid) + n * (th / 2.0 + 2 * m);
    const int x = room ? Round(c.x() - tw / 2.0) : std::max(at.d1.x(), at.d2.x()) + beyond + m;
    TextAt(p, box, x, Round(c.y() - th / 2.0), text);
  } else if (horizontal) {
    const int y = after ? at.d1.y() + m : at.d1.y() - m - th;
    const int right = std::max(at.d1.x(), at.d2.x()), left = std::min(at.d1.x(), at.d2.x());
    int x = at.mid.x() - tw / 2;
    if (!room) {
      x = right + beyond + m;
      if (x + tw > box.width()) x = left - beyond - m - tw;
    }
    TextAt(p, box, x, y, text);
  } else if (room) {  // turned, read from the right
    const bool right = after ? at.d1.x() + 2 * m + th <= box.width() : at.d1.x() - 2 * m - th < 0;
    p.save();
    p.translate(at.mid);
    p.rotate(-90);
    const QPoint base(-tw / 2, right ? fm.ascent() + 2 * m : -fm.descent() - 2 * m);
    p.fillRect(QRect(base.x(), base.y() - fm.ascent(), tw, th), Qt::white);
    p.drawText(base, text);
    p.restore();
  } else {
    const int x = after ? at.mid.x() + m : at.mid.x() - m - tw;
    TextAt(p, box, x, at.mid.y() - th / 2, text);
  }
}

}  // namespace

std::vector<Contour> Kontury(const SectionModel& model) {
  std::vector<Contour> contours;
  if (!model.imported.empty()) {
    int last = 0;
    for (const ImportedPoint& q : model.imported) last = std::max(last, q.figure);
    for (int f = 1; f <= last; ++f) {
      Contour c;
      c.order = f - 1;
      c.figure = f;
      for (size_t i = 0; i < model.imported.size(); ++i)
        if (model.imported[i].figure == f) {
          c.indices.push_back(static_cast<int>(i) + 1);
          c.outer = model.imported[i].outer;
        }
      if (!c.indices.empty()) contours.push_back(std::move(c));
    }
    return contours;
  }
  int next = 1;  // screen point 0 is the centroid
  int order = 0;
  for (int f : DrawnFigures(model)) {
    const FigureRecord& fig = model.figures[f];
    const int no = fig.outerCount(), ni = fig.innerCount();
    if (no > 1) {
      Contour c;
      c.order = order;
      c.figure = f;
      for (int i = 0; i + 1 < no; ++i)
        c.indices.push_back(next + i);  // the reference point is no vertex
      // two-part cold-formed outlines close through their 28th or 36th point
      if (ClosesThroughLastPoint(fig)) c.indices.push_back(next + no - 1);
      contours.push_back(std::move(c));
    }
    if (ni > 0) {
      Contour c;
      c.outer = false;
      c.order = order;
      c.figure = f;
      for (int i = 0; i < ni; ++i) c.indices.push_back(next + no + i);
      contours.push_back(std::move(c));
    }
    next += no + ni;
    ++order;
  }
  return contours;
}

Point PunktModelu(const SectionModel& model, int index) {
  if (!model.imported.empty()) {
    const ImportedPoint& q = model.imported[index - 1];
    return {q.x, q.y};
  }
  int next = 1;
  for (int f : DrawnFigures(model)) {
    const FigureRecord& fig = model.figures[f];
    const int no = fig.outerCount(), ni = fig.innerCount();
    if (index < next + no) return fig.outer[index - next];
    if (index < next + no + ni) return fig.inner[index - next - no];
    next += no + ni;
  }
  return {};
}

int MarginesOsi(int kind, int m) { return BuiltUpKind(kind) ? 10 * m : 5 * m; }

QStringList TekstScianek(double wall1, double wall2) {
  auto mm = [](double cm) { return QString::number(cm * 10, 'f', 1).replace('.', ','); };
  if (wall1 == 0 && wall2 == 0) return {};
  if (wall1 == wall2) return {"g=" + mm(wall1)};
  return {"g=" + mm(wall1), "t=" + mm(wall2)};
}

void Odnosnik(QPainter& p, QSize box, QPoint at, const QStringList& lines) {
  const QFontMetrics fm = p.fontMetrics();
  int widest = 0;
  for (const QString& l : lines) widest = std::max(widest, fm.horizontalAdvance(l));
  QRect r(at.x() + 5, at.y(), widest + 5, static_cast<int>(lines.size()) * fm.height() + 2);
  if (r.right() >= box.width()) r.moveRight(at.x() - 5);
  r = Inside(r, box);
  const bool right = r.left() > at.x();
  p.drawLine(at, right ? r.topLeft() : r.topRight());
  p.fillRect(r, Qt::white);
  p.drawRect(r);
  for (qsizetype i = 0; i < lines.size(); ++i)
    p.drawText(
        QRect(r.left(), r.top() + 1 + static_cast<int>(i) * fm.height(), r.width(), fm.height()),
        Qt::AlignCenter, lines[i]);
}

QString TekstWymiaru(double value) {
  QString text = QString::number(value, 'f', 1);
  if (text.endsWith(".0")) text.chop(2);
  if (text == "-0") text = "0";
  text.replace('.', ',');
  return " " + text + " ";
}

void SectionPainter::paint(QPainter& p, QSize box) const {
  p.setCompositionMode(QPainter::CompositionMode_SourceOver);
  p.setBrush(Qt::NoBrush);
  p.fillRect(QRect(QPoint(0, 0), box), o_.colours.background);
  aids(p, box);
  if (!model_.figures.empty()) {
    figures(p);
    if (o_.principalAxes) axes(p, box);
  }
  polyline(p);
  if (!o_.midline.empty() || o_.wallLabels) {
    walls(p, box);
  } else {
    if (o_.marks) marks(p, box);
    if (o_.dimensions) dimensions(p, box);
  }
  tools(p, box);
  if (o_.name) name(p, box);
  if (o_.crosshair) {
    p.setPen(QPen(o_.colours.crosshair, 1));
    p.drawLine(QPoint(0, o_.crosshair->y()), QPoint(box.width() - 1, o_.crosshair->y()));
    p.drawLine(QPoint(o_.crosshair->x(), 0), QPoint(o_.crosshair->x(), box.height() - 1));
  }
  p.setPen(QPen(o_.colours.picked, o_.lineWidth));
  // each text beside its point, inside the box, and below the texts already written when it
  // would cover one of them (the corners of a thin plate lie close together)
  std::vector<QRect> written;
  const QFontMetrics metrics = p.fontMetrics();
  for (size_t i = 0; i < o_.picked.size(); ++i) {
    const QPoint q = o_.picked[i];
    p.drawRect(QRect(q - QPoint(2, 2), QSize(4, 4)));
    if (i >= static_cast<size_t>(o_.pickedTexts.size())) continue;
    const QString& text = o_.pickedTexts[static_cast<qsizetype>(i)];
    QRect r = metrics.boundingRect(text).translated(q + QPoint(5, -4));
    if (r.right() >= box.width()) r.moveRight(q.x() - 5);
    if (r.left() < 0) r.moveLeft(0);
    if (r.top() < 0) r.moveTop(0);
    for (size_t tries = 0; tries < written.size(); ++tries) {
      const auto hit = std::find_if(written.begin(), written.end(),
                                    [&r](const QRect& w) { return w.intersects(r); });
      if (hit == written.end()) break;
      r.moveTop(hit->bottom() + 1);
    }
    written.push_back(r);
    p.drawText(r, Qt::AlignLeft | Qt::AlignVCenter, text);
  }
  p.setPen(QPen(Qt::black, 1));
}

void SectionPainter::aids(QPainter& p, QSize box) const {
  if (!o_.underlay.isNull()) p.drawImage(QRect(QPoint(0, 0), box), o_.underlay);
  if (o_.grid > 0) {
    p.setPen(QPen(o_.colours.grid, 1));
    for (int x = 0; x < box.width(); x += o_.grid) p.drawLine(x, 0, x, box.height() - 1);
    for (int y = 0; y < box.height(); y += o_.grid) p.drawLine(0, y, box.width() - 1, y);
  }
  if (o_.lines) {
    p.setPen(QPen(o_.colours.lines, 1));
    for (const OdcinekPodkladu& s : o_.lines->odcinki) p.drawLine(s.px1, s.py1, s.px2, s.py2);
    p.setPen(QPen(o_.colours.outline, 1));
    for (const OdcinekPodkladu& s : o_.lines->odcinki) {
      p.drawPoint(s.px1, s.py1);
      p.drawPoint(s.px2, s.py2);
    }
  }
  if (!o_.gridDots.empty()) {
    p.setPen(QPen(o_.colours.outline, 1));
    p.drawPoints(o_.gridDots.data(), static_cast<int>(o_.gridDots.size()));
  }
  if (o_.modelOrigin) {
    p.setPen(QPen(o_.colours.modelAxes, 1));
    p.drawLine(o_.modelOrigin->x(), 0, o_.modelOrigin->x(), box.height() - 1);
    p.drawLine(0, o_.modelOrigin->y(), box.width() - 1, o_.modelOrigin->y());
  }
}

void SectionPainter::polyline(QPainter& p) const {
  if (o_.polyline.empty()) return;
  p.setPen(QPen(o_.colours.polyline, 3));
  for (size_t i = 1; i < o_.polyline.size(); ++i) p.drawLine(o_.polyline[i - 1], o_.polyline[i]);
  if (o_.polyline.size() == 1) p.drawPoint(o_.polyline.front());
  if (o_.rubberBand) {
    p.setPen(QPen(o_.colours.outline, 1));
    p.drawLine(o_.polyline.back(), *o_.rubberBand);
  }
}

void SectionPainter::figures(QPainter& p) const {
  const std::vector<Contour> contours = Kontury(model_);
  const bool imported = !model_.imported.empty();
  int figures = 0;
  for (const Contour& c : contours) figures = std::max(figures, c.order + 1);
  auto draw = [&](const Contour& c) {
    const QPolygon poly = Polygon(c, map_);
    if (o_.hatched) {
      if (poly.size() < 2) return;
      if (c.outer) {
        const int n = static_cast<int>(std::size(kFigureColours));
        Hatch(p, poly, figures > 1 ? kFigureColours[c.order % n] : o_.colours.outline, o_.m);
        p.setBrush(Qt::NoBrush);
      } else {
        p.setBrush(o_.colours.background);
      }
      p.setPen(QPen(o_.colours.outline, o_.outlineWidth));
      p.drawPolygon(poly);
      p.setBrush(Qt::NoBrush);
      return;
    }
    // plain outlines, the highlighted figure heavier and in its colours
    const bool current = c.figure == o_.highlighted;
    QPen pen(o_.colours.outline, o_.outlineWidth);
    if (imported) {
      if (current)
        pen = QPen(c.outer ? o_.colours.highlightOuter : o_.colours.highlightInner,
                   o_.importedHighlightWidth);
    } else {
      const int kind = model_.figures[c.figure].selection[0];
      if (current) pen.setWidth(o_.highlightWidth);
      if (current && o_.highlightColours && (c.outer || EditorKind(kind)))
        pen.setColor(c.outer ? o_.colours.highlightOuter : o_.colours.highlightInner);
      else if (!current && !c.outer && kind == kDowolne)
        pen.setColor(o_.colours.otherInner);
    }
    p.setPen(pen);
    if (o_.holesInverted && !c.outer) {
      // holes inverted where they cross the outline, then back to plain drawing
      p.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
      p.drawPolygon(poly);
      p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    } else {
      p.drawPolygon(poly);
    }
  };
  if (!imported || !o_.hatched) {
    for (const Contour& c : contours) draw(c);  // each figure's hole right after its outline
  } else {
    for (const Contour& c : contours)
      if (c.outer) draw(c);
    for (const Contour& c : contours)
      if (!c.outer) draw(c);
  }
}

void SectionPainter::axes(QPainter& p, QSize box) const {
  const int W = box.width(), H = box.height(), m = o_.m;
  const PropertiesRecord& r = model_.section;
  const double a = r[slot::al], ca = std::cos(a), sa = std::sin(a);
  const ScreenPoint c0 = map_.points.empty() ? ScreenPoint{W / 2, H / 2} : map_.points[0];
  // the labelled ends keep a wider margin for the built-up kinds, the others 5 pixels
  const int margin = MarginesOsi(model_.kind, m);
  const QFontMetrics fm = p.fontMetrics();
  const QString first = o_.osieYZ ? " y" : (o_.boxedAxisLabels ? "x/z" : " x");
  const QString second = o_.osieYZ ? "z" : "y";
  struct Pending {
    QRect rect;
    QString text;
    QColor colour;
  };
  std::vector<Pending> labels;
  std::vector<QRect> taken;
  // an axis from a point to the inner box's edge, and where its label would stand there
  auto axis = [&](ScreenPoint from, double dx, double dy, int start, int edge,
                  const QString& label) {
    const ScreenPoint e = KoniecOsi(from, dx, dy, start, edge, W, H);
    p.drawLine(Px(from), Px(e));
    return std::pair(e, Inside(QRect(e.x - 5 * m, e.y - fm.height() - m,
                                     fm.horizontalAdvance(label), fm.height()),
                               box));
  };
  p.setPen(QPen(o_.colours.axes, o_.lineWidth));
  const auto [e1, r1] = axis(c0, ca, -sa, 11 * m, margin, first);
  axis(c0, -ca, sa, 2, 5 * m, {});
  axis(c0, sa, ca, 2, 5 * m, {});
  const auto [e2, r2] = axis(c0, -sa, -ca, 2, margin, second);
  if (!o_.boxedAxisLabels) {
    // the labels at fixed offsets from the ends, over whatever is there
    const int ascent = fm.ascent();
    p.drawText(QPoint(e1.x - 5, e1.y - 8 + ascent), first);
    p.drawText(QPoint(e2.x - 3, e2.y - 9 + ascent), second);
    return;
  }
  taken = {r1, r2};
  labels = {{r1, first, o_.colours.axes}, {r2, second, o_.colours.axes}};
  auto labelAll = [&] {
    for (const Pending& l : labels) {
      p.setPen(QPen(l.colour, o_.lineWidth));
      Label(p, l.rect, l.text);
    }
  };

  // the plastic axes: the centroid moved by the offsets along the principal axes; their
  // labels stand at the same ends as the principal axes' ones, moved clear of them towards
  // the plastic axis' side
  if (!o_.plasticAxes || model_.kind == kDrewniane) return labelAll();
  const double s = map_.scale * map_.zoom;
  p.setPen(QPen(o_.colours.plastic, o_.lineWidth));
  auto clear = [&](QRect rect, bool across, int side) {
    for (int attempt = 0; attempt < 2; ++attempt, side = -side) {
      QRect moved = rect;
      for (const QRect& t : taken)
        if (moved.intersects(t)) {
          if (across)
            side < 0 ? moved.moveRight(t.left() - 4 * m) : moved.moveLeft(t.right() + 4 * m);
          else
            side < 0 ? moved.moveBottom(t.top() - 2 * m) : moved.moveTop(t.bottom() + 2 * m);
        }
      moved = Inside(moved, box);
      if (std::none_of(taken.begin(), taken.end(),
                       [&](const QRect& t) { return moved.intersects(t); }))
        return moved;
    }
    return rect;
  };
  if (r[slot::xpl] != 0) {
    const ScreenPoint at{c0.x + Round(-r[slot::xpl] * ca * s), c0.y + Round(r[slot::xpl] * sa * s)};
    axis(at, sa, ca, 0, margin, {});
    const QRect rect =
        clear(axis(at, -sa, -ca, 0, margin, "pl").second, true, at.x < c0.x ? -1 : 1);
    labels.push_back({rect, "pl", o_.colours.plastic});
    taken.push_back(rect);
  }
  if (r[slot::ypl] != 0) {
    const ScreenPoint at{c0.x + Round(r[slot::ypl] * sa * s), c0.y + Round(r[slot::ypl] * ca * s)};
    axis(at, -ca, sa, 0, margin, {});
    labels.push_back({clear(axis(at, ca, -sa, 0, margin, "pl").second, false, at.y < c0.y ? -1 : 1),
                      "pl", o_.colours.plastic});
  }
  labelAll();
}

void SectionPainter::marks(QPainter& p, QSize box) const {
  // an empty section shows its axes only
  if (map_.points.size() < 2) return;
  const int H = box.height(), m = o_.m;
  const QFontMetrics fm = p.fontMetrics();
  const QPen pen(o_.colours.marks, o_.lineWidth);
  p.setPen(pen);
  const QString first = o_.osieYZ ? "Y" : "X", second = o_.osieYZ ? "Z" : "Y";
  const int half = 4 * m;

  // the drawing origin
  const QPoint origin = Px(NaEkran(map_, H, 0, 0));
  if (o_.originAxes) {
    Cross(p, origin, 3);
    Axes(p, box, origin, 0, m, first, second);
  }
  TextAt(p, box, origin.x() - fm.horizontalAdvance("P") - 2 * m, origin.y() + 2 * m, "P");

  // the centroid
  const QPoint c = Px(map_.points[0]);
  Cross(p, c, half);
  TextAt(p, box, c.x() + 2 * m, c.y() + 2 * m, "S");

  // the shear centre, where the section has one of its own
  const PropertiesRecord& r = model_.section;
  const bool shear = !model_.flags[3] && model_.kind != kDrewniane && model_.kind != kZelbetowe;
  if (o_.shearCentre) {
    // a computed centre of a symmetric section lies a rounding error off the centroid
    const QPoint t = Px(NaEkran(map_, H, o_.shearCentre->x, o_.shearCentre->y));
    if (t != c) {
      Cross(p, t, half);
      TextAt(p, box, t.x() + 2 * m, t.y() + 2 * m, "T");
    }
  } else if (shear && (std::fabs(r[slot::xT] - r[slot::xS]) > 1e-6 ||
                       std::fabs(r[slot::yT] - r[slot::yS]) > 1e-6)) {
    const QPoint t = Px(NaEkran(map_, H, r[slot::xT], r[slot::yT]));
    Cross(p, t, half);
    TextAt(p, box, t.x() + 2 * m, t.y() + 2 * m, "T");
  }

  // the user's coordinate system
  if (o_.userSystem) {
    if (o_.userInUserColour) p.setPen(QPen(o_.colours.user, o_.lineWidth));
    const QPoint u = Px(NaEkran(map_, H, o_.userX0, o_.userY0));
    Cross(p, u, 3);
    Axes(p, box, u, o_.userAngle, m, first, second);
    p.setPen(pen);
  }
}

void SectionPainter::dimensions(QPainter& p, QSize box) const {
  p.setPen(QPen(o_.colours.dimensions, o_.lineWidth));
  for (const DimensionLine& line : model_.dimensions) {
    WymiarNaEkranie at;
    if (PolozenieWymiaru(line, map_.points, at)) Dimension(p, line, at, box, o_.m);
  }
}

void SectionPainter::tools(QPainter& p, QSize box) const {
  if (o_.provisional) {
    WymiarNaEkranie at;
    p.setPen(QPen(o_.colours.dimensions, o_.lineWidth));
    if (PolozenieWymiaru(*o_.provisional, map_.points, at))
      Dimension(p, *o_.provisional, at, box, o_.m);
  }
  if (o_.rubberLine) {
    p.setPen(QPen(o_.colours.crosshair, 1));
    p.drawLine(*o_.rubberLine);
  }
  if (o_.selectionWindow) {
    p.setPen(QPen(o_.colours.outline, 1, Qt::DotLine));
    p.drawRect(*o_.selectionWindow);
  }
}

void SectionPainter::walls(QPainter& p, QSize box) const {
  // the walls' thicknesses first, so that the traced midline stays on top
  if (o_.wallLabels && model_.imported.empty()) {
    p.setPen(QPen(o_.colours.outline, 1));
    for (int f : DrawnFigures(model_)) {
      const FigureRecord& fig = model_.figures[static_cast<size_t>(f)];
      const QStringList lines = TekstScianek(fig.wall1, fig.wall2);
      if (lines.isEmpty() || fig.outerCount() < 1) continue;
      const Point ref = fig.outer[static_cast<size_t>(fig.outerCount() - 1)];
      Odnosnik(p, box, Px(NaEkran(map_, box.height(), ref.x, ref.y)), lines);
    }
  }
  p.setPen(QPen(Qt::blue, 1));
  for (size_t i = 1; i < o_.midline.size(); ++i) p.drawLine(o_.midline[i - 1], o_.midline[i]);
  p.setPen(QPen(Qt::red, 3));
  for (const QPoint& q : o_.midline) Cross(p, q, 5);
}

void SectionPainter::name(QPainter& p, QSize box) const {
  const QString text = QString::fromStdString(model_.section.name());
  p.setPen(QPen(o_.colours.name, 1));
  const int width = p.fontMetrics().horizontalAdvance(text);
  p.drawText(QPoint(box.width() / 2 - width / 2, p.fontMetrics().ascent()), text);
}

}  // namespace tarvik::paint
