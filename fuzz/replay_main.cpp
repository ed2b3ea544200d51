// A harness without libFuzzer: every file of the folders given (or the files themselves) once
// through LLVMFuzzerTestOneInput, as a regression test of the ordinary builds.
//   tarvik_fuzz_replay_<target> [--skip LIST] PATH...
// LIST names reproducers still failing (fuzz/regressions/known-failures.txt, one repository
// path a line, # comments), left out and named, and "skip-stage NAME" lines: harness stages
// left out (TARVIK_FUZZ_SKIP) while a failure they hit is not fixed.
#include <stdlib.h>

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  std::vector<std::string> skipped;
  std::string stages;
  std::vector<fs::path> files;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--skip" && i + 1 < argc) {
      std::ifstream list(argv[++i]);
      for (std::string line; std::getline(list, line);) {
        line = line.substr(0, line.find('#'));
        while (!line.empty() && std::isspace(static_cast<unsigned char>(line.back()))) line.pop_back();
        if (line.starts_with("skip-stage ")) {
          stages += (stages.empty() ? "" : ",") + line.substr(11);
        } else if (!line.empty()) {
          skipped.push_back(line);
        }
      }
      continue;
    }
    std::error_code ec;
    if (fs::is_directory(arg, ec)) {
      for (const auto& entry : fs::directory_iterator(arg))
        if (entry.is_regular_file()) files.push_back(entry.path());
    } else if (fs::is_regular_file(arg, ec)) {
      files.push_back(arg);
    }
  }
  if (!stages.empty()) {
    setenv("TARVIK_FUZZ_SKIP", stages.c_str(), 1);
    std::cout << "stages left out (known failures): " << stages << "\n";
  }
  std::sort(files.begin(), files.end());
  int run = 0;
  for (const fs::path& f : files) {
    const std::string name = f.generic_string();
    const bool skip = std::any_of(skipped.begin(), skipped.end(), [&](const std::string& s) {
      return name.size() >= s.size() && name.compare(name.size() - s.size(), s.size(), s) == 0;
    });
    if (skip) {
      std::cout << "skipped (known failure): " << name << "\n";
      continue;
    }
    std::ifstream in(f, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::cout << "replaying " << name << std::endl;
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    ++run;
  }
  std::cout << run << " file(s) replayed\n";
  return run > 0 ? 0 : 1;
}
