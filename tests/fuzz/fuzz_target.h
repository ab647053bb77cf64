// One fuzz target: a function from the bytes of an input to 0, that checks what must hold beyond "no
// crash". The same source builds two ways: as a libFuzzer program (ZOR_LIBFUZZER), where a broken
// check aborts so that the fuzzer keeps the input, and into the corpus replay of the ordinary tests,
// where a broken check is a test failure naming the input.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace fuzzing {

using TargetFunction = int (*)(const uint8_t* data, size_t size);

// Reports a broken rule of a target.
void fail(std::string_view what);
inline void check(bool holds, std::string_view what) {
  if (!holds) fail(what);
}

// The replay's list of targets; every target is registered under its name.
bool registerTarget(const char* name, TargetFunction function);

inline std::string_view bytesOf(const uint8_t* data, size_t size) {
  return std::string_view(reinterpret_cast<const char*>(data), size);
}

}  // namespace fuzzing

#ifdef ZOR_LIBFUZZER
#define ZOR_FUZZ_ENTRY(name)                                                \
  extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) { \
    return zorFuzz_##name(data, size);                                      \
  }
#else
#define ZOR_FUZZ_ENTRY(name)                                    \
  [[maybe_unused]] static const bool zorFuzzRegistered_##name = \
      fuzzing::registerTarget(#name, &zorFuzz_##name);
#endif

// Defines the target `name`: ZOR_FUZZ_TARGET(export_stream) { ... return 0; }
#define ZOR_FUZZ_TARGET(name)                                  \
  static int zorFuzz_##name(const uint8_t* data, size_t size); \
  ZOR_FUZZ_ENTRY(name)                                         \
  static int zorFuzz_##name(const uint8_t* data, size_t size)
