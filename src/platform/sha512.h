// SHA-512 from the system's crypto provider: OpenSSL's libcrypto on POSIX, CNG on Windows.
#pragma once

#include <cstddef>
#include <memory>

namespace platform {

class Sha512 {
 public:
  static constexpr size_t kDigestBytes = 64;

  Sha512();
  ~Sha512();
  Sha512(const Sha512&) = delete;
  Sha512& operator=(const Sha512&) = delete;

  // False when the provider could not be opened; every other call then fails too.
  bool ready() const;
  bool update(const void* data, size_t count);
  // Ends the digest; `digest` receives kDigestBytes bytes.
  bool finish(unsigned char* digest);

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace platform
