#include "io/atomic_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <set>
#include <system_error>

namespace tarvik {
namespace {

std::string Reason(int error) { return std::generic_category().message(error); }

// a call that an interrupting signal cut off is made again
template <typename Call>
auto Retried(Call call) {
  for (;;) {
    const auto r = call();
    if (r >= 0 || errno != EINTR) return r;
  }
}

class Writer {
 public:
  explicit Writer(const FileCalls& calls) : calls_(calls) {}

  ssize_t write(int fd, const void* data, size_t size) const {
    return calls_.write ? calls_.write(fd, data, size) : ::write(fd, data, size);
  }
  int fsync(int fd) const { return calls_.fsync ? calls_.fsync(fd) : ::fsync(fd); }
  int close(int fd) const { return calls_.close ? calls_.close(fd) : ::close(fd); }
  int rename(const std::string& from, const std::string& to) const {
    return calls_.rename ? calls_.rename(from.c_str(), to.c_str())
                         : ::rename(from.c_str(), to.c_str());
  }

  // creates a temporary beside path (its name in `temporary`, empty when none was made),
  // writes the bytes in full, flushes and closes it; "" or the reason it failed
  std::string WriteTemporary(const std::string& path, std::string_view bytes,
                             std::string& temporary) const {
    static std::atomic<unsigned> serial{0};
    int fd = -1;
    for (int attempt = 0; fd < 0; ++attempt) {
      temporary = path + "." + std::to_string(::getpid()) + "." + std::to_string(serial++) + ".tmp";
      fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
      if (fd < 0 && (errno != EEXIST || attempt == 100)) {
        const int error = errno;
        temporary.clear();
        return Reason(error);
      }
    }
    auto failed = [&](int error) {
      ::close(fd);
      return Reason(error);
    };
    for (size_t done = 0; done < bytes.size();) {
      const ssize_t n = Retried([&] { return write(fd, bytes.data() + done, bytes.size() - done); });
      if (n < 0) return failed(errno);
      if (n == 0) return failed(EIO);  // nothing taken: it would never end
      done += static_cast<size_t>(n);  // a short write goes on with the rest
    }
    if (Retried([&] { return fsync(fd); }) < 0) return failed(errno);
    if (close(fd) < 0) return Reason(errno);  // the descriptor is gone whatever close said
    return {};
  }

 private:
  const FileCalls& calls_;
};

}  // namespace

ReplaceResult ReplaceFiles(const std::vector<FileToWrite>& files, const FileCalls& calls) {
  const Writer writer(calls);
  ReplaceResult result;
  std::vector<std::string> temporaries;
  auto removeFrom = [&](size_t first) {
    for (size_t k = first; k < temporaries.size(); ++k) std::remove(temporaries[k].c_str());
  };
  for (const FileToWrite& file : files) {
    std::string temporary;
    result.reason = writer.WriteTemporary(file.path, file.bytes, temporary);
    if (!temporary.empty()) temporaries.push_back(temporary);
    if (!result.reason.empty()) {
      result.failed = static_cast<size_t>(&file - files.data());
      removeFrom(0);
      return result;
    }
  }
  for (size_t k = 0; k < files.size(); ++k) {
    if (writer.rename(temporaries[k], files[k].path) < 0) {
      result.reason = Reason(errno);
      result.failed = result.renamed = k;
      removeFrom(k);
      return result;
    }
  }
  // the renames made lasting: each folder flushed once. The files are in place whatever this
  // says, and some file systems cannot flush a folder, so it is done on a best-effort basis.
  std::set<std::string> folders;
  for (const FileToWrite& file : files) {
    const std::string folder = std::filesystem::path(file.path).parent_path().string();
    folders.insert(folder.empty() ? "." : folder);
  }
  for (const std::string& folder : folders) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) continue;
    Retried([&] { return ::fsync(fd); });
    ::close(fd);
  }
  result.renamed = files.size();
  result.ok = true;
  return result;
}

}  // namespace tarvik
