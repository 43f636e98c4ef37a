#include "frame/ProgramState.h"

namespace qv {

namespace {
ProgramState& instance() {
  static ProgramState s;
  return s;
}
}  // namespace

ProgramState& state() { return instance(); }

void resetState() { instance() = ProgramState(); }

Version programVersion() {
  return {QV_VERSION_MAJOR, QV_VERSION_MINOR, QV_VERSION_PATCH, QV_VERSION_TWEAK};
}

}  // namespace qv
