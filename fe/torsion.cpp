#include "fe/torsion.h"

#include <Eigen/SparseCholesky>
#include <Eigen/SparseCore>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
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

// maps every element; "" or which element folds
std::string MapAll(const Mesh& mesh, std::vector<ElementPoints>& points) {
  points.resize(mesh.elements.size());
  for (size_t e = 0; e < mesh.elements.size(); ++e)
    if (!MapElement(mesh, mesh.elements[e], mesh.weights[mesh.elements[e].region], points[e]))
      return "element " + std::to_string(e) +
             ": zdegenerowany lub wierzchołki zgodnie z ruchem wskazówek zegara";
  return "";
}

// what is wrong with the mesh short of its elements' shapes
std::string StructureFault(const Mesh& mesh, double nu) {
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
  }
  return "";
}

// Reverse Cuthill-McKee: the nodes renumbered part by part in rings out from a node at one
// end of the part, so that a thin-walled section's stiffness matrix is banded
std::vector<int> Rcm(const Mesh& mesh) {
  const int n = static_cast<int>(mesh.nodes.size());
  std::vector<int> start(n + 1, 0);
  for (const Element& e : mesh.elements)
    for (int i : e.n) start[i + 1] += 5;
  for (int i = 0; i < n; ++i) start[i + 1] += start[i];
  std::vector<int> adj(start[n]), fill(start.begin(), start.end() - 1);
  for (const Element& e : mesh.elements)
    for (int i : e.n)
      for (int j : e.n)
        if (i != j) adj[fill[i]++] = j;
  // neighbours without repeats
  std::vector<int> degree(n, 0), mark(n, -1);
  for (int i = 0; i < n; ++i) {
    int w = start[i];
    for (int k = start[i]; k < start[i + 1]; ++k)
      if (mark[adj[k]] != i) mark[adj[k]] = i, adj[w++] = adj[k];
    degree[i] = w - start[i];
  }
  std::vector<int> order;
  order.reserve(n);
  std::vector<char> seen(n, 0);
  std::vector<int> level(n, -1);
  auto bfs = [&](int root, std::vector<int>& out) {
    // the nodes reached from root, ring by ring, each ring's newcomers by rising degree
    out.clear();
    out.push_back(root);
    level[root] = root;
    for (size_t h = 0; h < out.size(); ++h) {
      const int v = out[h];
      const size_t first = out.size();
      for (int k = start[v]; k < start[v] + degree[v]; ++k)
        if (level[adj[k]] != root && !seen[adj[k]]) level[adj[k]] = root, out.push_back(adj[k]);
      std::sort(out.begin() + first, out.end(), [&](int a, int b) { return degree[a] < degree[b]; });
    }
  };
  std::vector<int> ring;
  for (int s = 0; s < n; ++s) {
    if (seen[s]) continue;
    // a node far from s, then one far from that: the ends of the part
    int root = s;
    for (int pass = 0; pass < 2; ++pass) {
      bfs(root, ring);
      root = ring.back();
    }
    bfs(root, ring);
    for (int v : ring) seen[v] = 1;
    order.insert(order.end(), ring.rbegin(), ring.rend());
  }
  std::vector<int> index(n);
  for (int k = 0; k < n; ++k) index[order[k]] = k;
  return index;
}

// The envelope (skyline) LDLᵀ of K in the banded numbering: row i keeps its entries from its
// first neighbour's column to the diagonal, all a factorisation in this order fills. False,
// touching nothing, when the mean row is wider than kNarrowBand: the minimum-degree order of
// a general sparse factorisation fills less then.
constexpr double kNarrowBand = 40;

bool SolveInEnvelope(const Mesh& mesh, const std::vector<char>& held,
                     const std::vector<std::array<double, 21>>& stiffness, const Eigen::MatrixXd& f,
                     Eigen::MatrixXd& u) {
  const int n = static_cast<int>(mesh.nodes.size());
  const std::vector<int> index = Rcm(mesh);
  std::vector<int> first(n);
  for (int i = 0; i < n; ++i) first[i] = i;
  for (const Element& e : mesh.elements)
    for (int a : e.n)
      for (int b : e.n) {
        const int r = index[a], c = index[b];
        if (c < r) first[r] = std::min(first[r], c);
      }
  std::vector<size_t> start(n + 1, 0);  // row i: start[i] .. start[i + 1] - 1, diagonal last
  for (int i = 0; i < n; ++i) start[i + 1] = start[i] + static_cast<size_t>(i - first[i] + 1);
  if (static_cast<double>(start[n]) > (kNarrowBand + 1) * n) return false;

  std::vector<double> l(start[n], 0.0);
  auto at = [&](int r, int c) -> double& { return l[start[r] + static_cast<size_t>(c - first[r])]; };
  for (size_t e = 0; e < mesh.elements.size(); ++e) {
    const auto& nodes = mesh.elements[e].n;
    for (int i = 0, k = 0; i < 6; ++i)
      for (int j = 0; j <= i; ++j, ++k) {
        if (held[nodes[i]] || held[nodes[j]]) continue;
        const int r = index[nodes[i]], c = index[nodes[j]];
        at(std::max(r, c), std::min(r, c)) += stiffness[e][static_cast<size_t>(k)];
      }
  }
  for (int i = 0; i < n; ++i)
    if (held[i]) at(index[i], index[i]) = 1;

  // row by row: g = L(i, j)·D(j) from the rows above, then L(i, j) = g / D(j), D(i) last
  // (row r's entry in column c is l[base(r) + c])
  auto base = [&](int r) { return static_cast<std::ptrdiff_t>(start[r]) - first[r]; };
  std::vector<double> g(n);
  for (int i = 0; i < n; ++i) {
    const std::ptrdiff_t bi = base(i);
    const int fi = first[i];
    double d = l[bi + i];
    for (int j = fi; j < i; ++j) {
      const std::ptrdiff_t bj = base(j);
      double sum = l[bi + j];
      for (int k = std::max(fi, first[j]); k < j; ++k) sum -= g[k] * l[bj + k];
      g[j] = sum;
    }
    for (int j = fi; j < i; ++j) {
      const double lij = g[j] / l[start[j + 1] - 1];
      l[bi + j] = lij;
      d -= g[j] * lij;
    }
    if (!(d > 0) || !std::isfinite(d))
      throw std::runtime_error("macierz sztywności nie daje się rozłożyć");
    l[bi + i] = d;
  }

  // L·D·Lᵀ·x = f for the three columns in the banded numbering
  Eigen::MatrixXd x(n, 3);
  for (int i = 0; i < n; ++i) x.row(index[i]) = f.row(i);
  for (int c = 0; c < 3; ++c) {
    double* v = x.col(c).data();
    for (int i = 0; i < n; ++i) {
      const std::ptrdiff_t bi = base(i);
      double sum = v[i];
      for (int j = first[i]; j < i; ++j) sum -= l[bi + j] * v[j];
      v[i] = sum;
    }
    for (int i = 0; i < n; ++i) v[i] /= l[start[i + 1] - 1];
    for (int i = n - 1; i >= 0; --i) {
      const std::ptrdiff_t bi = base(i);
      for (int j = first[i]; j < i; ++j) v[j] -= l[bi + j] * v[i];
    }
  }
  u.resize(n, 3);
  for (int i = 0; i < n; ++i) u.row(i) = x.row(index[i]);
  return true;
}
}  // namespace

std::string BladSiatki(const Mesh& mesh, double nu) {
  if (std::string why = StructureFault(mesh, nu); !why.empty()) return why;
  std::vector<ElementPoints> points;
  return MapAll(mesh, points);
}

WynikMES Rozwiaz(const Mesh& mesh, double nu) {
  if (std::string why = StructureFault(mesh, nu); !why.empty()) throw std::invalid_argument(why);
  std::vector<ElementPoints> points;
  if (std::string why = MapAll(mesh, points); !why.empty()) throw std::invalid_argument(why);
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

  // K = ∫∇N·∇Nᵀ element by element (the lower half, row ≥ column), and the loads of ω, Ψ and
  // Φ in the columns of f, each about its part's centroid
  std::vector<std::array<double, 21>> stiffness(points.size());
  Eigen::MatrixXd f = Eigen::MatrixXd::Zero(n, 3);
  for (size_t e = 0; e < points.size(); ++e) {
    const auto& nodes = mesh.elements[e].n;
    const Section& s = sections[parts.ofElement[e]];
    std::array<double, 21>& k = stiffness[e];
    k.fill(0);
    std::array<std::array<double, 3>, 6> load{};
    for (const Sample& q : points[e]) {
      const double x = q.x - s.xc, y = q.y - s.yc;
      const auto d = FlexureVectors(s, nu, x, y);
      const double psi = 2 * (1 + nu) * (s.Ixx * x - s.Ixy * y);
      const double phi = 2 * (1 + nu) * (s.Iyy * y - s.Ixy * x);
      for (int i = 0, at = 0; i < 6; ++i) {
        const double ax = q.nx[i] * q.dA, ay = q.ny[i] * q.dA;
        for (int j = 0; j <= i; ++j) k[at++] += ax * q.nx[j] + ay * q.ny[j];
        load[i][0] += ax * y - ay * x;
        load[i][1] += q.n[i] * psi * q.dA + ax * d[0] + ay * d[1];
        load[i][2] += q.n[i] * phi * q.dA + ax * d[2] + ay * d[3];
      }
    }
    for (int i = 0; i < 6; ++i)
      for (int c = 0; c < 3; ++c) f(nodes[i], c) += load[i][c];
  }
  for (int i = 0; i < n; ++i)
    if (held[i]) f.row(i).setZero();

  // one factorisation for the three functions: in the banded numbering by the envelope while
  // the band is narrow (a thin-walled section), else in the fill-reducing order of minimum
  // degree (a compact section, whose band grows with the square root of its nodes)
  Eigen::MatrixXd u;
  if (!SolveInEnvelope(mesh, held, stiffness, f, u)) {
    std::vector<Eigen::Triplet<double>> triplets;
    triplets.reserve(mesh.elements.size() * 21 + n);
    for (size_t e = 0; e < points.size(); ++e) {
      const auto& nodes = mesh.elements[e].n;
      for (int i = 0, at = 0; i < 6; ++i)
        for (int j = 0; j <= i; ++j, ++at)
          if (!held[nodes[i]] && !held[nodes[j]])
            triplets.emplace_back(std::max(nodes[i], nodes[j]), std::min(nodes[i], nodes[j]),
                                  stiffness[e][at]);
    }
    for (int i = 0; i < n; ++i)
      if (held[i]) triplets.emplace_back(i, i, 1.0);
    Eigen::SparseMatrix<double> K(n, n);
    K.setFromTriplets(triplets.begin(), triplets.end());
    Eigen::SimplicialLDLT<Eigen::SparseMatrix<double>, Eigen::Lower> solver(K);
    if (solver.info() != Eigen::Success)
      throw std::runtime_error("macierz sztywności nie daje się rozłożyć");
    u = solver.solve(f);
  }
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
