#include "fe/torsion.h"

#include <Eigen/SparseCholesky>
#include <Eigen/SparseCore>
#include <array>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <vector>

namespace tarvik::fe {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// six-point Gauss rule on the triangle (exact to degree 4: the stiffness, the loads and the
// energies of straight-sided elements); xi, eta of the reference triangle, weights sum to 1/2
struct Gauss {
  double xi, eta, w;
};
constexpr double kA1 = 0.445948490915965, kW1 = 0.223381589678011 / 2;
constexpr double kA2 = 0.091576213509771, kW2 = 0.109951743655322 / 2;
constexpr std::array<Gauss, 6> kGauss{{{kA1, kA1, kW1},
                                       {1 - 2 * kA1, kA1, kW1},
                                       {kA1, 1 - 2 * kA1, kW1},
                                       {kA2, kA2, kW2},
                                       {1 - 2 * kA2, kA2, kW2},
                                       {kA2, 1 - 2 * kA2, kW2}}};

using Six = std::array<double, 6>;

// the quadratic shape functions and their derivatives by xi and eta at (xi, eta)
struct Shape {
  Six n, dxi, deta;
};

Shape ShapeAt(double xi, double eta) {
  const double l1 = 1 - xi - eta, l2 = xi, l3 = eta;
  Shape s;
  s.n = {l1 * (2 * l1 - 1), l2 * (2 * l2 - 1), l3 * (2 * l3 - 1),
         4 * l1 * l2,       4 * l2 * l3,       4 * l3 * l1};
  s.dxi = {1 - 4 * l1, 4 * l2 - 1, 0, 4 * (l1 - l2), 4 * l3, -4 * l3};
  s.deta = {1 - 4 * l1, 0, 4 * l3 - 1, -4 * l2, 4 * l2, 4 * (l1 - l3)};
  return s;
}

const std::array<Shape, 6>& ShapesAtGaussPoints() {
  static const std::array<Shape, 6> shapes = [] {
    std::array<Shape, 6> s;
    for (size_t k = 0; k < kGauss.size(); ++k) s[k] = ShapeAt(kGauss[k].xi, kGauss[k].eta);
    return s;
  }();
  return shapes;
}

// a quadrature point mapped onto the mesh: shape values, their x and y derivatives, the
// point and its weighted share of the area (Gauss weight · Jacobian · figure weight)
struct Sample {
  Six n, nx, ny;
  double x = 0, y = 0, dA = 0;
};
using ElementPoints = std::array<Sample, 6>;

// maps an element's quadrature points; false where the mapping folds or turns clockwise
bool MapElement(const Mesh& mesh, const Element& e, double weight, ElementPoints& out) {
  const auto& shapes = ShapesAtGaussPoints();
  for (size_t k = 0; k < kGauss.size(); ++k) {
    const Shape& s = shapes[k];
    double xXi = 0, yXi = 0, xEta = 0, yEta = 0, x = 0, y = 0;
    for (int i = 0; i < 6; ++i) {
      const Node& p = mesh.nodes[e.n[i]];
      x += s.n[i] * p.x;
      y += s.n[i] * p.y;
      xXi += s.dxi[i] * p.x;
      yXi += s.dxi[i] * p.y;
      xEta += s.deta[i] * p.x;
      yEta += s.deta[i] * p.y;
    }
    const double det = xXi * yEta - xEta * yXi;
    if (!(det > 0) || !std::isfinite(det)) return false;
    Sample& q = out[k];
    q.n = s.n;
    for (int i = 0; i < 6; ++i) {
      q.nx[i] = (yEta * s.dxi[i] - yXi * s.deta[i]) / det;
      q.ny[i] = (xXi * s.deta[i] - xEta * s.dxi[i]) / det;
    }
    q.x = x;
    q.y = y;
    q.dA = kGauss[k].w * det * weight;
  }
  return true;
}

// one part's area, centroid and second moments about its centroid (Ixx = ∫y², Iyy = ∫x²)
struct Section {
  double A = 0, xc = 0, yc = 0, Ixx = 0, Iyy = 0, Ixy = 0;
};

std::vector<Section> Sections(const std::vector<ElementPoints>& points, const CzesciSiatki& parts) {
  std::vector<Section> s(parts.count);
  for (size_t e = 0; e < points.size(); ++e) {
    Section& p = s[parts.ofElement[e]];
    for (const Sample& q : points[e]) {
      p.A += q.dA;
      p.xc += q.x * q.dA;
      p.yc += q.y * q.dA;
    }
  }
  for (Section& p : s) {
    p.xc /= p.A;
    p.yc /= p.A;
  }
  // the moments about the centroids directly: no difference of large numbers far off the origin
  for (size_t e = 0; e < points.size(); ++e) {
    Section& p = s[parts.ofElement[e]];
    for (const Sample& q : points[e]) {
      const double x = q.x - p.xc, y = q.y - p.yc;
      p.Ixx += y * y * q.dA;
      p.Iyy += x * x * q.dA;
      p.Ixy += x * y * q.dA;
    }
  }
  return s;
}

// the flexure functions' boundary vectors d (for Ψ, a shear force along x) and h (for Φ,
// along y) at (x, y) about the part's centroid
std::array<double, 4> FlexureVectors(const Section& s, double nu, double x, double y) {
  const double r = x * x - y * y, q = 2 * x * y;
  return {nu / 2 * (s.Ixx * r - s.Ixy * q), nu / 2 * (s.Ixx * q + s.Ixy * r),
          nu / 2 * (s.Iyy * q - s.Ixy * r), nu / 2 * (-s.Iyy * r - s.Ixy * q)};
}

// ∫ u dA over a part for the nodal values u (interpolated by the shape functions), times g
template <typename F>
double Integrate(const std::vector<ElementPoints>& points, const Mesh& mesh, const CzesciSiatki& parts,
                 int part, const Eigen::VectorXd& u, F g) {
  double sum = 0;
  for (size_t e = 0; e < points.size(); ++e) {
    if (parts.ofElement[e] != part) continue;
    for (const Sample& q : points[e]) {
      double v = 0;
      for (int i = 0; i < 6; ++i) v += q.n[i] * u[mesh.elements[e].n[i]];
      sum += g(v, q) * q.dA;
    }
  }
  return sum;
}

std::vector<ElementPoints> MapAll(const Mesh& mesh) {
  std::vector<ElementPoints> points(mesh.elements.size());
  for (size_t e = 0; e < mesh.elements.size(); ++e)
    MapElement(mesh, mesh.elements[e], mesh.weights[mesh.elements[e].region], points[e]);
  return points;
}

}  // namespace

std::string BladSiatki(const Mesh& mesh, double nu) {
  if (!(nu > -1 && nu <= 0.5)) return "liczba Poissona poza przedziałem (-1; 0,5]";
  if (mesh.elements.empty()) return "siatka bez elementów";
  for (size_t r = 0; r < mesh.weights.size(); ++r)
    if (!(mesh.weights[r] > 0) || !std::isfinite(mesh.weights[r]))
      return "figura " + std::to_string(r) + ": waga nie jest dodatnia";
  for (const Node& p : mesh.nodes)
    if (!std::isfinite(p.x) || !std::isfinite(p.y)) return "węzeł o niepoprawnych współrzędnych";
  const int nodes = static_cast<int>(mesh.nodes.size());
  for (size_t e = 0; e < mesh.elements.size(); ++e) {
    const Element& el = mesh.elements[e];
    const std::string name = "element " + std::to_string(e) + ": ";
    for (int i : el.n)
      if (i < 0 || i >= nodes) return name + "numer węzła poza siatką";
    if (el.region < 0 || el.region >= static_cast<int>(mesh.weights.size()))
      return name + "numer figury poza listą wag";
    ElementPoints points;
    if (!MapElement(mesh, el, 1, points))
      return name + "zdegenerowany lub wierzchołki zgodnie z ruchem wskazówek zegara";
  }
  return "";
}

WynikMES Rozwiaz(const Mesh& mesh, double nu) {
  if (std::string why = BladSiatki(mesh, nu); !why.empty()) throw std::invalid_argument(why);
  const std::vector<ElementPoints> points = MapAll(mesh);
  const CzesciSiatki parts = PodzialNaCzesci(mesh);
  const std::vector<Section> sections = Sections(points, parts);
  const int n = static_cast<int>(mesh.nodes.size());

  // K is singular by a constant in each part: one node per part is held at zero (and nodes
  // no element uses are held too), which leaves K positive definite
  std::vector<char> held(n, 0);
  std::vector<char> partHeld(parts.count, 0);
  for (int i = 0; i < n; ++i) {
    const int p = parts.ofNode[i];
    if (p < 0 || !partHeld[p]) held[i] = 1;
    if (p >= 0) partHeld[p] = 1;
  }

  // K = ∫∇N·∇Nᵀ; the loads of ω, Ψ and Φ in the columns of f, each about its part's centroid
  std::vector<Eigen::Triplet<double>> triplets;
  triplets.reserve(mesh.elements.size() * 36 + n);
  Eigen::MatrixXd f = Eigen::MatrixXd::Zero(n, 3);
  for (size_t e = 0; e < points.size(); ++e) {
    const auto& nodes = mesh.elements[e].n;
    const Section& s = sections[parts.ofElement[e]];
    std::array<std::array<double, 6>, 6> k{};
    for (const Sample& q : points[e]) {
      const double x = q.x - s.xc, y = q.y - s.yc;
      const auto d = FlexureVectors(s, nu, x, y);
      const double psi = 2 * (1 + nu) * (s.Ixx * x - s.Ixy * y);
      const double phi = 2 * (1 + nu) * (s.Iyy * y - s.Ixy * x);
      for (int i = 0; i < 6; ++i) {
        for (int j = 0; j < 6; ++j) k[i][j] += (q.nx[i] * q.nx[j] + q.ny[i] * q.ny[j]) * q.dA;
        f(nodes[i], 0) += (q.nx[i] * y - q.ny[i] * x) * q.dA;
        f(nodes[i], 1) += (q.n[i] * psi + q.nx[i] * d[0] + q.ny[i] * d[1]) * q.dA;
        f(nodes[i], 2) += (q.n[i] * phi + q.nx[i] * d[2] + q.ny[i] * d[3]) * q.dA;
      }
    }
    for (int i = 0; i < 6; ++i)
      for (int j = 0; j < 6; ++j)
        if (!held[nodes[i]] && !held[nodes[j]]) triplets.emplace_back(nodes[i], nodes[j], k[i][j]);
  }
  for (int i = 0; i < n; ++i)
    if (held[i]) {
      triplets.emplace_back(i, i, 1.0);
      f.row(i).setZero();
    }
  Eigen::SparseMatrix<double> K(n, n);
  K.setFromTriplets(triplets.begin(), triplets.end());

  // one factorisation for the three functions
  Eigen::SimplicialLDLT<Eigen::SparseMatrix<double>> solver(K);
  if (solver.info() != Eigen::Success)
    throw std::runtime_error("macierz sztywności nie daje się rozłożyć");
  const Eigen::MatrixXd u = solver.solve(f);
  const Eigen::VectorXd omega = u.col(0), Psi = u.col(1), Phi = u.col(2);

  WynikMES r;
  r.parts = parts.count;
  r.elements = static_cast<int>(mesh.elements.size());
  r.Iw = r.xT = r.yT = kNaN;
  for (const Section& s : sections) {
    r.A += s.A;
    r.xS += s.xc * s.A;
    r.yS += s.yc * s.A;
  }
  r.xS /= r.A;
  r.yS /= r.A;

  // J = Ixx + Iyy − ωᵀKω = ∫|∇ω − (y, −x)|² dA (as Kω = f): a sum of small squares rather
  // than the difference of the polar moment and a number close to it; the shear areas from
  // the energy of the flexure stresses, A = Δ²/κ with κ = ∫|∇Ψ − d|² dA
  std::vector<double> J(parts.count, 0), kx(parts.count, 0), ky(parts.count, 0);
  for (size_t e = 0; e < points.size(); ++e) {
    const int p = parts.ofElement[e];
    const Section& s = sections[p];
    const auto& nodes = mesh.elements[e].n;
    for (const Sample& q : points[e]) {
      const auto d = FlexureVectors(s, nu, q.x - s.xc, q.y - s.yc);
      double wx = -(q.y - s.yc), wy = q.x - s.xc;
      double px = -d[0], py = -d[1], fx = -d[2], fy = -d[3];
      for (int i = 0; i < 6; ++i) {
        wx += q.nx[i] * omega[nodes[i]];
        wy += q.ny[i] * omega[nodes[i]];
        px += q.nx[i] * Psi[nodes[i]];
        py += q.ny[i] * Psi[nodes[i]];
        fx += q.nx[i] * Phi[nodes[i]];
        fy += q.ny[i] * Phi[nodes[i]];
      }
      J[p] += (wx * wx + wy * wy) * q.dA;
      kx[p] += (px * px + py * py) * q.dA;
      ky[p] += (fx * fx + fy * fy) * q.dA;
    }
  }
  for (int p = 0; p < parts.count; ++p) {
    const Section& s = sections[p];
    const double delta = 2 * (1 + nu) * (s.Ixx * s.Iyy - s.Ixy * s.Ixy);
    r.J += J[p];
    r.Avx += delta * delta / kx[p];
    r.Avy += delta * delta / ky[p];
  }
  if (parts.count != 1) return r;

  // Trefftz: the pole (xc + a, yc + b) about which ω_P = ω − b·x + a·y is orthogonal to x, y
  const Section& s = sections[0];
  // x and y have no mean about the centroid, so ω's constant changes their products with ω
  // only by rounding: taken out first
  const auto mean = [&](const Eigen::VectorXd& u) {
    return Integrate(points, mesh, parts, 0, u, [](double w, const Sample&) { return w; }) / s.A;
  };
  const Eigen::VectorXd w0 = omega.array() - mean(omega);
  const double Ixw = Integrate(points, mesh, parts, 0, w0,
                               [&](double w, const Sample& q) { return w * (q.x - s.xc); });
  const double Iyw = Integrate(points, mesh, parts, 0, w0,
                               [&](double w, const Sample& q) { return w * (q.y - s.yc); });
  const double D = s.Ixx * s.Iyy - s.Ixy * s.Ixy;
  const double a = (s.Ixy * Ixw - s.Iyy * Iyw) / D;
  const double b = (s.Ixx * Ixw - s.Ixy * Iyw) / D;
  r.xT = s.xc + a;
  r.yT = s.yc + b;
  // x and y are interpolated exactly by the shape functions, so ω_P is too
  Eigen::VectorXd wP(n);
  for (int i = 0; i < n; ++i)
    wP[i] = w0[i] - b * (mesh.nodes[i].x - s.xc) + a * (mesh.nodes[i].y - s.yc);
  const double wPmean = mean(wP);
  r.Iw = Integrate(points, mesh, parts, 0, wP,
                   [&](double w, const Sample&) { return (w - wPmean) * (w - wPmean); });
  return r;
}

}  // namespace tarvik::fe
