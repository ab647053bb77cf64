// A broken rule under libFuzzer: said on standard error, then an abort, which the fuzzer reports
// as a crash and keeps the input of.
#include <cstdio>
#include <cstdlib>

#include "fuzz_target.h"

namespace fuzzing {

void fail(std::string_view what) {
  std::fprintf(stderr, "broken rule: %.*s\n", static_cast<int>(what.size()), what.data());
  std::abort();
}

bool registerTarget(const char*, TargetFunction) {
  return true;
}

}  // namespace fuzzing
