// Structured six-node meshes for the finite-element solver's tests and benchmark, built by
// hand (grids of rectangles, polar grids, a subdivided triangle) so that the solver is
// checked apart from the mesher.
#pragma once

#include <array>
#include <cmath>
#include <functional>
#include <map>
#include <utility>
#include <vector>

#include "fe/mesh.h"

namespace tarvik::test {

// nodes found by a pair of half-step grid indices, each created once
class FeMeshBuilder {
 public:
  using Key = std::pair<int, int>;
  explicit FeMeshBuilder(std::function<fe::Node(Key)> at) : at_(std::move(at)) {
    mesh.weights = {1};
  }
  // corners counter-clockwise, then the mid-sides 0-1, 1-2, 2-0
  void triangle(const std::array<Key, 6>& keys, int region = 0) {
    fe::Element e;
    for (int i = 0; i < 6; ++i) e.n[i] = node(keys[i]);
    e.region = region;
    mesh.elements.push_back(e);
  }
  fe::Mesh mesh;

 private:
  int node(Key k) {
    auto [it, added] = index_.try_emplace(k, static_cast<int>(mesh.nodes.size()));
    if (added) mesh.nodes.push_back(at_(k));
    return it->second;
  }
  std::function<fe::Node(Key)> at_;
  std::map<Key, int> index_;
};

// n equal steps from a to b, both ends included
inline std::vector<double> Lines(double a, double b, int n) {
  std::vector<double> v;
  for (int i = 0; i <= n; ++i) v.push_back(a + (b - a) * i / n);
  return v;
}

// grid lines of consecutive stretches, each starting where the last one ends
inline std::vector<double> Join(std::initializer_list<std::vector<double>> stretches) {
  std::vector<double> v;
  for (const auto& s : stretches) v.insert(v.end(), s.begin() + (v.empty() ? 0 : 1), s.end());
  return v;
}

// the cells of the grid xs x ys whose centres `filled` accepts, two triangles each; cells
// that touch share their nodes
inline fe::Mesh CellGrid(const std::vector<double>& xs, const std::vector<double>& ys,
                         const std::function<bool(double, double)>& filled) {
  auto half = [](const std::vector<double>& v, int i) {
    return i % 2 == 0 ? v[i / 2] : (v[i / 2] + v[i / 2 + 1]) / 2;
  };
  FeMeshBuilder b([&](FeMeshBuilder::Key k) {
    return fe::Node{half(xs, k.first), half(ys, k.second)};
  });
  for (int i = 0; i + 1 < static_cast<int>(xs.size()); ++i)
    for (int j = 0; j + 1 < static_cast<int>(ys.size()); ++j) {
      if (!filled((xs[i] + xs[i + 1]) / 2, (ys[j] + ys[j + 1]) / 2)) continue;
      const int I = 2 * i, J = 2 * j;
      b.triangle(
          {{{I, J}, {I + 2, J}, {I + 2, J + 2}, {I + 1, J}, {I + 2, J + 1}, {I + 1, J + 1}}});
      b.triangle(
          {{{I, J}, {I + 2, J + 2}, {I, J + 2}, {I + 1, J + 1}, {I + 1, J + 2}, {I, J + 1}}});
    }
  return b.mesh;
}

// an a x b rectangle centred on the origin as nx x ny cells
inline fe::Mesh FeRectangle(double a, double b, int nx, int ny) {
  return CellGrid(Lines(-a / 2, a / 2, nx), Lines(-b / 2, b / 2, ny),
                  [](double, double) { return true; });
}

// the ring r..R (a disc when r = 0) centred on the origin: nr rings of nt sectors, the
// mid-side nodes on the arcs so the edges follow the circles
inline fe::Mesh FeAnnulus(double r, double R, int nr, int nt) {
  constexpr double kPi = 3.141592653589793;
  FeMeshBuilder b([&](FeMeshBuilder::Key k) {
    const double rho = r + (R - r) * k.first / (2 * nr), t = kPi * k.second / nt;
    return fe::Node{rho * std::cos(t), rho * std::sin(t)};
  });
  // every angle of the centre is one node
  auto key = [&](int i, int j) {
    return r == 0 && i == 0 ? FeMeshBuilder::Key{0, 0} : FeMeshBuilder::Key{i, j % (2 * nt)};
  };
  for (int i = 0; i < nr; ++i)
    for (int j = 0; j < nt; ++j) {
      const int I = 2 * i, J = 2 * j;
      if (r == 0 && i == 0) {
        b.triangle(
            {{key(0, 0), key(2, J), key(2, J + 2), key(1, J), key(2, J + 1), key(1, J + 2)}});
        continue;
      }
      b.triangle({{key(I, J), key(I + 2, J), key(I + 2, J + 2), key(I + 1, J), key(I + 2, J + 1),
                   key(I + 1, J + 1)}});
      b.triangle({{key(I, J), key(I + 2, J + 2), key(I, J + 2), key(I + 1, J + 1),
                   key(I + 1, J + 2), key(I, J + 1)}});
    }
  return b.mesh;
}

// the ellipse of semi-axes a (along x) and b: the unit disc stretched
inline fe::Mesh FeEllipse(double a, double b, int nr, int nt) {
  fe::Mesh m = FeAnnulus(0, 1, nr, nt);
  for (fe::Node& p : m.nodes) p = {a * p.x, b * p.y};
  return m;
}

// the equilateral triangle of side a, base on the x axis from the origin, each side cut in n
inline fe::Mesh FeEquilateral(double a, int n) {
  const double h = a * std::sqrt(3.0) / 2;
  FeMeshBuilder b([&](FeMeshBuilder::Key k) {
    const double s = k.first / (2.0 * n), t = k.second / (2.0 * n);
    return fe::Node{a * s + a / 2 * t, h * t};
  });
  for (int i = 0; i < n; ++i)
    for (int j = 0; i + j < n; ++j) {
      const int I = 2 * i, J = 2 * j;
      b.triangle({{{I, J}, {I + 2, J}, {I, J + 2}, {I + 1, J}, {I + 1, J + 1}, {I, J + 1}}});
      if (i + j + 2 <= n)
        b.triangle({{{I + 2, J},
                     {I + 2, J + 2},
                     {I, J + 2},
                     {I + 2, J + 1},
                     {I + 1, J + 2},
                     {I + 1, J + 1}}});
    }
  return b.mesh;
}

}  // namespace tarvik::test
