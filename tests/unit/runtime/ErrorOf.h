#pragma once
// The number of the program error a call raises, 0 when it raises none.
#include "runtime/Error.h"

template <typename Call>
int errorOf(Call call) {
  try {
    call();
  } catch (const qv::ProgramError& e) {
    return e.number;
  }
  return 0;
}
