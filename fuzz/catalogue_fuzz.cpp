// The profile catalogue on any bytes: every whole 116-byte record read alone and written back,
// then the bytes as a PROFILE.DAT file, listed and searched. The first record must be found by
// its own family code and designation and read as it reads alone — or, when it is damaged (a
// value that is no number, an impossible dimension), be refused as damaged; the designations
// listed under its family are those of its undamaged records, in file order.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "engine/messages.h"
#include "engine/properties.h"
#include "fuzz/fuzz_support.h"
#include "generators/database.h"

using namespace tarvik;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const fuzz::Folder folder("dat");
  std::vector<CatalogueRecord> records;
  for (size_t at = 0; at + kCatalogueRecordSize <= size; at += kCatalogueRecordSize) {
    records.push_back(
        ReadCatalogueRecord(std::span<const uint8_t, kCatalogueRecordSize>(data + at, kCatalogueRecordSize)));
    // written back as the catalogue builder writes it, and read again
    std::array<uint8_t, kCatalogueRecordSize> again;
    WriteCatalogueRecord(records.back(), again);
    (void)ReadCatalogueRecord(again);
  }

  ProfileDatabase db(folder.write("PROFILE.DAT", data, size));
  FileState state = FileState::kMissing;
  const std::vector<std::string> families = db.Families(&state);
  if (state != FileState::kRead) fuzz::Broken("the catalogue file does not read");
  if (records.empty()) {
    if (!families.empty()) fuzz::Broken("a file without a whole record lists families");
    return 0;
  }

  const CatalogueRecord& first = records.front();
  RecordingSink sink;
  CatalogueRecord found;
  PropertiesRecord props;
  const LookupResult result = db.SzukajProfilu(first.family, first.designation, sink, found, props);
  if (!CatalogueFault(first).empty()) {
    if (result != LookupResult::kDamaged) fuzz::Broken("a damaged first record is not refused");
  } else {
    if (result != LookupResult::kFound) fuzz::Broken("the first record is not found by its own names");
    if (!(found == first)) fuzz::Broken("the record found reads otherwise than alone");
    for (int k = PropertiesRecord::kFirstSlot; k < PropertiesRecord::kSlotEnd; ++k)
      if (!std::isfinite(props[k])) fuzz::Broken("a profile's property is not a number");
  }

  std::vector<std::string> expected;
  for (const CatalogueRecord& r : records)
    if (r.family == first.family && CatalogueFault(r).empty()) expected.push_back(r.designation);
  if (db.Designations(first.family) != expected)
    fuzz::Broken("the designations listed are not those of the family's records");

  // a lookup that runs to the end of the file
  (void)db.SzukajProfilu(records.back().family, records.back().designation + "?", sink, found, props);
  return 0;
}
