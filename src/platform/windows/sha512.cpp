#include "platform/sha512.h"

#include <windows.h>
#include <bcrypt.h>

#include <algorithm>
#include <vector>

namespace platform {

struct Sha512::State {
  BCRYPT_ALG_HANDLE algorithm = nullptr;
  BCRYPT_HASH_HANDLE hash = nullptr;
  std::vector<UCHAR> hashObject;
};

namespace {

bool succeeded(NTSTATUS status) {
  return status >= 0;
}

}  // namespace

Sha512::Sha512() : state_(std::make_unique<State>()) {
  if (!succeeded(::BCryptOpenAlgorithmProvider(&state_->algorithm, BCRYPT_SHA512_ALGORITHM, nullptr, 0))) {
    state_->algorithm = nullptr;
    return;
  }
  DWORD objectLength = 0;
  ULONG got = 0;
  if (!succeeded(::BCryptGetProperty(state_->algorithm, BCRYPT_OBJECT_LENGTH,
                                     reinterpret_cast<PUCHAR>(&objectLength), sizeof objectLength, &got, 0))) {
    return;
  }
  state_->hashObject.resize(objectLength);
  if (!succeeded(::BCryptCreateHash(state_->algorithm, &state_->hash, state_->hashObject.data(), objectLength,
                                    nullptr, 0, 0))) {
    state_->hash = nullptr;
  }
}

Sha512::~Sha512() {
  if (state_->hash != nullptr) ::BCryptDestroyHash(state_->hash);
  if (state_->algorithm != nullptr) ::BCryptCloseAlgorithmProvider(state_->algorithm, 0);
}

bool Sha512::ready() const {
  return state_->hash != nullptr;
}

bool Sha512::update(const void* data, size_t count) {
  if (!ready()) return false;
  auto* bytes = static_cast<PUCHAR>(const_cast<void*>(data));
  do {
    const ULONG part = static_cast<ULONG>(std::min<size_t>(count, 0x40000000));
    if (!succeeded(::BCryptHashData(state_->hash, bytes, part, 0))) return false;
    bytes += part;
    count -= part;
  } while (count > 0);
  return true;
}

bool Sha512::finish(unsigned char* digest) {
  return ready() && succeeded(::BCryptFinishHash(state_->hash, digest, kDigestBytes, 0));
}

}  // namespace platform
