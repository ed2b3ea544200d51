// tarvik-layout-pictures PROFILE.DAT OUT_DIR: the pictures of the "Zestawy" tab's layout
// buttons, OUT_DIR/BMP/2T1.BMP .. PP3.BMP. Each is the set its button builds, made by the set
// generator through the section builder from a typical member of the family and drawn by the
// section painter, so that a picture cannot show another layout than the one it stands for.
// Fails (exit 1, nothing written) naming the picture whose set cannot be built or draws
// nothing.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <string>
#include <vector>

#include "engine/numbers.h"
#include "engine/sketch.h"
#include "generators/cold_formed.h"
#include "generators/dispatch.h"
#include "generators/rolled.h"
#include "generators/sets.h"
#include "generators/tube_sizes.h"
#include "paint/section_painter.h"

using namespace tarvik;

namespace {

// a tool button's glyph; the sketch mapping fills 80 % of it, which leaves the margin
constexpr int kSize = 48;

// the spacings [mm] a layout is drawn with: horizontal, vertical
struct Spacings {
  double s = 0, v = 0;
};

struct Family {
  SetFamily family;
  const char* prefix;  // the picture names: prefix + number
  int firstNumber;     // the number of layout 1's picture (the angles count from 0)
  const char* member;  // the typical member, for the messages
  // one entry per layout: what shows the layout clearly with this member, at its smallest
  // spacing or a little more
  std::vector<Spacings> layouts;
};

// IPE 200 (b 100), channel 100 (b 50), L 60x6, L 75x50x6, tube 60,3x4, square tube 60x4,
// rectangular tube 80x40x4
const std::vector<Family>& Families() {
  static const std::vector<Family> families = {
      // flange tips touching (the box), then spaced by 60 mm; the cross takes no spacing
      {kSetI, "2T", 1, "IPE 200", {{100, 0}, {160, 0}, {0, 0}}},
      // the box takes no spacing; flanges facing with a 30 mm gap; backs 20 mm apart
      {kSetChannels, "C", 1, "C 100", {{0, 0}, {130, 0}, {20, 0}}},
      // box; legs facing 30 mm apart; a tee on a 10 mm gusset; the two point-symmetric pairs;
      // four angles of a battened column; the cross on 10 mm gussets
      {kSetEqualAngles,
       "KR",
       0,
       "L 60x6",
       {{0, 0}, {150, 0}, {10, 0}, {10, 10}, {60, 10}, {160, 160}, {10, 10}}},
      // the same for legs 75 (h, upright) and 50 (b): box; legs b facing; legs h back to back;
      // point symmetric twice; four at the corners; cross; then layouts 2, 3, 6 and 7 with the
      // legs h lying
      {kSetUnequalAngles,
       "KN",
       0,
       "L 75x50x6",
       {{0, 0},
        {130, 0},
        {10, 0},
        {10, 10},
        {50, 10},
        {140, 190},
        {10, 10},
        {180, 0},
        {10, 0},
        {190, 140},
        {10, 10}}},
      // 20 mm between the tubes in every direction but the isosceles triangle's height
      {kSetRoundTubes, "R", 1, "rura 60,3x4", {{80, 0}, {80, 0}, {80, 120}, {80, 80}}},
      {kSetSquareTubes, "PK", 1, "rura 60x4", {{80, 0}, {80, 80}}},
      // the rectangular tube stands 40 wide and 80 high, and lies when turned
      {kSetRectTubes, "PP", 1, "rura 80x40x4", {{60, 0}, {100, 0}, {60, 100}}},
  };
  return families;
}

std::string Trimmed(std::string text) {
  OczyscWymiar(text);
  return text;
}

// the member's part of a set's selection, as the member's own tab lists show it; false when
// the lists do not offer the member
bool Member(SetFamily family, Selection& set) {
  auto rolled = [&](const char* code, const char* designation) {
    Selection own;
    if (!SelectionFor(code, designation, false, own)) return false;
    set.variant = own.variant;
    set.option = own.option;
    set.setText(0, own.texts[0]);
    set.setText(1, own.texts[1]);
    return true;
  };
  auto cold = [&](ColdItem item, const char* size, const char* thickness) {
    const std::vector<std::string>& sizes = ColdSizes(item);
    for (size_t i = 0; i < sizes.size(); ++i) {
      if (Trimmed(sizes[i]) != size) continue;
      for (const std::string& t : ColdThicknesses(item, static_cast<int>(i))) {
        if (Trimmed(t) != thickness) continue;
        set.setText(0, sizes[i]);
        set.setText(1, t);
        return true;
      }
    }
    return false;
  };
  switch (family) {
    case kSetI:
      return rolled("IPE", "200");
    case kSetChannels:
      return rolled("CPN", "100");
    case kSetEqualAngles:
      return rolled("KWR", "60x6");
    case kSetUnequalAngles:
      return rolled("KWN", "75x50x6");
    case kSetRoundTubes:
      for (const TubeSize& tube : SeamlessTubeSizes()) {
        if (tube.diameter != "60,3") continue;
        for (const std::string& t : tube.thicknesses) {
          if (t != "4,0") continue;
          set.setText(0, tube.diameter);
          set.setText(1, t);
          return true;
        }
      }
      return false;
    case kSetSquareTubes:
      return cold(kColdSquareTube, "60", "4");
    case kSetRectTubes:
      return cold(kColdRectTube, "80x40", "4");
    default:
      return false;
  }
}

std::string MmText(double value) { return FormatWymiaru(0, 0, 0, value) + " mm"; }

struct Picture {
  QString name;  // "2T1"
  QImage image;
};

// the set of one layout drawn into a glyph; an empty image, with why, when it cannot be made
QImage Draw(const Family& f, int layout, const GeneratorSettings& settings, std::string& why) {
  Selection s;
  s.kind = kZestawy;
  s.sub = f.family;
  s.mode = layout;
  if (!Member(f.family, s)) {
    why = std::string("the member's lists do not offer ") + f.member;
    return {};
  }
  const Spacings& sp = f.layouts.at(layout - 1);
  s.setText(2, MmText(sp.s));
  s.setText(3, MmText(sp.v));

  SectionModel model;
  RecordingSink sink;
  SketchMapping mapping;
  Dispatcher builder;
  builder.BudujPrzekroj(model, s, settings, sink, mapping, kSize, kSize);
  for (const Komunikat& m : sink.messages())
    why += (why.empty() ? "" : "; ") + m.text + (m.detail.empty() ? "" : " " + m.detail);
  if (builder.refused() || model.figureCount < 2) {
    if (why.empty()) why = "the set generator built no set";
    return {};
  }

  QImage image(kSize, kSize, QImage::Format_RGB32);
  image.fill(Qt::white);
  paint::PaintOptions options;  // outlines only: no axes, marks, dimensions or name
  options.principalAxes = false;
  {
    QPainter painter(&image);
    paint::SectionPainter(model, mapping, options).paint(painter, QSize(kSize, kSize));
  }
  bool dark = false;
  for (int y = 0; y < kSize && !dark; ++y)
    for (int x = 0; x < kSize && !dark; ++x) dark = qGray(image.pixel(x, y)) < 128;
  if (!dark) {
    why = "the set draws nothing";
    return {};
  }
  return image;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: tarvik-layout-pictures PROFILE.DAT OUT_DIR\n");
    return 2;
  }
  // window-less: the painter needs a Gui application, never a display
  if (qgetenv("QT_QPA_PLATFORM").isEmpty()) qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(text));
  });
  QGuiApplication app(argc, argv);

  ProfileDatabase database(argv[1]);
  GeneratorSettings settings;
  settings.database = &database;
  const QDir out(QString::fromLocal8Bit(argv[2]) + "/BMP");

  // everything drawn first: one set that fails leaves the pictures of the last build alone
  std::vector<Picture> pictures;
  for (const Family& f : Families()) {
    const int layouts = SetLayouts(f.family);
    if (layouts != static_cast<int>(f.layouts.size())) {
      std::fprintf(stderr,
                   "tarvik-layout-pictures: BMP/%s*.BMP: the family has %d layouts, %zu drawn\n",
                   f.prefix, layouts, f.layouts.size());
      return 1;
    }
    for (int layout = 1; layout <= layouts; ++layout) {
      const QString name = QString("%1%2").arg(f.prefix).arg(f.firstNumber + layout - 1);
      std::string why;
      QImage image = Draw(f, layout, settings, why);
      if (image.isNull()) {
        std::fprintf(stderr, "tarvik-layout-pictures: BMP/%s.BMP (%s, layout %d): %s\n",
                     qPrintable(name), f.member, layout, why.c_str());
        return 1;
      }
      pictures.push_back({name, std::move(image)});
    }
  }

  if (!out.mkpath(".")) {
    std::fprintf(stderr, "tarvik-layout-pictures: cannot make %s\n", qPrintable(out.path()));
    return 1;
  }
  for (const Picture& p : pictures) {
    const QString path = out.filePath(p.name + ".BMP");
    if (!p.image.save(path, "BMP")) {
      std::fprintf(stderr, "tarvik-layout-pictures: cannot write %s\n", qPrintable(path));
      return 1;
    }
  }
  return 0;
}
