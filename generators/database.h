// The profile catalogue PROFILE.DAT: fixed 116-byte records with no header, one rolled or
// cold-formed profile each. A database keeps the file's bytes and an index of its names,
// read again whenever the file's size or modification time changes or it goes.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/messages.h"
#include "engine/properties.h"

namespace tarvik {

inline constexpr size_t kCatalogueRecordSize = 116;

struct CatalogueRecord {
  static constexpr size_t kFamilyChars = 4;        // string[4] at 0
  static constexpr size_t kDesignationChars = 14;  // string[14] at 5
  static constexpr size_t kFirstValue = 20;        // 24 floats from here

  // values[i] lies at byte 20 + 4·i as a 4-byte float and is held as the decimal the table
  // gave (5.6, not the float's 5.599999904632568); the last six are kept but copied nowhere
  enum Field : size_t {
    h,      // height [mm]
    b,      // width [mm]
    tw,     // web thickness [mm]
    tf,     // flange thickness [mm]
    r,      // root radius [mm]
    r1,     // toe radius [mm]
    r2,     // third radius [mm]
    w1,     // sectorial area w1 [cm^2]
    w2,     // sectorial area w2 [cm^2]
    A,      // area [cm^2]
    J1,     // principal moment about u [cm^4]
    J2,     // principal moment about v [cm^4]
    Jt,     // torsion constant, 0: not tabulated [cm^4]
    xS,     // centroid x [mm]
    yS,     // centroid y [mm]
    alpha,  // principal-axis angle [degrees]
    Jw,     // warping constant [cm^6]
    xT,     // shear centre x [mm]
    kValues = 24
  };

  std::string family;       // UTF-8, at most 4 cp1250 characters when stored
  std::string designation;  // UTF-8, at most 14 cp1250 characters when stored
  std::array<double, kValues> values{};

  friend bool operator==(const CatalogueRecord&, const CatalogueRecord&) = default;
};

// texts longer than their fields are cut; values are written as the nearest floats
void WriteCatalogueRecord(const CatalogueRecord& record,
                          std::span<uint8_t, kCatalogueRecordSize> out);
// a length byte above its field reads only the field; every value is widened to its decimal
// (WidenCatalogueFloat), one that is not finite stays so (CatalogueFault refuses it)
CatalogueRecord ReadCatalogueRecord(std::span<const uint8_t, kCatalogueRecordSize> in);

// what makes a record no profile, "" when nothing does: a value that is not finite, a
// negative h, b, tw, tf, A, J1 or J2, flanges thicker than half the height (tf > h/2) or a
// web thicker than the width (tw > b). Every profile of the published tables passes.
// Names the field and the fault: "tf większe niż h/2".
std::string CatalogueFault(const CatalogueRecord& record);

// A catalogue float as the decimal it was typed from: the nearest decimal of 7 significant
// digits, as many as a float holds, so that 14.8f gives 14.8 and 0.1f gives 0.1 in every
// product and sum the profile's properties are made of.
double WidenCatalogueFloat(float value);

// the records one after another, the file replaced; false when it cannot be written whole
bool WriteDatabase(const std::string& path, const std::vector<CatalogueRecord>& records);

// kDamaged: the record is there but CatalogueFault refuses it
enum class LookupResult { kFound, kNotFound, kUnreadable, kDamaged };

// how a listing went: a file missing or unreadable lists nothing, and only kRead says that
// nothing is there
enum class FileState { kRead, kMissing, kUnreadable };

// One object is for one thread: its const listings fill the kept copy of the file.
class ProfileDatabase {
 public:
  explicit ProfileDatabase(std::string path) : path_(std::move(path)) {}

  const std::string& path() const { return path_; }
  // something is at the path (it may still be unreadable, a folder for one)
  bool exists() const;

  // The first record whose family code and designation both match exactly; its values fill
  // props (cleared in every case), alpha in radians. record receives it, or else the last
  // record read. An unreadable file only reports "Niekompletna instalacja": the main window
  // decides what follows. A damaged record fills nothing and says "Uszkodzony opis profilu"
  // with the profile and the fault ("(IPE 200: tf większe niż h/2)").
  LookupResult SzukajProfilu(std::string_view code, std::string_view designation, MessageSink& sink,
                             CatalogueRecord& record, PropertiesRecord& props);
  // the record of the last successful lookup
  const std::optional<CatalogueRecord>& lastFound() const { return lastFound_; }
  // how the last lookup ended: kUnreadable tells the main window to close the program
  LookupResult lastResult() const { return lastResult_; }

  // the designations under that family code, in file order; damaged records (CatalogueFault)
  // are left out, so that no list offers a profile the lookup refuses
  std::vector<std::string> Designations(std::string_view code, FileState* state = nullptr) const;
  // the family codes in order of first appearance
  std::vector<std::string> Families(FileState* state = nullptr) const;

 private:
  // the file as last read: its whole records (up to where reading failed) and their names
  struct Contents {
    FileState state = FileState::kMissing;
    bool broken = false;  // reading stopped at a fault after `bytes`
    std::vector<uint8_t> bytes;
    std::vector<std::pair<std::string, std::string>> names;       // family, designation
    std::map<std::pair<std::string, std::string>, size_t> first;  // the first record so named
    // what the file was when read; kept only for a file read whole
    bool kept = false;
    std::uintmax_t size = 0;
    std::filesystem::file_time_type written{};
  };
  const Contents& Read() const;
  size_t Records() const { return contents_.names.size(); }

  std::string path_;
  mutable Contents contents_;
  std::optional<CatalogueRecord> lastFound_;
  LookupResult lastResult_ = LookupResult::kFound;
};

}  // namespace tarvik
