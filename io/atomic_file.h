// Files replaced whole or not at all: each file's bytes go to a temporary of its own beside
// it, written in full, flushed to the disc and closed, and only when every one of them is
// complete are they renamed over the old files, in the order given. Qt-free, POSIX.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvik {

// the system calls the writing goes through; an empty one is the system's own (write(2),
// fsync(2), close(2), rename(2)). A test hands in one that fails where it wants: a write cut
// short half-way, a failed close, a rename refused.
struct FileCalls {
  std::function<ssize_t(int fd, const void* data, size_t size)> write;
  std::function<int(int fd)> fsync;
  std::function<int(int fd)> close;
  std::function<int(const char* from, const char* to)> rename;
};

struct FileToWrite {
  std::string path;
  std::string_view bytes;
};

struct ReplaceResult {
  bool ok = false;
  size_t failed = 0;   // when not ok: the file that could not be written or renamed
  size_t renamed = 0;  // the files already in place when it failed (those before `failed`)
  std::string reason;  // the system's words for the failure
};

// Writes every file to a temporary in its folder (a fresh name, never an existing file), then
// renames them over their paths in order and flushes the folders. A failure before the
// renames leaves every old file untouched; a failed rename stops the ones after it. Whatever
// fails, no temporary is left behind.
ReplaceResult ReplaceFiles(const std::vector<FileToWrite>& files, const FileCalls& calls = {});

}  // namespace tarvik
