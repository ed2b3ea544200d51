#include "generators/database.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <utility>

#include "engine/bytes.h"

namespace tarvik {
namespace {

using namespace bytes;
using Field = CatalogueRecord::Field;

constexpr double kPi = 3.141592653589793;
constexpr size_t kDesignationAt = CatalogueRecord::kFamilyChars + 1;

size_t ValueAt(size_t i) { return CatalogueRecord::kFirstValue + 4 * i; }

// where each copied field goes; alpha goes apart, in radians
constexpr std::pair<Field, int> kCopied[] = {
    {CatalogueRecord::h, slot::d1},  {CatalogueRecord::b, slot::d2},
    {CatalogueRecord::tw, slot::d3}, {CatalogueRecord::tf, slot::d4},
    {CatalogueRecord::r, slot::d5},  {CatalogueRecord::r1, slot::d6},
    {CatalogueRecord::r2, slot::d7}, {CatalogueRecord::w1, slot::w1},
    {CatalogueRecord::w2, slot::w2}, {CatalogueRecord::A, slot::A},
    {CatalogueRecord::J1, slot::J1}, {CatalogueRecord::J2, slot::J2},
    {CatalogueRecord::Jt, slot::Jt}, {CatalogueRecord::xS, slot::xS},
    {CatalogueRecord::yS, slot::yS}, {CatalogueRecord::Jw, slot::Jw},
    {CatalogueRecord::xT, slot::xT}};

void CopyValues(const CatalogueRecord& record, PropertiesRecord& props) {
  for (const auto& [field, k] : kCopied) props[k] = record.values[field];
  props[slot::al] = record.values[CatalogueRecord::alpha] * kPi / 180;
}

using RawRecord = std::span<const uint8_t, kCatalogueRecordSize>;

}  // namespace

void WriteCatalogueRecord(const CatalogueRecord& record,
                          std::span<uint8_t, kCatalogueRecordSize> out) {
  PutShortString(out.data(), CatalogueRecord::kFamilyChars, record.family);
  PutShortString(out.data() + kDesignationAt, CatalogueRecord::kDesignationChars,
                 record.designation);
  for (size_t i = 0; i < record.values.size(); ++i)
    PutU32(out.data() + ValueAt(i), std::bit_cast<uint32_t>(static_cast<float>(record.values[i])));
}

CatalogueRecord ReadCatalogueRecord(std::span<const uint8_t, kCatalogueRecordSize> in) {
  CatalogueRecord record;
  record.family = GetShortString(in.data(), CatalogueRecord::kFamilyChars);
  record.designation =
      GetShortString(in.data() + kDesignationAt, CatalogueRecord::kDesignationChars);
  for (size_t i = 0; i < record.values.size(); ++i) {
    const float v = std::bit_cast<float>(GetU32(in.data() + ValueAt(i)));
    record.values[i] = std::isfinite(v) ? WidenCatalogueFloat(v) : static_cast<double>(v);
  }
  return record;
}

std::string CatalogueFault(const CatalogueRecord& record) {
  static const char* const kNames[] = {"h", "b",  "tw", "tf", "r",  "r1", "r2",    "w1", "w2",
                                       "A", "J1", "J2", "Jt", "xS", "yS", "alpha", "Jw", "xT"};
  const auto& v = record.values;
  for (size_t i = 0; i < v.size(); ++i)
    if (!std::isfinite(v[i]))
      return (i < std::size(kNames) ? kNames[i] : "wartość " + std::to_string(i + 1)) +
             " nie jest liczbą";
  for (const Field f : {Field::h, Field::b, Field::tw, Field::tf, Field::A, Field::J1, Field::J2})
    if (v[f] < 0) return std::string(kNames[f]) + " ujemne";
  if (v[Field::tf] > v[Field::h] / 2) return "tf większe niż h/2";
  if (v[Field::tw] > v[Field::b]) return "tw większe niż b";
  return {};
}

double WidenCatalogueFloat(float value) {
  // d.dddddde±XX: the float's exact value rounded to 7 significant digits, read back as the
  // nearest double to that decimal
  char text[32];
  const auto [end, error] =
      std::to_chars(text, text + sizeof text, value, std::chars_format::scientific, 6);
  double widened = value;
  if (error == std::errc{}) std::from_chars(text, end, widened);
  return widened;
}

bool WriteDatabase(const std::string& path, const std::vector<CatalogueRecord>& records) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  std::array<uint8_t, kCatalogueRecordSize> buffer;
  for (const CatalogueRecord& record : records) {
    if (!out) break;
    WriteCatalogueRecord(record, buffer);
    out.write(reinterpret_cast<const char*>(buffer.data()), buffer.size());
  }
  out.close();
  return !out.fail();
}

bool ProfileDatabase::exists() const {
  std::error_code ec;
  return std::filesystem::exists(path_, ec);
}

// The file is read again when its size or modification time differs from what was kept,
// or when it cannot be looked at: a missing or unreadable file is never kept. Both are
// taken before the bytes are read, so a change while they are read shows next time.
const ProfileDatabase::Contents& ProfileDatabase::Read() const {
  namespace fs = std::filesystem;
  std::error_code sizeError, timeError;
  const std::uintmax_t size = fs::file_size(path_, sizeError);
  const fs::file_time_type written = fs::last_write_time(path_, timeError);
  const bool known = !sizeError && !timeError;
  if (known && contents_.kept && contents_.size == size && contents_.written == written)
    return contents_;
  contents_ = Contents{};
  std::ifstream in(path_, std::ios::binary);
  if (!in) {
    std::error_code ec;
    contents_.state = fs::exists(path_, ec) ? FileState::kUnreadable : FileState::kMissing;
    return contents_;
  }
  std::vector<uint8_t>& bytes = contents_.bytes;
  if (known) bytes.reserve(static_cast<size_t>(size));
  char chunk[1 << 14];
  while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
    bytes.insert(bytes.end(), chunk, chunk + in.gcount());
    if (!in) break;
  }
  // a folder opens but cannot be read: the stream goes bad, not merely to its end
  contents_.broken = in.bad();
  contents_.state = FileState::kRead;
  bytes.resize(bytes.size() / kCatalogueRecordSize *
               kCatalogueRecordSize);  // a short tail is no record
  for (size_t at = 0; at < bytes.size(); at += kCatalogueRecordSize) {
    const uint8_t* raw = bytes.data() + at;
    std::pair<std::string, std::string> names{
        GetShortString(raw, CatalogueRecord::kFamilyChars),
        GetShortString(raw + kDesignationAt, CatalogueRecord::kDesignationChars)};
    contents_.first.emplace(names, contents_.names.size());
    contents_.names.push_back(std::move(names));
  }
  contents_.kept = known && !contents_.broken;
  contents_.size = size, contents_.written = written;
  return contents_;
}

LookupResult ProfileDatabase::SzukajProfilu(std::string_view code, std::string_view designation,
                                            MessageSink& sink, CatalogueRecord& record,
                                            PropertiesRecord& props) {
  props.clear();
  record = CatalogueRecord{};
  const Contents& file = Read();
  auto raw = [&](size_t k) {
    return RawRecord(file.bytes.data() + k * kCatalogueRecordSize, kCatalogueRecordSize);
  };
  // the first record of that code and designation, or else the last one there is
  const auto match = file.first.find({std::string(code), std::string(designation)});
  const bool found = match != file.first.end();
  if (found)
    record = ReadCatalogueRecord(raw(match->second));
  else if (Records() > 0)
    record = ReadCatalogueRecord(raw(Records() - 1));
  // a file that broke off is unreadable unless the profile came before the fault
  const FileState state = file.broken && !found ? FileState::kUnreadable : file.state;
  if (state != FileState::kRead) {
    sink.show({"INFORMACJA", "Niekompletna instalacja", "OK", {}, {}});
    return lastResult_ = LookupResult::kUnreadable;
  }
  if (!found) {
    sink.show({"INFORMACJA", "Nie ma opisu takiego przekroju", "OK", {}, "Spróbuj jeszcze raz"});
    return lastResult_ = LookupResult::kNotFound;
  }
  if (const std::string fault = CatalogueFault(record); !fault.empty()) {
    sink.show({"INFORMACJA",
               "Uszkodzony opis profilu",
               "OK",
               {},
               "(" + record.family + " " + record.designation + ": " + fault + ")"});
    return lastResult_ = LookupResult::kDamaged;
  }
  CopyValues(record, props);
  lastFound_ = record;
  return lastResult_ = LookupResult::kFound;
}

std::vector<std::string> ProfileDatabase::Designations(std::string_view code,
                                                       FileState* state) const {
  std::vector<std::string> list;
  const Contents& file = Read();
  const FileState s = file.broken ? FileState::kUnreadable : file.state;
  if (s == FileState::kRead)
    for (size_t k = 0; k < Records(); ++k)
      if (file.names[k].first == code &&
          CatalogueFault(ReadCatalogueRecord(RawRecord(file.bytes.data() + k * kCatalogueRecordSize,
                                                       kCatalogueRecordSize)))
              .empty())
        list.push_back(file.names[k].second);
  if (state) *state = s;
  return list;
}

std::vector<std::string> ProfileDatabase::Families(FileState* state) const {
  std::vector<std::string> list;
  const Contents& file = Read();
  const FileState s = file.broken ? FileState::kUnreadable : file.state;
  if (s == FileState::kRead)
    for (const auto& [family, designation] : file.names)
      if (std::find(list.begin(), list.end(), family) == list.end()) list.push_back(family);
  if (state) *state = s;
  return list;
}

}  // namespace tarvik
