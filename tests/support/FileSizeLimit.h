#pragma once
// A full disk for the tests: while it lives, every file write of this process
// fails past `bytes`, even for root (which no folder permission stops).
#include <sys/resource.h>

#include <csignal>

namespace qv {

class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    handler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved_;
    small.rlim_cur = bytes;
    ok_ = setrlimit(RLIMIT_FSIZE, &small) == 0;
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, handler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  bool ok() const { return ok_; }

 private:
  rlimit saved_{};
  void (*handler_)(int) = nullptr;
  bool ok_ = false;
};

}  // namespace qv
