#include "platform/sha512.h"

#include <openssl/evp.h>

namespace platform {

struct Sha512::State {
  EVP_MD_CTX* context = nullptr;
};

Sha512::Sha512() : state_(std::make_unique<State>()) {
  const EVP_MD* algorithm = EVP_sha512();
  if (algorithm == nullptr) return;
  state_->context = EVP_MD_CTX_new();
  if (state_->context != nullptr && EVP_DigestInit_ex(state_->context, algorithm, nullptr) != 1) {
    EVP_MD_CTX_free(state_->context);
    state_->context = nullptr;
  }
}

Sha512::~Sha512() {
  if (state_->context != nullptr) EVP_MD_CTX_free(state_->context);
}

bool Sha512::ready() const {
  return state_->context != nullptr;
}

bool Sha512::update(const void* data, size_t count) {
  return ready() && EVP_DigestUpdate(state_->context, data, count) == 1;
}

bool Sha512::finish(unsigned char* digest) {
  unsigned int length = 0;
  return ready() && EVP_DigestFinal_ex(state_->context, digest, &length) == 1 && length == kDigestBytes;
}

}  // namespace platform
