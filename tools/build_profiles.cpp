// tarvik-build-profiles SOURCE_DIR OUT_FILE: data/profiles/*.csv into PROFILE.DAT, then the
// corrugated-web girders "WT", made from the "Spawane" tab's lists, then the cold-formed
// profiles of the " Gięte " tab, made from their designations.
// Fails (exit 1, nothing written) on a malformed table, a duplicate designation or a
// tabulated value that its outline contradicts by more than 2 % without a listed reason.
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <set>
#include <sstream>

#include "generators/cold_formed.h"
#include "tools/profile_builder.h"

namespace fs = std::filesystem;
using namespace tarvik;

namespace {

// the rolled tab's families first, in the order its lists show them; any other table after
constexpr const char* kFamilyOrder[] = {"2TPN", "IPE", "HEAA", "HEA", "HEB", "HEM", "HE",  "HD",
                                        "HL",   "HP",  "2TGO", "CPN", "CE",  "UAP", "UAE", "CGO",
                                        "KWR",  "KWN", "TW",   "TN",  "ZPN", "ZDIN"};
constexpr const char* kExceptionsFile = "exceptions.csv";

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path.string());
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

std::vector<fs::path> TablesInOrder(const fs::path& dir) {
  std::vector<fs::path> all;
  for (const auto& entry : fs::directory_iterator(dir))
    if (entry.path().extension() == ".csv" && entry.path().filename() != kExceptionsFile)
      all.push_back(entry.path());
  auto rank = [](const fs::path& p) {
    const std::string stem = p.stem().string();
    const auto it = std::find(std::begin(kFamilyOrder), std::end(kFamilyOrder), stem);
    return static_cast<size_t>(it - std::begin(kFamilyOrder));
  };
  std::sort(all.begin(), all.end(), [&](const fs::path& a, const fs::path& b) {
    return std::pair(rank(a), a.filename()) < std::pair(rank(b), b.filename());
  });
  return all;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: tarvik-build-profiles SOURCE_DIR OUT_FILE\n";
    return 2;
  }
  const auto started = std::chrono::steady_clock::now();
  const fs::path dir = argv[1], out = argv[2];
  try {
    std::vector<Exception> exceptions;
    if (fs::exists(dir / kExceptionsFile))
      exceptions = ParseExceptions(ReadAll(dir / kExceptionsFile));
    BuildReport report;
    std::vector<CatalogueRecord> records;
    std::set<std::pair<std::string, std::string>> seen;
    auto once = [&](const std::string& family, const std::string& designation,
                    const std::string& at) {
      if (!seen.insert({family, designation}).second)
        report.failures.push_back(at + family + " " + designation + " twice");
    };
    // the program refuses a profile like this one as it reads it back
    auto add = [&](const CatalogueRecord& record, const std::string& at) {
      std::array<uint8_t, kCatalogueRecordSize> stored;
      WriteCatalogueRecord(record, stored);
      if (const std::string fault = CatalogueFault(ReadCatalogueRecord(stored)); !fault.empty())
        report.failures.push_back(at + record.family + " " + record.designation + ": " + fault);
      records.push_back(record);
    };
    for (const fs::path& table : TablesInOrder(dir)) {
      std::vector<SourceRow> rows;
      try {
        rows = ParseSourceTable(ReadAll(table));
      } catch (const std::exception& e) {
        report.failures.push_back(table.filename().string() + ": " + e.what());
        continue;
      }
      for (const SourceRow& row : rows) {
        const std::string at = table.filename().string() + ":" + std::to_string(row.line) + ": ";
        if (row.family != table.stem().string())
          report.failures.push_back(at + "family " + row.family + " in the wrong table");
        once(row.family, row.designation, at);
        if (auto record = CompleteRow(row, exceptions, report)) add(*record, at);
      }
    }
    const std::vector<CatalogueRecord> girders = CorrugatedGirders();
    for (const CatalogueRecord& girder : girders) {
      once(girder.family, girder.designation, "welded lists: ");
      add(girder, "welded lists: ");
    }
    const std::vector<CatalogueRecord> coldFormed = ColdFormedRecords();
    for (const CatalogueRecord& profile : coldFormed) {
      once(profile.family, profile.designation, "cold-formed lists: ");
      add(profile, "cold-formed lists: ");
    }
    for (const std::string& note : report.notes) std::cout << "note: " << note << '\n';
    if (!report.failures.empty()) {
      for (const std::string& f : report.failures) std::cerr << "error: " << f << '\n';
      std::cerr << report.failures.size() << " errors; " << out.string() << " not written\n";
      return 1;
    }
    // a failed write never leaves half a database behind
    const fs::path temporary = out.string() + ".new";
    if (!WriteDatabase(temporary.string(), records)) {
      std::cerr << "cannot write " << temporary.string() << '\n';
      return 1;
    }
    fs::rename(temporary, out);
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() -
                                                                started)
                          .count();
    std::printf("%s: %zu profiles (%zu of them WT, %zu cold-formed), %d values computed, %.0f ms\n",
                out.string().c_str(), records.size(), girders.size(), coldFormed.size(),
                report.computedValues, ms);
    return 0;
  } catch (const std::exception& e) {
    std::cerr << "error: " << e.what() << '\n';
    return 1;
  }
}
