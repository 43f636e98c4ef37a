#include "platform/Host.h"

#include <cstdio>
#include <cstdlib>

namespace qv {
namespace {
Host* g_host = nullptr;
}

Host& host() {
  if (!g_host) {
    std::fprintf(stderr, "quorvane: no host installed\n");
    std::abort();
  }
  return *g_host;
}

void setHost(Host* h) { g_host = h; }

}  // namespace qv
