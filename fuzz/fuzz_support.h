// What the libFuzzer harnesses share: a private folder for the files the readers open and the
// writers write, and a failure that names the broken promise before libFuzzer keeps the input.
#pragma once

#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace tarvik::fuzz {

// a fresh folder (on /dev/shm when there is one: every input is written and read back), removed
// when the process ends normally
class Folder {
 public:
  explicit Folder(const char* name) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::path base = fs::exists("/dev/shm", ec) && access("/dev/shm", W_OK) == 0
                        ? fs::path("/dev/shm")
                        : fs::temp_directory_path(ec);
    std::string pattern = (base / (std::string("tarvik-fuzz-") + name + "-XXXXXX")).string();
    if (mkdtemp(pattern.data()) == nullptr) {
      std::perror("tarvik-fuzz: mkdtemp");
      std::abort();
    }
    path_ = pattern;
  }
  ~Folder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  Folder(const Folder&) = delete;
  Folder& operator=(const Folder&) = delete;

  std::string file(const std::string& name) const { return (path_ / name).string(); }

  // the bytes as the file name, replacing what was there
  std::string write(const std::string& name, const uint8_t* data, size_t size) const {
    const std::string path = file(name);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    out.close();
    if (!out) {
      std::fprintf(stderr, "tarvik-fuzz: cannot write %s\n", path.c_str());
      std::abort();
    }
    return path;
  }

 private:
  std::filesystem::path path_;
};

// whether a stage of the harness is left out: TARVIK_FUZZ_SKIP, a comma-separated list of
// stage names, set by fuzz/run.sh and the replays from the "skip-stage" lines of
// fuzz/regressions/known-failures.txt (failures known and not yet fixed)
inline bool Skipped(const char* stage) {
  const char* list = std::getenv("TARVIK_FUZZ_SKIP");
  if (list == nullptr) return false;
  const std::string padded = "," + std::string(list) + ",";
  return padded.find("," + std::string(stage) + ",") != std::string::npos;
}

// a promise the code under test broke: said on stderr, then abort() so libFuzzer keeps the input
[[noreturn]] inline void Broken(const std::string& what) {
  std::fprintf(stderr, "tarvik-fuzz: %s\n", what.c_str());
  std::fflush(stderr);
  std::abort();
}

}  // namespace tarvik::fuzz
