// The finite-element mesh of a cross-section: six-node triangles over the section's figures,
// with the figure (region) each element belongs to and that figure's weight (modular ratio).
// Plain C++, no Qt; lengths in mm.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace tarvik::fe {

struct Node {
  double x = 0;  // mm
  double y = 0;
};

// a quadratic triangle: corners 0, 1, 2 counter-clockwise, then the mid-side nodes
// 3 (between 0 and 1), 4 (between 1 and 2) and 5 (between 2 and 0)
struct Element {
  std::array<int, 6> n{};
  int region = 0;  // index into Mesh::weights (the figure it lies in)
};

struct Mesh {
  std::vector<Node> nodes;
  std::vector<Element> elements;
  std::vector<double> weights;  // per region: the figure's modular ratio (1 for the base material)
  // the figures' own areas, weighted and summed (true arcs where they were recognised), and
  // how far the curved element edges may miss them: the mesh of overlapping figures holds
  // the common part once and falls short of this sum [mm^2]
  double figuresArea = 0;
  double areaTolerance = 0;
};

// one figure of a section: its outline and holes as closed polygons (the first point not
// repeated at the end; either direction), and its weight
struct Figure {
  std::vector<Node> outer;
  std::vector<std::vector<Node>> holes;
  double weight = 1;
  // the rings follow true circular arcs by dense chords (a generator's fillets and bends):
  // four or more equal chords turning equally are taken for an arc, meshed with a few
  // elements whose edges bend along it. Off for an outline drawn by hand, whose short equal
  // edges are the shape itself.
  bool trueArcs = false;
};

struct MeshOptions {
  // the largest element area as a fraction of the section's area (1e-5 to 1)
  double maxAreaFraction = 0.002;
  // elements at a corner of the material and along its arcs are this many times smaller than
  // elsewhere (1: no grading; at most 10000)
  double cornerGrading = 20;
  // the smallest angle the mesher aims at [degrees], at most 33 (beyond, the refinement may
  // never end)
  double minAngle = 28;
};

// Meshes the figures (touching figures share the nodes along their common edges; where they
// overlap, the first figure owns the overlap); false with the reason in why (English) and an
// empty mesh when the figures or options cannot be meshed (no area, self-crossing outline,
// a hole crossing or outside its outline).
bool Siatka(const std::vector<Figure>& figures, const MeshOptions& options, Mesh& mesh,
            std::string& why);

// A mesher that makes finer meshes of the same figures by refining the triangulation it has
// (each finer mesh keeps the nodes of the one before) instead of starting again: the figures
// are checked, their arcs recognised and their outlines triangulated once.
class Siatkowanie {
 public:
  Siatkowanie();
  ~Siatkowanie();
  Siatkowanie(const Siatkowanie&) = delete;
  Siatkowanie& operator=(const Siatkowanie&) = delete;
  // the first mesh, as Siatka makes it
  bool Pierwsza(const std::vector<Figure>& figures, const MeshOptions& options, Mesh& mesh,
                std::string& why);
  // a finer mesh: elements of at most maxAreaFraction of the area, no larger than before, the
  // grading and angle as for the first; false (and no further mesh) when it cannot be made
  bool Dalej(double maxAreaFraction, Mesh& mesh, std::string& why);

 private:
  struct Stan;
  bool Refine(Mesh& mesh, std::string& why);
  std::unique_ptr<Stan> stan_;
};

// whether two figures overlap: an outline or hole of one crosses one of the other, or the
// middle of an edge of one lies inside the other off its border (touching along an edge or at
// a point, to the rounding of figures placed by arithmetic, is no overlap)
bool ZachodzaNaSiebie(const std::vector<Figure>& figures);

// the separate parts of a mesh (elements joined through the nodes they share): their number,
// each element's part and each node's (-1 for a node no element uses)
struct CzesciSiatki {
  int count = 0;
  std::vector<int> ofElement;
  std::vector<int> ofNode;
};
CzesciSiatki PodzialNaCzesci(const Mesh& mesh);
// the number of separate parts
int Czesci(const Mesh& mesh);

}  // namespace tarvik::fe
