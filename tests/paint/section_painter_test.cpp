// The section painter drawn offscreen at a fixed size with a fixed font and compared with
// the golden pictures in tests/data within a small per-pixel tolerance. After an intended
// change of the drawing, TARVIK_UPDATE_GOLDENS=1 rewrites the goldens (look at them before
// committing).
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdlib>

#include "engine/composite.h"
#include "engine/sketch.h"
#include "generators/dispatch.h"
#include "generators/rolled.h"
#include "io/picture.h"
#include "paint/section_painter.h"
#include "tests/support/shapes.h"
#include "ui/results/results_sketch.h"

using namespace tarvik;

namespace {

constexpr int kBox = 240;

QFont FixedFont() {
  static const int id = QFontDatabase::addApplicationFont(
      "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf");
  QFont font(id >= 0 ? QFontDatabase::applicationFontFamilies(id).value(0) : "DejaVu Sans");
  font.setPixelSize(11);
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

// the model fitted to the box and painted with the options
QImage Render(SectionModel model, const paint::PaintOptions& options) {
  SketchMapping map;
  SkalujSzkic(model, map, kBox, kBox, 0, model.section[slot::xS], model.section[slot::yS]);
  if (options.dimensions && ui::WymiaryCalkowite(model.kind))
    ui::ZastapWymiaryCalkowitymi(model, map);
  QImage image(kBox, kBox, QImage::Format_RGB32);
  QPainter p(&image);
  p.setFont(FixedFont());
  paint::SectionPainter(model, map, options).paint(p, QSize(kBox, kBox));
  return image;
}

// empty when the picture matches the golden: every channel within 40 of it except on at
// most 0.3 % of the pixels (glyph edges of another FreeType)
QString Compare(const QImage& image, const QString& name) {
  const QString path = QStringLiteral(TARVIK_GOLDEN_DIR "/") + name + ".png";
  if (qEnvironmentVariableIsSet("TARVIK_UPDATE_GOLDENS")) {
    if (!image.save(path)) return "cannot write " + path;
    qInfo("rewrote %s", qPrintable(path));
    return {};
  }
  const QImage golden = QImage(path).convertToFormat(QImage::Format_RGB32);
  if (golden.isNull()) return "no golden " + path;
  if (golden.size() != image.size()) return "size differs from " + path;
  int off = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QRgb a = image.pixel(x, y), b = golden.pixel(x, y);
      if (std::abs(qRed(a) - qRed(b)) > 40 || std::abs(qGreen(a) - qGreen(b)) > 40 ||
          std::abs(qBlue(a) - qBlue(b)) > 40)
        ++off;
    }
  if (off * 1000 > 3 * image.width() * image.height()) {
    const QString saved = QDir::temp().filePath("tarvik-" + name + "-actual.png");
    image.save(saved);
    return QString("%1 pixels differ from %2 (this drawing: %3)").arg(off).arg(path, saved);
  }
  return {};
}

#define COMPARE_GOLDEN(image, name)            \
  do {                                         \
    const QString why = Compare(image, name);  \
    QVERIFY2(why.isEmpty(), qPrintable(why));  \
  } while (0)

SectionModel Ipe200() {
  static ProfileDatabase db(TARVIK_PROFILE_DATABASE);
  Selection s;
  SelectionFor("IPE", "200", false, s);
  GeneratorSettings settings;
  settings.database = &db;
  RecordingSink sink;
  SketchMapping mapping;
  SectionModel model;
  Dispatcher().BudujPrzekroj(model, s, settings, sink, mapping, kBox, kBox);
  return model;
}

// one face of a thin strip along an axis-parallel centre line, offset by d to its left;
// corner i (1..n-2) rounded by an arc of points[i] points of radius r (1: sharp)
std::vector<Point> Face(const std::vector<Point>& line, double d, double r,
                        const std::vector<int>& points) {
  auto along = [&](size_t i) {  // unit direction of segment i..i+1
    const double dx = line[i + 1].x - line[i].x, dy = line[i + 1].y - line[i].y;
    const double l = std::hypot(dx, dy);
    return Point{dx / l, dy / l};
  };
  auto normal = [&](size_t i) { return Point{-along(i).y, along(i).x}; };
  std::vector<Point> face;
  const size_t n = line.size();
  face.push_back({line[0].x + normal(0).x * d, line[0].y + normal(0).y * d});
  for (size_t i = 1; i + 1 < n; ++i) {
    const Point a = normal(i - 1), b = normal(i), u = along(i - 1), v = along(i);
    const Point c{line[i].x + (a.x + b.x) * d, line[i].y + (a.y + b.y) * d};
    const int k = points[i];
    if (k == 1) {
      face.push_back(c);
      continue;
    }
    const Point o{c.x + (v.x - u.x) * r, c.y + (v.y - u.y) * r};  // the arc's centre
    for (int j = 0; j < k; ++j) {
      const double t = test::kPi / 2 * j / (k - 1);
      face.push_back({o.x + (-v.x * std::cos(t) + u.x * std::sin(t)) * r,
                      o.y + (-v.y * std::cos(t) + u.y * std::sin(t)) * r});
    }
  }
  face.push_back({line[n - 1].x + normal(n - 2).x * d, line[n - 1].y + normal(n - 2).y * d});
  return face;
}

// the 28 points of a lipped Z 200 x 70 x 20 x 2 (mirrored: flanges the other way): the lips'
// corners rounded, the web's sharp, listed so that the 28th point is the inner corner of the
// upper flange and the web, which the outline needs
std::vector<Point> LippedZ(bool mirrored, double dx) {
  const double s = mirrored ? -1 : 1;
  std::vector<Point> line = {{s * 70, 80}, {s * 70, 100}, {0, 100},
                             {0, -100},    {-s * 70, -100}, {-s * 70, -80}};
  for (Point& q : line) q.x += dx;
  const std::vector<int> corners = {0, 5, 1, 1, 5, 0};
  std::vector<Point> outline = Face(line, 1, 4, corners);
  const std::vector<Point> back = Face(test::Reversed(line), 1, 4, corners);
  outline.insert(outline.end(), back.begin(), back.end());
  std::rotate(outline.begin(), outline.begin() + 22, outline.end());
  return outline;
}

// a cold-formed section of two parts: the lipped Z in the working figure and its mirrored
// twin back to back in figure 1, both with 28 outline points whose last closes the outline
SectionModel LippedZPair() {
  const std::vector<Point> first = LippedZ(false, 0), second = LippedZ(true, 2);
  SectionModel both;
  both.kind = kZlozone;
  for (const auto& z : {first, second}) {
    test::Compute(both, z);
    both.addFigure();
  }
  PropertiesRecord r;
  r.setName("2 Z 200");
  SumujFigury(both, true, r);

  SectionModel model;
  model.kind = kGiete;
  model.figures.resize(2);
  for (int f = 0; f < 2; ++f) {
    const std::vector<Point>& z = f == 0 ? first : second;
    FigureRecord& fig = model.figures[f];
    fig.setOuter(std::span(z).first(27), z[27]);
    fig.selection = {kGiete, 0, 2, 1, 0, 0, 0, 0};
  }
  model.section = r;
  return model;
}

SectionModel TwoFigures() {
  SectionModel model;
  model.kind = kZlozone;
  test::Compute(model, test::ISection(200, 100, 6, 10, 8));
  model.addFigure();
  test::Compute(model, test::Rectangle(160, 12, 0, 106));
  model.addFigure();
  PropertiesRecord r;
  r.setName("Złożony");
  SumujFigury(model, true, r);
  model.section = r;
  return model;
}

SectionModel PlateWithHole() {
  SectionModel model;
  model.kind = kProste;
  model.section = test::Compute(model, test::Rectangle(200, 120), test::Circle(30, 16, 40, 10));
  return model;
}

}  // namespace

class SectionPainterTest : public QObject {
  Q_OBJECT

 private slots:
  // the results window's drawing: hatched with lines, marks, axes, plastic axes, dimensions
  void hatchedResultsSketches() {
    const paint::PaintOptions o = ui::OpcjeSzkicuWynikow({});
    COMPARE_GOLDEN(Render(Ipe200(), o), "ipe200-results");
    COMPARE_GOLDEN(Render(LippedZPair(), o), "lipped-z-results");
    COMPARE_GOLDEN(Render(TwoFigures(), o), "two-figures-results");
    COMPARE_GOLDEN(Render(PlateWithHole(), o), "hole-results");
  }

  // the main sketch: outlines, the editors' current figure heavier and red, principal axes
  void outlineSketches() {
    paint::PaintOptions o;
    COMPARE_GOLDEN(Render(Ipe200(), o), "ipe200-sketch");
    COMPARE_GOLDEN(Render(LippedZPair(), o), "lipped-z-sketch");
    o.highlighted = 2;
    COMPARE_GOLDEN(Render(TwoFigures(), o), "two-figures-sketch");
  }

  // the editors' aids: underlay, grid, crosshair and picked points over the outline
  void editorAids() {
    paint::PaintOptions o;
    QImage underlay(4, 4, QImage::Format_RGB32);
    underlay.fill(QColor(255, 250, 220));
    o.underlay = underlay;
    o.grid = 20;
    o.crosshair = QPoint(150, 60);
    o.picked = {QPoint(50, 50), QPoint(190, 190)};
    COMPARE_GOLDEN(Render(PlateWithHole(), o), "hole-editor-aids");
  }

  // the saved 100 x 100 picture: both lipped Z outlines closed, the hole inverted, the name
  void savedPictures() {
    COMPARE_GOLDEN(ObrazekPrzekroju(LippedZPair()), "lipped-z-picture");
    COMPARE_GOLDEN(ObrazekPrzekroju(PlateWithHole()), "hole-picture");
  }
};

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  QGuiApplication::setFont(FixedFont());
  SectionPainterTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "section_painter_test.moc"
