// A set of block addresses for the private heap: open addressing in one flat table, so that adding
// and removing a block costs no allocation of its own (a node-based set allocated once per block).
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace platform {

class PointerSet {
 public:
  // False when the pointer was there already.
  bool insert(void* pointer);
  // False when the pointer was not there.
  bool erase(void* pointer);
  bool contains(void* pointer) const;
  size_t size() const { return size_; }

  // Calls visit(pointer) for every pointer, in no particular order.
  template <class Visit>
  void forEach(Visit visit) const {
    for (uintptr_t slot : slots_) {
      if (slot != kEmpty && slot != kRemoved) visit(reinterpret_cast<void*>(slot));
    }
  }

 private:
  static constexpr uintptr_t kEmpty = 0;
  static constexpr uintptr_t kRemoved = 1;  // no block lies at address 1

  size_t find(uintptr_t key) const;  // the slot holding key, or slots_.size()
  void grow();

  std::vector<uintptr_t> slots_;
  size_t size_ = 0;
  size_t used_ = 0;  // slots that are not empty: the pointers and the removed marks
};

}  // namespace platform
