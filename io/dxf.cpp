#include "io/dxf.h"

#include <dl_creationadapter.h>
#include <dl_dxf.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <fstream>
#include <numbers>
#include <optional>
#include <sstream>

namespace tarvik {
namespace {

constexpr std::string_view kBadForm = "Niewłaściwa postać pliku";

// a refusal naming the line: "(name, wiersz 17: why)"
struct Fault {
  int line = 0;
  std::string why;
};

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

// the file's lines, ended by LF, CR LF or CR
class Lines {
 public:
  explicit Lines(std::string_view content) : rest_(content) {}

  bool AtEnd() const { return rest_.empty(); }
  // only blanks and line ends are left (writers often end with an empty line)
  bool OnlyBlanksLeft() const {
    return rest_.find_first_not_of(" \t\r\n") == std::string_view::npos;
  }
  int number() const { return number_; }

  std::optional<Fault> Next(std::string_view& line) {
    ++number_;
    const size_t end = rest_.find_first_of("\r\n");
    line = rest_.substr(0, end);
    if (end == std::string_view::npos)
      rest_ = {};
    else
      rest_.remove_prefix(end + (rest_.substr(end, 2) == "\r\n" ? 2 : 1));
    if (line.size() > kMaxDxfLine)
      return Fault{number_, "wiersz dłuższy niż " + std::to_string(kMaxDxfLine) + " znaków"};
    return std::nullopt;
  }

 private:
  std::string_view rest_;
  int number_ = 0;
};

struct Pair {
  int code = 0;
  std::string value;  // trimmed; a real value in the shortest form that reads back exactly
  int line = 0;       // the value's line
};

bool RealCode(int code) {
  return (code >= 10 && code <= 59) || (code >= 110 && code <= 149) ||
         (code >= 210 && code <= 239) || (code >= 460 && code <= 469) ||
         (code >= 1010 && code <= 1059);
}

// a finite decimal number with a point; written back so that libdxflib reads the same value
std::optional<std::string> Real(std::string_view text) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  double v = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), v);
  if (text.empty() || error != std::errc{} || end != text.data() + text.size() || !std::isfinite(v))
    return std::nullopt;
  char buffer[64];
  auto written = std::to_chars(buffer, buffer + sizeof buffer, v);
  return std::string(buffer, written.ptr);
}

bool Integer(std::string_view text, int& value) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return !text.empty() && error == std::errc{} && end == text.data() + text.size();
}

// the next code/value pair, or nothing at the physical end of the file
std::optional<Fault> NextPair(Lines& lines, std::optional<Pair>& pair) {
  pair.reset();
  if (lines.OnlyBlanksLeft()) return std::nullopt;
  std::string_view code, value;
  if (auto f = lines.Next(code)) return f;
  Pair p;
  if (!Integer(Trim(code), p.code))
    return Fault{lines.number(), "kod grupy nie jest liczbą całkowitą"};
  if (lines.AtEnd()) return Fault{lines.number(), "kod grupy bez wartości"};
  if (auto f = lines.Next(value)) return f;
  p.line = lines.number();
  p.value = std::string(Trim(value));
  pair = std::move(p);
  return std::nullopt;
}

// an entity of an ENTITIES section: its name, the line of the name, the pairs that follow
struct Entity {
  std::string type;
  int line = 0;
  std::vector<Pair> pairs;
};

bool Drawn(const std::string& type) {
  return type == "LINE" || type == "POLYLINE" || type == "VERTEX" || type == "SEQEND" ||
         type == "LWPOLYLINE" || type == "ARC" || type == "CIRCLE";
}

// the codes the geometry needs (z, layers, colours, widths stay behind)
bool Forwarded(int code) {
  return code == 10 || code == 20 || code == 11 || code == 21 || code == 40 || code == 42 ||
         code == 50 || code == 51 || code == 70 || code == 210 || code == 220 || code == 230;
}

// a pair of a drawn entity: real codes must hold finite numbers, the flags an integer
std::optional<Fault> CheckValue(Pair& p) {
  if (RealCode(p.code)) {
    std::optional<std::string> real = Real(p.value);
    if (!real) return Fault{p.line, "wartość nie jest liczbą"};
    p.value = std::move(*real);
  } else if (p.code == 70) {
    int flags = 0;
    if (!Integer(p.value, flags)) return Fault{p.line, "wartość nie jest liczbą całkowitą"};
  }
  return std::nullopt;
}

struct Vertex {
  double x = 0, y = 0, bulge = 0;
};

// receives libdxflib's entities and turns them into segments; the line of the entity whose
// callbacks come next is set before each is handed over, so that a fault can name it
class Collector : public DL_CreationAdapter {
 public:
  int line = 0;
  std::vector<OdcinekPodkladu> segments;
  std::optional<Fault> fault;

  void addLine(const DL_LineData& d) override {
    EndPolyline();
    Add(d.x1, d.y1, d.x2, d.y2, false, line);  // LINE is in world coordinates
  }
  void addArc(const DL_ArcData& d) override {
    EndPolyline();
    // counter-clockwise from the start angle to the end angle; equal angles are a full turn
    double sweep = std::fmod(d.angle2 - d.angle1, 360.0);
    if (sweep <= 0) sweep += 360;
    Circle(d.cx, d.cy, d.radius, d.angle1 * std::numbers::pi / 180, sweep * std::numbers::pi / 180);
  }
  void addCircle(const DL_CircleData& d) override {
    EndPolyline();
    Circle(d.cx, d.cy, d.radius, 0, 2 * std::numbers::pi);
  }
  void addPolyline(const DL_PolylineData& d) override {
    EndPolyline();
    open_ = Plane(mirror_);
    closed_ = (d.flags & 1) != 0;
    polylineLine_ = line;
    vertices_.clear();
  }
  void addVertex(const DL_VertexData& d) override {
    if (open_) vertices_.push_back({d.x, d.y, d.bulge});
  }
  void endEntity() override { EndPolyline(); }
  void Finish() { EndPolyline(); }

 private:
  // the entity's extrusion: +z as drawn, -z mirrors the x of its own coordinates
  bool Plane(bool& mirror) {
    const double* n = getExtrusion()->getDirection();
    const double length = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
    if (!(length > 0) || std::abs(n[0]) > 1e-9 * length || std::abs(n[1]) > 1e-9 * length) {
      Fail(line, "obiekt nie leży w płaszczyźnie XY");
      return false;
    }
    mirror = n[2] < 0;
    return true;
  }

  void Fail(int at, std::string why) {
    if (!fault) fault = Fault{at, std::move(why)};
  }

  void Add(double x1, double y1, double x2, double y2, bool mirror, int at) {
    if (fault) return;
    if (segments.size() >= kMaxDxfSegments)
      return Fail(at, "więcej niż " + std::to_string(kMaxDxfSegments) + " odcinków");
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2))
      return Fail(at, "współrzędne poza zakresem");
    const double m = mirror ? -1 : 1;
    segments.push_back({m * x1, y1, m * x2, y2});
  }

  // chords of the arc round (cx, cy) from angle a0 sweeping sweep [rad, + counter-clockwise]
  void Arc(double cx, double cy, double r, double a0, double sweep, bool mirror, int at) {
    const int n = LiczbaCieciw(r, sweep);
    double x = cx + r * std::cos(a0), y = cy + r * std::sin(a0);
    for (int k = 1; k <= n && !fault; ++k) {
      const double a = a0 + sweep * k / n;
      const double nx = cx + r * std::cos(a), ny = cy + r * std::sin(a);
      Add(x, y, nx, ny, mirror, at);
      x = nx;
      y = ny;
    }
  }

  void Circle(double cx, double cy, double r, double a0, double sweep) {
    bool mirror = false;
    if (!Plane(mirror)) return;
    if (!(r > 0)) return Fail(line, "łuk o promieniu niedodatnim");
    Arc(cx, cy, r, a0, sweep, mirror, line);
  }

  // from a to b: straight, or with a bulge tan(θ/4) an arc of included angle θ = 4 atan(bulge),
  // counter-clockwise when positive; its ends are the vertices themselves
  void Bulge(const Vertex& a, const Vertex& b) {
    const double c = std::hypot(b.x - a.x, b.y - a.y);
    const double theta = 4 * std::atan(a.bulge);
    const double r = c / (2 * std::abs(std::sin(theta / 2)));
    if (std::abs(a.bulge) < 1e-12 || !(c > 0) || !std::isfinite(r))
      return Add(a.x, a.y, b.x, b.y, mirror_, polylineLine_);
    // the centre lies off the chord's middle, to the left for a positive bulge
    const double off = c / 2 * (1 - a.bulge * a.bulge) / (2 * a.bulge);
    const double ux = (b.x - a.x) / c, uy = (b.y - a.y) / c;
    const double cx = (a.x + b.x) / 2 - uy * off, cy = (a.y + b.y) / 2 + ux * off;
    const int n = LiczbaCieciw(r, theta);
    const double a0 = std::atan2(a.y - cy, a.x - cx);
    double x = a.x, y = a.y;
    for (int k = 1; k <= n && !fault; ++k) {
      const double t = a0 + theta * k / n;
      const double nx = k == n ? b.x : cx + r * std::cos(t),
                   ny = k == n ? b.y : cy + r * std::sin(t);
      Add(x, y, nx, ny, mirror_, polylineLine_);
      x = nx;
      y = ny;
    }
  }

  // consecutive vertices joined; a polyline flagged closed (bit 1 of code 70) also from the
  // last vertex back to the first, as CAD programs mean it
  void EndPolyline() {
    if (!open_) return;
    open_ = false;
    for (size_t i = 0; i + 1 < vertices_.size(); ++i) Bulge(vertices_[i], vertices_[i + 1]);
    if (closed_ && vertices_.size() > 1) Bulge(vertices_.back(), vertices_.front());
    vertices_.clear();
  }

  bool open_ = false, closed_ = false, mirror_ = false;
  int polylineLine_ = 0;
  std::vector<Vertex> vertices_;
};

// hands the entities to libdxflib pair by pair
class Feeder {
 public:
  Feeder() {
    // libdxflib keeps its parsing state in members that only in() sets up: in() on an empty
    // stream does that and reads nothing. The file itself never goes through in(), whose line
    // reader hangs on long lines and whose number reader leaves garbage on bad values.
    std::istringstream empty;
    dxf_.in(empty, &collector_);
  }

  Collector& collector() { return collector_; }

  void Hand(const Entity& e) {
    // the name ends the previous entity: its callbacks come now and name its line
    collector_.line = previousLine_;
    Send(0, e.type);
    collector_.line = e.line;
    previousLine_ = e.line;
    if (e.type == "LWPOLYLINE") {
      // libdxflib sizes its vertex array from code 90: give it the real count
      const auto count =
          std::count_if(e.pairs.begin(), e.pairs.end(), [](const Pair& p) { return p.code == 10; });
      Send(90, std::to_string(count));
    }
    for (const Pair& p : e.pairs)
      if (Forwarded(p.code)) Send(p.code, p.value);
  }

  // a last EOF flushes the last entity, written or not
  void End() {
    collector_.line = previousLine_;
    Send(0, "EOF");
    collector_.Finish();
  }

 private:
  // one checked pair through readDxfGroups on a two-line stream rather than processDXFGroup:
  // the polyline vertex handler reads the pair from members that only readDxfGroups sets. The
  // lines are short (a name, an integer or a number in its shortest form), so its 1024-byte
  // line reader cannot stall, and one pair is one call.
  void Send(int code, const std::string& value) {
    pair_.clear();
    pair_.str(std::to_string(code) + "\n" + value + "\n");
    dxf_.readDxfGroups(pair_, &collector_);
  }

  DL_Dxf dxf_;
  Collector collector_;
  std::istringstream pair_;
  int previousLine_ = 0;
};

// the walk over the sections: entities of ENTITIES sections are collected and, when hand is
// set, handed over (a first walk without handing checks the whole file and its counts quickly)
class Reader {
 public:
  Reader(std::string_view content, bool hand) : lines_(content), hand_(hand) {}

  std::optional<Fault> Run() {
    std::optional<Pair> p;
    for (;;) {
      if (auto f = NextPair(lines_, p)) return f;
      if (!p || (p->code == 0 && p->value == "EOF")) break;
      if (auto f = Take(*p)) return f;
      if (feeder_.collector().fault) return feeder_.collector().fault;
    }
    if (auto f = Close()) return f;
    if (hand_) feeder_.End();
    return feeder_.collector().fault;
  }

  std::vector<OdcinekPodkladu>& segments() { return feeder_.collector().segments; }

 private:
  std::optional<Fault> Take(Pair& p) {
    if (p.code == 0) {
      if (auto f = Close()) return f;
      if (p.value == "SECTION") named_ = true;
      if (p.value == "ENDSEC") inEntities_ = false;
      if (inEntities_ && p.value != "ENDSEC") Open(p);
      return std::nullopt;
    }
    if (named_ && p.code == 2) inEntities_ = p.value == "ENTITIES";
    named_ = false;
    if (!entity_) return std::nullopt;
    if (auto f = CheckValue(p)) return f;
    if (entity_->type == "LWPOLYLINE" && p.code == 10 && ++vertices_ > kMaxDxfSegments)
      return Fault{p.line, "więcej niż " + std::to_string(kMaxDxfSegments) + " wierzchołków"};
    entity_->pairs.push_back(std::move(p));
    return std::nullopt;
  }

  void Open(const Pair& p) {
    if (!Drawn(p.value)) return;
    entity_ = Entity{p.value, p.line, {}};
    vertices_ = 0;
  }

  std::optional<Fault> Close() {
    if (!entity_) return std::nullopt;
    if (++entities_ > kMaxDxfSegments)
      return Fault{entity_->line, "więcej niż " + std::to_string(kMaxDxfSegments) + " obiektów"};
    if (hand_) feeder_.Hand(*entity_);
    entity_.reset();
    return std::nullopt;
  }

  Lines lines_;
  bool hand_;
  Feeder feeder_;
  std::optional<Entity> entity_;
  bool inEntities_ = false, named_ = false;
  size_t entities_ = 0, vertices_ = 0;
};

std::string Place(std::string_view name, std::string_view extra = {}) {
  std::string text = "(";
  text.append(name);
  if (!extra.empty()) text.append(", ").append(extra);
  return text.append(")");
}

DxfResult Failure(std::string_view error, std::string detail, int line = 0) {
  DxfResult r;
  r.error = std::string(error);
  r.detail = std::move(detail);
  r.line = line;
  return r;
}

// the line of the byte at offset
int LineOf(std::string_view content, size_t offset) {
  int line = 1;
  for (size_t i = 0; i < offset; ++i)
    if (content[i] == '\n' ||
        (content[i] == '\r' && (i + 1 >= content.size() || content[i + 1] != '\n')))
      ++line;
  return line;
}

}  // namespace

int LiczbaCieciw(double radius, double sweep) {
  const double turn = 2 * std::numbers::pi;
  const double cap = std::max(1.0, std::ceil(kCieciwNaObrot * std::abs(sweep) / turn - 1e-9));
  const double sagitta = std::min(kStrzalkaMm, kStrzalkaWzgledna * radius);
  const double step = 2 * std::acos(1 - sagitta / radius);  // the angle of one chord
  if (!(step > 0)) return static_cast<int>(cap);
  return static_cast<int>(std::clamp(std::ceil(std::abs(sweep) / step - 1e-9), 1.0, cap));
}

DxfResult ParseDxf(std::string_view content, std::string_view name) {
  if (content.starts_with("AutoCAD Binary DXF"))
    return Failure(kBadForm, Place(name, "wiersz 1: binarny DXF nie jest czytany"), 1);
  if (size_t nul = content.find('\0'); nul != std::string_view::npos) {
    const int line = LineOf(content, nul);
    return Failure(kBadForm, Place(name, "wiersz " + std::to_string(line) + ": bajt zerowy"), line);
  }
  if (content.starts_with("\xEF\xBB\xBF")) content.remove_prefix(3);
  auto refused = [&](const Fault& f) {
    return Failure(kBadForm, Place(name, "wiersz " + std::to_string(f.line) + ": " + f.why),
                   f.line);
  };
  if (std::optional<Fault> f = Reader(content, false).Run()) return refused(*f);
  Reader reader(content, true);
  if (std::optional<Fault> f = reader.Run()) return refused(*f);
  if (reader.segments().empty()) return Failure("Niewłaściwa postać pliku .DXF", Place(name));
  DxfResult r;
  r.ok = true;
  r.segments = std::move(reader.segments());
  return r;
}

DxfResult ReadDxf(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  DxfResult unread = Failure("Nie można otworzyć pliku", Place(path));
  unread.unreadable = true;
  if (!in) return unread;
  std::string content;
  char buffer[65536];
  while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
    content.append(buffer, static_cast<size_t>(in.gcount()));
    if (content.size() > kMaxDxfBytes) return Failure("Plik jest za duży", Place(path));
  }
  if (in.bad()) {
    unread.error = "Nie można odczytać pliku";
    return unread;
  }
  return ParseDxf(content, path);
}

}  // namespace tarvik
