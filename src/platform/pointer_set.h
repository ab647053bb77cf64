// A set of block addresses for the private heap. Blocks come from the C allocator, aligned to
// alignof(std::max_align_t), and lie close together, so the set is a bitmap per 64 KiB page of
// addresses, one bit per possible block start: adding and removing a block touches one bit of a page
// that is almost always the one touched last, and costs no allocation of its own.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <unordered_map>

namespace platform {

class PointerSet {
 public:
  // False when the pointer was there already, or cannot be a block start (null or misaligned).
  bool insert(void* pointer);
  // False when the pointer was not there.
  bool erase(void* pointer);
  bool contains(void* pointer) const;
  size_t size() const { return size_; }

  // Calls visit(pointer) for every pointer, in no particular order.
  template <class Visit>
  void forEach(Visit visit) const {
    for (const auto& [number, page] : pages_) {
      for (size_t word = 0; word < kWords; ++word) {
        for (uint64_t bits = page->bits[word]; bits != 0; bits &= bits - 1) {
          const size_t granule = word * 64 + static_cast<size_t>(__builtin_ctzll(bits));
          visit(reinterpret_cast<void*>((number << kPageShift) + granule * kGranule));
        }
      }
    }
  }

 private:
  static constexpr uintptr_t kGranule = alignof(std::max_align_t);
  static constexpr unsigned kPageShift = 16;
  static constexpr size_t kWords = (size_t{1} << kPageShift) / kGranule / 64;

  struct Page {
    std::array<uint64_t, kWords> bits{};
    size_t count = 0;
  };

  // The page of an address; nullptr when it has none (and `create` is false).
  Page* pageOf(uintptr_t address, bool create) const;

  mutable std::unordered_map<uintptr_t, std::unique_ptr<Page>> pages_;
  mutable uintptr_t lastNumber_ = 0;
  mutable Page* lastPage_ = nullptr;
  size_t size_ = 0;
};

}  // namespace platform
