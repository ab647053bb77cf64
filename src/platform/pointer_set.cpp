#include "platform/pointer_set.h"

namespace platform {

PointerSet::Page* PointerSet::pageOf(uintptr_t address, bool create) const {
  const uintptr_t number = address >> kPageShift;
  if (lastPage_ != nullptr && lastNumber_ == number) return lastPage_;
  auto found = pages_.find(number);
  if (found == pages_.end()) {
    if (!create) return nullptr;
    found = pages_.emplace(number, std::make_unique<Page>()).first;
  }
  lastNumber_ = number;
  lastPage_ = found->second.get();
  return lastPage_;
}

bool PointerSet::insert(void* pointer) {
  const uintptr_t address = reinterpret_cast<uintptr_t>(pointer);
  if (address == 0 || address % kGranule != 0) return false;
  Page* page = pageOf(address, true);
  const size_t granule = (address & ((uintptr_t{1} << kPageShift) - 1)) / kGranule;
  uint64_t& word = page->bits[granule / 64];
  const uint64_t bit = uint64_t{1} << (granule % 64);
  if ((word & bit) != 0) return false;
  word |= bit;
  ++page->count;
  ++size_;
  return true;
}

bool PointerSet::erase(void* pointer) {
  const uintptr_t address = reinterpret_cast<uintptr_t>(pointer);
  if (address == 0 || address % kGranule != 0) return false;
  Page* page = pageOf(address, false);
  if (page == nullptr) return false;
  const size_t granule = (address & ((uintptr_t{1} << kPageShift) - 1)) / kGranule;
  uint64_t& word = page->bits[granule / 64];
  const uint64_t bit = uint64_t{1} << (granule % 64);
  if ((word & bit) == 0) return false;
  word &= ~bit;
  --size_;
  if (--page->count == 0) {
    pages_.erase(address >> kPageShift);
    lastPage_ = nullptr;
  }
  return true;
}

bool PointerSet::contains(void* pointer) const {
  const uintptr_t address = reinterpret_cast<uintptr_t>(pointer);
  if (address == 0 || address % kGranule != 0) return false;
  const Page* page = pageOf(address, false);
  if (page == nullptr) return false;
  const size_t granule = (address & ((uintptr_t{1} << kPageShift) - 1)) / kGranule;
  return (page->bits[granule / 64] & (uint64_t{1} << (granule % 64))) != 0;
}

}  // namespace platform
