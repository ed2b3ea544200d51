#include "generators/generator.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "engine/integration.h"
#include "engine/numbers.h"

namespace tarvik {
namespace {

constexpr double kLargestDimension = 1e5;  // mm

// Saint-Venant coefficients by the ratio of the longer side to the shorter
constexpr std::array<double, 10> kRatio = {1, 1.5, 1.75, 2, 3, 4, 6, 8, 10, 20};
constexpr std::array<double, 10> kAlpha = {0.141, 0.196, 0.214, 0.229, 0.263,
                                           0.281, 0.299, 0.307, 0.313, 0.333};
constexpr std::array<double, 10> kBeta = {0.208, 0.231, 0.239, 0.246, 0.267,
                                          0.282, 0.299, 0.307, 0.313, 0.333};

}  // namespace

double Generation::dim(int i) const {
  // the timber and concrete tabs' dimensions are centimetres
  const double factor = selection.kind == kDrewniane || selection.kind == kZelbetowe ? 10 : 1;
  return factor * CzytajLiczbe(selection.texts.at(i - 1));
}

std::string Generation::dimText(int i) const {
  std::string text = selection.texts.at(i - 1);
  OczyscWymiar(text);
  return text;
}

void Generation::refuse(const std::string& text, const std::string& detail) {
  sink.show(Blad(text, detail));
  failed = true;
  model.clearWorkingFigure();
  model.section.clear();
  model.dimensions.clear();
}

double SkretProstokata(double t, double b, double* modulus) {
  if (modulus) *modulus = 0;
  if (!(t >= 0) || !(b >= 0)) return 0;
  const double shorter = std::min(t, b), longer = std::max(t, b);
  if (shorter == 0) return 0;
  const double q = longer / shorter;
  double alpha = 0.333, beta = 0.333;
  if (q < kRatio.back()) {
    size_t i = std::upper_bound(kRatio.begin(), kRatio.end(), q) - kRatio.begin() - 1;
    const double f = (q - kRatio[i]) / (kRatio[i + 1] - kRatio[i]);
    alpha = kAlpha[i] + f * (kAlpha[i + 1] - kAlpha[i]);
    beta = kBeta[i] + f * (kBeta[i + 1] - kBeta[i]);
  }
  if (modulus) *modulus = beta * shorter * shorter * longer / 1000;
  return alpha * shorter * shorter * shorter * longer;
}

bool CheckDimensions(Generation& g, std::initializer_list<int> positive,
                     std::initializer_list<int> nonNegative) {
  auto bad = [&](int i, bool zeroAllowed) {
    const double v = g.dim(i);
    return v > kLargestDimension || v < 0 || (v == 0 && !zeroAllowed);
  };
  for (int i : positive)
    if (bad(i, false)) {
      const double v = g.dim(i);
      g.refuse(v == 0  ? "Zerowe pole przekroju"
               : v < 0 ? "Ujemny wymiar"
                       : "Za duży wymiar",
               "(" + g.selection.texts.at(i - 1) + ")");
      return false;
    }
  for (int i : nonNegative)
    if (bad(i, true)) {
      g.refuse(g.dim(i) < 0 ? "Ujemny wymiar" : "Za duży wymiar",
               "(" + g.selection.texts.at(i - 1) + ")");
      return false;
    }
  return true;
}

bool IntegrateFigure(Generation& g) {
  if (ObliczFigure(g.model, g.props(), g.sink)) return true;
  g.failed = true;
  g.model.clearWorkingFigure();
  g.props().clear();
  return false;
}

void ObliczWskaznikiFigury(Generation& g) {
  ReportPlasticAxes(ObliczWskazniki(g.model, 0, 0, g.props()), g.sink);
}

void ElasticModuliFigury(Generation& g) { ObliczWskaznikiSprezyste(g.model, 0, 0, g.props()); }

void Finish(Generation& g, double wall1, double wall2, std::initializer_list<int> flags) {
  for (int f : flags) g.model.flags.at(f) = true;
  FigureRecord& fig = g.figure();
  fig.wall1 = wall1;
  fig.wall2 = wall2;
  fig.props = g.props();
}

void AddDimension(SectionModel& model, int direction, int from, int to, int offset, double value,
                  int from2, int to2) {
  DimensionLine d;
  d.direction = static_cast<uint8_t>(direction);
  d.from = from;
  d.from2 = from2;
  d.to = to;
  d.to2 = to2;
  d.offset = offset;
  d.value = value;
  model.dimensions.push_back(d);
}

}  // namespace tarvik
