// The properties record: a name and 46 numbered double slots, the same for one figure and
// for the whole section. Slot k is stored at byte offset 8·k (the name takes slots 0..2).
// A slot holding 0 counts as empty: generators store exact or catalogue values first and
// the integration fills only what is still empty.
#pragma once

#include <array>
#include <cassert>
#include <string>
#include <string_view>

namespace tarvik {

namespace slot {
// symbol = slot: meaning [stored unit]
enum : int {
  d1 = 3,  // d1..d9: profile dimensions written by the generator or the catalogue [mm]
  d2,
  d3,
  d4,
  d5,
  d6,
  d7,
  d8,
  d9,
  A = 12,  // cross-section area [cm^2]
  Avx,     // 13 shear area for shear along x [cm^2]
  Avy,     // 14 shear area for shear along y [cm^2]
  J1,      // 15 moment of inertia about the first principal central axis u [cm^4]
  J2,      // 16 moment of inertia about the second principal central axis v [cm^4]
  Jt,      // 17 torsion constant, standard formula [cm^4]
  Js,      // 18 torsion constant, exact formula [cm^4]
  Wcx,     // 19 elastic modulus J1 / extreme fibre on the +v side [cm^3]
  Wtx,     // 20 elastic modulus J1 / extreme fibre on the -v side [cm^3]
  Wcy,     // 21 elastic modulus J2 / extreme fibre on the +u side [cm^3]
  Wty,     // 22 elastic modulus J2 / extreme fibre on the -u side [cm^3]
  Wplx,    // 23 plastic modulus for bending about u [cm^3]
  Wply,    // 24 plastic modulus for bending about v [cm^3]
  Wt,      // 25 torsion modulus, standard formula [cm^3]
  Ws,      // 26 torsion modulus, exact formula [cm^3]
  Ivx,     // 27 shear moment of inertia about x [cm^4]
  Ivy,     // 28 shear moment of inertia about y [cm^4]
  xS,      // 29 centroid x [mm]
  yS,      // 30 centroid y [mm]
  al,      // 31 angle from the x axis to the principal axis u [rad]
  Jw,      // 32 sectorial (warping) moment of inertia [cm^6]
  w1,      // 33 sectorial area w1 [cm^2]
  w2,      // 34 sectorial area w2 [cm^2]
  xT,      // 35 shear centre x [mm]
  yT,      // 36 shear centre y [mm]
  s37,     // 37 generator-specific (rolled tee, cold-formed Z)
  s38,     // 38 generator-specific (rolled tee, cold-formed Z)
  xpl,     // 39 offset of the plastic axis for bending about v, along u from the centroid [mm]
  ypl,     // 40 offset of the plastic axis for bending about u, along v from the centroid [mm]
  m,       // 41 mass per metre from the catalogue; 0: computed from the density [kg/m]
  Ow,      // 42 inner perimeter [mm]
  Oz,      // 43 outer perimeter [mm]
  s44,     // 44 generator-specific
  s45,     // 45 generator-specific
  E,       // 46 weight in a composite section, Ei/Eo; 0 reads as 1 [-]
  s47,     // 47 generator-specific
  s48,     // 48 generator-specific
  kEnd     // one past the last slot
};
}  // namespace slot

// how the outside world names a slot: the symbol used by the command line's JSON and the
// stored unit used when a value is shown
struct SlotInfo {
  int slot;
  const char* symbol;
  const char* unit;  // display suffix, "" for a pure number
};
// every slot from d1 to s48, in slot order
const std::array<SlotInfo, 46>& SlotTable();

class PropertiesRecord {
 public:
  static constexpr int kFirstSlot = slot::d1;
  static constexpr int kSlotEnd = slot::kEnd;
  static constexpr int kNameChars = 20;

  double& operator[](int k) {
    assert(k >= kFirstSlot && k < kSlotEnd);
    return slots_[k];
  }
  double operator[](int k) const {
    assert(k >= kFirstSlot && k < kSlotEnd);
    return slots_[k];
  }

  const std::string& name() const { return name_; }
  // the name is kept to 20 characters of the stored code page, as a saved file would hold it
  void setName(std::string_view utf8);
  // 392 zero bytes: empty name, every slot empty
  void clear() { *this = PropertiesRecord{}; }

  friend bool operator==(const PropertiesRecord&, const PropertiesRecord&) = default;

 private:
  std::string name_;
  std::array<double, kSlotEnd> slots_{};  // 0..2 unused: the name's bytes
};

}  // namespace tarvik
