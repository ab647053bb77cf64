#include "platform/pointer_set.h"

namespace platform {
namespace {

constexpr size_t kFirstCapacity = 1024;

size_t slotOf(uintptr_t key, size_t mask) {
  // Blocks are aligned to 16 bytes: the low bits say nothing; a multiplicative hash spreads the rest.
  return static_cast<size_t>(((key >> 4) * 0x9E3779B97F4A7C15ull) >> 17) & mask;
}

}  // namespace

size_t PointerSet::find(uintptr_t key) const {
  if (slots_.empty()) return 0;
  const size_t mask = slots_.size() - 1;
  for (size_t slot = slotOf(key, mask);; slot = (slot + 1) & mask) {
    if (slots_[slot] == key) return slot;
    if (slots_[slot] == kEmpty) return slots_.size();
  }
}

bool PointerSet::contains(void* pointer) const {
  const uintptr_t key = reinterpret_cast<uintptr_t>(pointer);
  return key > kRemoved && find(key) < slots_.size();
}

bool PointerSet::insert(void* pointer) {
  const uintptr_t key = reinterpret_cast<uintptr_t>(pointer);
  if (key <= kRemoved) return false;
  // At most half the slots in use, so that every search ends soon at an empty slot.
  if ((used_ + 1) * 2 > slots_.size()) grow();
  const size_t mask = slots_.size() - 1;
  size_t reuse = slots_.size();
  for (size_t slot = slotOf(key, mask);; slot = (slot + 1) & mask) {
    if (slots_[slot] == key) return false;
    if (slots_[slot] == kRemoved && reuse == slots_.size()) reuse = slot;
    if (slots_[slot] == kEmpty) {
      if (reuse == slots_.size()) {
        reuse = slot;
        ++used_;
      }
      break;
    }
  }
  slots_[reuse] = key;
  ++size_;
  return true;
}

bool PointerSet::erase(void* pointer) {
  const uintptr_t key = reinterpret_cast<uintptr_t>(pointer);
  if (key <= kRemoved) return false;
  const size_t slot = find(key);
  if (slot >= slots_.size()) return false;
  slots_[slot] = kRemoved;
  --size_;
  return true;
}

void PointerSet::grow() {
  // Twice the pointers held (the removed marks are dropped), never less than the first capacity.
  size_t capacity = kFirstCapacity;
  while (capacity < (size_ + 1) * 4) capacity *= 2;
  std::vector<uintptr_t> old;
  old.swap(slots_);
  slots_.assign(capacity, kEmpty);
  size_ = 0;
  used_ = 0;
  const size_t mask = capacity - 1;
  for (uintptr_t key : old) {
    if (key == kEmpty || key == kRemoved) continue;
    size_t slot = slotOf(key, mask);
    while (slots_[slot] != kEmpty) slot = (slot + 1) & mask;
    slots_[slot] = key;
    ++size_;
    ++used_;
  }
}

}  // namespace platform
