#include "generators/rolled_shapes.h"

#include <algorithm>
#include <string>

namespace tarvik {
namespace {

using F = CatalogueRecord::Field;

struct Dims {
  double h, b, tw, tf, r, r1, r2;
};

Dims DimsOf(const CatalogueRecord& rec) {
  auto v = [&](F f) { return rec.values[f]; };
  return {v(F::h), v(F::b), v(F::tw), v(F::tf), v(F::r), v(F::r1), v(F::r2)};
}

bool Sensible(const Dims& d) {
  return d.h > 0 && d.b > 0 && d.tw > 0 && d.tf > 0 && d.r >= 0 && d.r1 >= 0 && d.r2 >= 0;
}

// height of the lower flange's inner face above the bottom at distance x from the web axis
// (I) or from the back (channel): nominal tf at the reference point, rising towards the web
double FaceY(const RolledFamily& f, const Dims& d, double toe, double x) {
  const double outstand = toe - (f.shape == RolledShape::kISloped ? d.tw / 2 : d.tw);
  const double xRef = toe - f.tfAt * (f.ofOutstand ? outstand : d.b);
  return -d.h / 2 + d.tf + f.slope * (xRef - x);
}

// the lower right quarter of an I, from the bottom corner to the root fillet
std::vector<RoundedCorner> IQuarter(const RolledFamily& f, const Dims& d) {
  return {{{d.b / 2, -d.h / 2}, 0},
          {{d.b / 2, FaceY(f, d, d.b / 2, d.b / 2)}, d.r1},
          {{d.tw / 2, FaceY(f, d, d.b / 2, d.tw / 2)}, d.r}};
}

RoundedOutline IOutline(const RolledFamily& f, const Dims& d) {
  const auto q = IQuarter(f, d);
  RoundedOutline out;
  auto mirrored = [](RoundedCorner c, double sx, double sy) {
    return RoundedCorner{{c.p.x * sx, c.p.y * sy}, c.radius};
  };
  for (auto c : q) out.push_back(c);
  for (auto it = q.rbegin(); it != q.rend(); ++it) out.push_back(mirrored(*it, 1, -1));
  for (auto c : q) out.push_back(mirrored(c, -1, -1));
  for (auto it = q.rbegin(); it != q.rend(); ++it) out.push_back(mirrored(*it, -1, 1));
  return out;
}

RoundedOutline ChannelOutline(const RolledFamily& f, const Dims& d) {
  const double toe = FaceY(f, d, d.b, d.b), root = FaceY(f, d, d.b, d.tw);
  return {{{0, -d.h / 2}, 0},   {{d.b, -d.h / 2}, 0}, {{d.b, toe}, d.r1}, {{d.tw, root}, d.r},
          {{d.tw, -root}, d.r}, {{d.b, -toe}, d.r1},  {{d.b, d.h / 2}, 0}, {{0, d.h / 2}, 0}};
}

RoundedOutline AngleOutline(const Dims& d) {
  const double t = d.tw;
  return {{{0, 0}, 0}, {{d.b, 0}, 0}, {{d.b, t}, d.r1}, {{t, t}, d.r}, {{t, d.h}, d.r1},
          {{0, d.h}, 0}};
}

// tee: flange and web faces both slope by f.slope; the flange has its nominal thickness
// half-way out along the flange, the web half-way up
RoundedOutline TeeOutline(const RolledFamily& f, const Dims& d) {
  const double s = f.slope, t = d.tw;
  const double xRef = d.b / 4, yRef = (d.h + t) / 2;
  auto flangeY = [&](double x) { return t + s * (xRef - x); };
  auto webX = [&](double y) { return t / 2 + s * (yRef - y); };
  // where the two faces meet
  const double xRoot = (t / 2 + s * (yRef - t) - s * s * xRef) / (1 - s * s);
  const double yRoot = flangeY(xRoot);
  const double xTip = webX(d.h), yToe = flangeY(d.b / 2);
  return {{{-d.b / 2, 0}, 0},        {{d.b / 2, 0}, 0},        {{d.b / 2, yToe}, d.r1},
          {{xRoot, yRoot}, d.r},     {{xTip, d.h}, d.r2},      {{-xTip, d.h}, d.r2},
          {{-xRoot, yRoot}, d.r},    {{-d.b / 2, yToe}, d.r1}};
}

RoundedOutline ZOutline(const Dims& d) {
  const double w = d.tw / 2, x2 = d.b - w, y = d.h / 2 - d.tf;
  return {{{-w, -d.h / 2}, 0}, {{x2, -d.h / 2}, 0}, {{x2, -y}, d.r1}, {{w, -y}, d.r},
          {{w, d.h / 2}, 0},   {{-x2, d.h / 2}, 0}, {{-x2, y}, d.r1}, {{-w, y}, d.r}};
}

}  // namespace

RolledFamily FamilyOf(std::string_view code, const CatalogueRecord& record) {
  using S = RolledShape;
  static const std::string_view kParallelI[] = {"IPE", "HEAA", "HEA", "HEB", "HEM",
                                                "HE",  "HD",   "HL",  "HP"};
  if (std::find(std::begin(kParallelI), std::end(kParallelI), code) != std::end(kParallelI))
    return {S::kIParallel};
  // IPN: 14 % with the nominal thickness a quarter of the width from the toe
  if (code == "2TPN") return {S::kISloped, 0.14, 0.25};
  // GOST: 12 % (I) and 10 % (channels), nominal thickness half-way along the outstand
  if (code == "2TGO") return {S::kISloped, 0.12, 0.5, true};
  if (code == "CPN" || code == "CE")
    return {S::kChannelSloped, record.values[CatalogueRecord::h] > 300 ? 0.05 : 0.08, 0.5};
  if (code == "CGO") return {S::kChannelSloped, 0.10, 0.5, true};
  if (code == "UAP" || code == "UAE") return {S::kChannelParallel};
  if (code == "KWR" || code == "KWN") return {S::kAngle};
  if (code == "TW" || code == "TN") return {S::kTee, 0.02, 0};
  if (code == "ZPN" || code == "ZDIN") return {S::kZ};
  return {};
}

RoundedOutline TrueOutline(const RolledFamily& family, const CatalogueRecord& record) {
  const Dims d = DimsOf(record);
  if (!Sensible(d)) return {};
  switch (family.shape) {
    case RolledShape::kISloped:
    case RolledShape::kIParallel:
      return IOutline(family, d);
    case RolledShape::kChannelSloped:
    case RolledShape::kChannelParallel:
      return ChannelOutline(family, d);
    case RolledShape::kAngle:
      return AngleOutline(d);
    case RolledShape::kTee:
      return TeeOutline(family, d);
    case RolledShape::kZ:
      return ZOutline(d);
    case RolledShape::kNone:
      break;
  }
  return {};
}

RoundedOutline HalfOfI(const RolledFamily& family, const CatalogueRecord& record) {
  const Dims d = DimsOf(record);
  if (!Sensible(d)) return {};
  const auto q = IQuarter(family, d);
  RoundedOutline out(q.begin(), q.end());
  out.push_back({{d.tw / 2, 0}, 0});
  out.push_back({{-d.tw / 2, 0}, 0});
  for (auto it = q.rbegin(); it != q.rend(); ++it) out.push_back({{-it->p.x, it->p.y}, it->radius});
  for (auto& c : out) c.p.y += d.h / 2;
  return out;
}

}  // namespace tarvik
