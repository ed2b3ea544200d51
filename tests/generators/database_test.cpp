// The profile catalogue: its stored record, the lookup and the listings, on files written here.
#include "generators/database.h"

#include <gtest/gtest.h>

#include <bit>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/temp_folder.h"

namespace tarvik {
namespace {

using test::TempFolder;
using R = CatalogueRecord;

float LeFloat(const uint8_t* p) {
  return std::bit_cast<float>(p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24);
}

// values seed, seed + 1.1, seed + 2.2, ... to two decimals, h and b 100 and 50 more (the
// proportions of a profile): every field different, each the decimal a table would give
R Profile(std::string family, std::string designation, double seed = 1) {
  R r{std::move(family), std::move(designation), {}};
  for (size_t i = 0; i < r.values.size(); ++i)
    r.values[i] = std::round((seed + 1.1 * static_cast<double>(i)) * 100) / 100;
  r.values[R::h] += 100;
  r.values[R::b] += 50;
  return r;
}

const std::vector<R> kCatalogue = {Profile("IPE", "IPE 80"),     Profile("HEB", "HEB 100"),
                                   Profile("IPE", "IPE 100", 7), Profile("L", "L 50x50x5"),
                                   Profile("IPE", "IPE 100", 9), Profile("HEB", "HEB 120")};

TEST(CatalogueRecord, StoresTextsAndEveryValueAtItsOffset) {
  std::array<uint8_t, kCatalogueRecordSize> b;
  b.fill(0xEE);
  const R written = Profile("Ł", "Ł 100x100x10", -3.25);
  WriteCatalogueRecord(written, b);
  // string[4] at 0, string[14] at 5, unused bytes zero; cp1250 Ł is A3
  EXPECT_EQ(std::string(b.begin(), b.begin() + 20),
            std::string("\x01\xA3\0\0\0\x0C\xA3 100x100x10\0\0", 20));
  for (size_t i = 0; i < R::kValues; ++i)
    EXPECT_EQ(LeFloat(&b[20 + 4 * i]), static_cast<float>(written.values[i])) << "value " << i;
  EXPECT_EQ(ReadCatalogueRecord(b), written);
}

TEST(CatalogueRecord, TextsAreKeptToTheirFieldsBothWays) {
  std::array<uint8_t, kCatalogueRecordSize> b;
  WriteCatalogueRecord(Profile("HEAAX", "HEA 1000 x 300 AA"), b);
  EXPECT_EQ(b[0], 4);
  EXPECT_EQ(b[5], 14);
  b[0] = 200;  // would take the designation's length byte and text
  b[5] = 255;  // would take the first values' bytes
  EXPECT_EQ(ReadCatalogueRecord(b), Profile("HEAA", "HEA 1000 x 300"));
}

// Each 4-byte field reads as the nearest decimal of 7 significant digits, what a table
// typed into floats held: not the float's own binary value (14.8f is 14.80000019...), nor
// its shortest round-trip text, which takes 8 or 9 digits where 7 are all a float carries.
TEST(CatalogueRecord, ReadsEveryFloatAsItsSevenDigitDecimal) {
  const struct {
    float stored;
    double read;
  } cases[] = {{0.1f, 0.1},
               {14.8f, 14.8},
               {-8.1f, -8.1},
               {1943.0f, 1943},
               {3.4028e38f, 3.4028e38},
               {1e-7f, 1e-7},
               {1.4e-45f, 1.401298e-45},  // the smallest denormal
               {0.0f, 0},
               {1.0000001f, 1},            // the float after 1: 1.00000012
               {123456789.0f, 123456800},  // the float 123456792
               {-INFINITY, -INFINITY}};    // kept, for CatalogueFault to refuse
  for (const auto& c : cases) {
    SCOPED_TRACE(c.read);
    std::array<uint8_t, kCatalogueRecordSize> b{};
    const uint32_t bits = std::bit_cast<uint32_t>(c.stored);
    for (int k = 0; k < 4; ++k) b[20 + 4 * R::A + k] = static_cast<uint8_t>(bits >> (8 * k));
    EXPECT_EQ(ReadCatalogueRecord(b).values[R::A], c.read);
  }
}

// one lookup; the properties start filled so that their clearing shows
struct Lookup {
  RecordingSink sink;
  R record = Profile("?", "?");
  PropertiesRecord props;
  LookupResult result;
  Lookup(ProfileDatabase& db, std::string_view code, std::string_view designation) {
    props.setName("stare"), props[slot::m] = 9;
    result = db.SzukajProfilu(code, designation, sink, record, props);
  }
};

TEST(SzukajProfilu, TakesTheFirstExactMatchOrReportsItsAbsence) {
  TempFolder folder;
  std::vector<R> records = kCatalogue;
  records[2].values[R::alpha] = 13.7;
  ASSERT_TRUE(WriteDatabase(folder.file("PROFILE.DAT"), records));
  ProfileDatabase db(folder.file("PROFILE.DAT"));
  const Lookup found(db, "IPE", "IPE 100");
  ASSERT_EQ(found.result, LookupResult::kFound);
  EXPECT_TRUE(found.sink.messages().empty());
  EXPECT_EQ(found.record, records[2]);  // not the second "IPE 100" further on
  EXPECT_EQ(db.lastFound(), records[2]);
  EXPECT_EQ(found.props.name(), "");  // the old name and mass gone
  EXPECT_EQ(found.props[slot::m], 0);
  EXPECT_EQ(found.props[slot::A], records[2].values[R::A]);
  EXPECT_DOUBLE_EQ(found.props[slot::al], 13.7 * 3.141592653589793 / 180);
  // clang-format off
  const std::pair<const char*, const char*> absent[] = {
      {"ipe", "IPE 100"}, {"IPE", "ipe 100"}, {"HEB", "IPE 100"}, {"IPE", "IPE 10"},
      {"IPE", "IPE 1000"}, {"IP", "IPE 100"}, {"", ""}};
  // clang-format on
  for (const auto& [code, designation] : absent) {
    const Lookup l(db, code, designation);
    EXPECT_EQ(l.result, LookupResult::kNotFound) << code << " " << designation;
    EXPECT_EQ(l.sink.messages(),
              (std::vector<Komunikat>{{"INFORMACJA", "Nie ma opisu takiego przekroju", "OK", "",
                                       "Spróbuj jeszcze raz"}}));
    EXPECT_EQ(l.props, PropertiesRecord{});
    EXPECT_EQ(l.record, kCatalogue.back());
  }
  EXPECT_EQ(db.lastFound(), records[2]);
}

// a record no profile can have is refused by the lookup, naming the field, and no list
// offers it; the edges of what a profile can be still read
TEST(SzukajProfilu, RefusesADamagedRecordAndNoListOffersIt) {
  TempFolder folder;
  const std::string path = folder.file("PROFILE.DAT");
  const struct {
    size_t field;
    double value;
    const char* fault;  // "" when the record is a profile
  } cases[] = {{R::A, NAN, "A nie jest liczbą"},
               {R::J1, INFINITY, "J1 nie jest liczbą"},
               {R::xS, -INFINITY, "xS nie jest liczbą"},
               {20, NAN, "wartość 21 nie jest liczbą"},
               {R::A, -28.5, "A ujemne"},
               {R::J1, -1, "J1 ujemne"},
               {R::J2, -0.5, "J2 ujemne"},
               {R::h, -200, "h ujemne"},
               {R::b, -1, "b ujemne"},
               {R::tw, -5.6, "tw ujemne"},
               {R::tf, -8.5, "tf ujemne"},
               {R::tf, 50.75, "tf większe niż h/2"},  // h is 101
               {R::tw, 52.2, "tw większe niż b"},     // b is 52.1
               {R::tf, 50.5, ""},
               {R::tw, 52.1, ""},
               {R::xS, -30, ""},
               {R::xT, -25.4, ""}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.fault) + " " + std::to_string(c.field));
    R damaged = Profile("IPE", "IPE 100");
    damaged.values[c.field] = c.value;
    ASSERT_TRUE(WriteDatabase(path, {kCatalogue[0], damaged, kCatalogue[1]}));
    ProfileDatabase db(path);
    const Lookup l(db, "IPE", "IPE 100");
    if (*c.fault == '\0') {
      EXPECT_EQ(l.result, LookupResult::kFound);
      EXPECT_EQ(db.Designations("IPE"), (std::vector<std::string>{"IPE 80", "IPE 100"}));
      continue;
    }
    EXPECT_EQ(l.result, LookupResult::kDamaged);
    EXPECT_EQ(db.lastResult(), LookupResult::kDamaged);
    EXPECT_EQ(l.sink.messages(),
              (std::vector<Komunikat>{{"INFORMACJA", "Uszkodzony opis profilu", "OK", "",
                                       "(IPE IPE 100: " + std::string(c.fault) + ")"}}));
    EXPECT_EQ(l.props, PropertiesRecord{});
    EXPECT_EQ(db.Designations("IPE"), (std::vector<std::string>{"IPE 80"}));
    EXPECT_EQ(db.Families(), (std::vector<std::string>{"IPE", "HEB"}));
  }
}

TEST(SzukajProfilu, CallsAnUnreadableDatabaseAnIncompleteInstallation) {
  TempFolder folder;
  folder.write("plik", "x");
  std::filesystem::create_directory(folder.file("PROFILE.DAT"));
  const std::pair<std::string, bool> paths[] = {{folder.file("brak.dat"), false},
                                                {folder.file("PROFILE.DAT"), true},
                                                {folder.file("plik/PROFILE.DAT"), false}};
  for (const auto& [path, exists] : paths) {
    ProfileDatabase db(path);
    EXPECT_EQ(db.exists(), exists) << path;
    const Lookup l(db, "IPE", "IPE 80");
    EXPECT_EQ(l.result, LookupResult::kUnreadable);
    EXPECT_EQ(db.lastResult(), LookupResult::kUnreadable);  // the main window closes on it
    EXPECT_EQ(l.sink.messages(),
              (std::vector<Komunikat>{{"INFORMACJA", "Niekompletna instalacja", "OK", "", ""}}));
    EXPECT_EQ(l.props, PropertiesRecord{});
    EXPECT_EQ(l.record, R{});
    FileState state = FileState::kRead;
    EXPECT_TRUE(db.Families(&state).empty());
    EXPECT_EQ(state, exists ? FileState::kUnreadable : FileState::kMissing) << path;
  }
  EXPECT_FALSE(WriteDatabase(folder.file("plik/PROFILE.DAT"), kCatalogue));
}

TEST(SzukajProfilu, IgnoresATruncatedLastRecordButFindsTheWholeOnes) {
  TempFolder folder;
  const std::string path = folder.file("PROFILE.DAT");
  ASSERT_TRUE(WriteDatabase(path, {kCatalogue[0], kCatalogue[1], Profile("IPE", "IPE 120")}));
  std::filesystem::resize_file(path, 3 * kCatalogueRecordSize - 1);  // its texts still whole
  ProfileDatabase db(path);
  EXPECT_EQ(Lookup(db, "HEB", "HEB 100").result, LookupResult::kFound);
  const Lookup l(db, "IPE", "IPE 120");
  EXPECT_EQ(l.result, LookupResult::kNotFound);
  EXPECT_EQ(l.record, kCatalogue[1]);
  EXPECT_EQ(db.Families(), (std::vector<std::string>{"IPE", "HEB"}));
}

TEST(ProfileDatabase, ListsFamiliesByFirstAppearanceAndDesignationsInFileOrder) {
  TempFolder folder;
  ASSERT_TRUE(WriteDatabase(folder.file("PROFILE.DAT"), kCatalogue));
  ASSERT_TRUE(WriteDatabase(folder.file("PUSTY.DAT"), {}));
  const ProfileDatabase db(folder.file("PROFILE.DAT"));
  EXPECT_EQ(db.Families(), (std::vector<std::string>{"IPE", "HEB", "L"}));
  EXPECT_EQ(db.Designations("IPE"), (std::vector<std::string>{"IPE 80", "IPE 100", "IPE 100"}));
  EXPECT_EQ(db.Designations("HEB"), (std::vector<std::string>{"HEB 100", "HEB 120"}));
  FileState state = FileState::kMissing;
  EXPECT_TRUE(ProfileDatabase(folder.file("PUSTY.DAT")).Families(&state).empty());
  EXPECT_EQ(state, FileState::kRead);  // read, and nothing in it
  state = FileState::kMissing;
  EXPECT_TRUE(db.Designations("heb", &state).empty());
  EXPECT_EQ(state, FileState::kRead);
}

// A database keeps the file it read; each lookup and listing still sees the file as it is
// now. A rewrite of the same size gets its time set apart here, since two writes close
// together may leave the same time; a time set back to an older one counts as well.
TEST(ProfileDatabase, SeesTheFileAsItIsNowAtEveryLookup) {
  namespace fs = std::filesystem;
  using namespace std::chrono_literals;
  TempFolder folder;
  const std::string path = folder.file("PROFILE.DAT");
  ASSERT_TRUE(WriteDatabase(path, {kCatalogue[0], kCatalogue[1]}));
  const fs::file_time_type first = fs::last_write_time(path);
  ProfileDatabase db(path);
  EXPECT_EQ(Lookup(db, "HEB", "HEB 100").record, kCatalogue[1]);
  const R other = Profile("HEB", "HEB 100", 5);
  const struct {
    const char* what;
    std::vector<R> records;
    fs::file_time_type written;
    R heb;  // what the lookup of HEB 100 gives: the record, or else the last one
    LookupResult result;
    std::vector<std::string> families;
  } steps[] = {
      {"other values",
       {kCatalogue[0], other},
       first + 1s,
       other,
       LookupResult::kFound,
       {"IPE", "HEB"}},
      {"other names",
       {kCatalogue[0], kCatalogue[3]},
       first + 2s,
       kCatalogue[3],
       LookupResult::kNotFound,
       {"IPE", "L"}},
      {"the first file, its time back",
       {kCatalogue[0], kCatalogue[1]},
       first,
       kCatalogue[1],
       LookupResult::kFound,
       {"IPE", "HEB"}},
      {"grown", kCatalogue, first, kCatalogue[1], LookupResult::kFound, {"IPE", "HEB", "L"}},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(step.what);
    ASSERT_TRUE(WriteDatabase(path, step.records));
    fs::last_write_time(path, step.written);
    const Lookup l(db, "HEB", "HEB 100");
    EXPECT_EQ(l.result, step.result);
    EXPECT_EQ(l.record, step.heb);
    EXPECT_EQ(db.Families(), step.families);
  }
  fs::remove(path);
  EXPECT_EQ(Lookup(db, "HEB", "HEB 100").result, LookupResult::kUnreadable);
  FileState state = FileState::kRead;
  EXPECT_TRUE(db.Designations("HEB", &state).empty());
  EXPECT_EQ(state, FileState::kMissing);
}

}  // namespace
}  // namespace tarvik
