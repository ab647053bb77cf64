#include "platform/heap.h"

#include <cstdint>
#include <cstdlib>
#include <unordered_map>

#include "platform/pointer_set.h"

namespace platform {
namespace {

struct HeapRegistry {
  HeapHandle lastHandle = 0;
  std::unordered_map<HeapHandle, PointerSet> heaps;
  int failuresPlanned = 0;
};

HeapRegistry& heapRegistry() {
  static HeapRegistry registry;
  return registry;
}

}  // namespace

HeapHandle heapCreate() {
  HeapRegistry& registry = heapRegistry();
  // Handles are not reused, so a block header that names a destroyed heap never reaches a new one.
  if (registry.lastHandle == UINT32_MAX) return 0;
  HeapHandle handle = ++registry.lastHandle;
  registry.heaps.emplace(handle, PointerSet{});
  return handle;
}

void* heapAlloc(HeapHandle heap, size_t bytes) {
  HeapRegistry& registry = heapRegistry();
  auto it = registry.heaps.find(heap);
  if (it == registry.heaps.end()) return nullptr;
  if (registry.failuresPlanned > 0) {
    --registry.failuresPlanned;
    return nullptr;
  }
  if (bytes > static_cast<size_t>(PTRDIFF_MAX)) return nullptr;
  void* block = std::calloc(bytes == 0 ? 1 : bytes, 1);
  if (block != nullptr) it->second.insert(block);
  return block;
}

bool heapFree(HeapHandle heap, void* block) {
  HeapRegistry& registry = heapRegistry();
  auto it = registry.heaps.find(heap);
  if (it == registry.heaps.end() || !it->second.erase(block)) return false;
  std::free(block);
  return true;
}

bool heapDestroy(HeapHandle heap) {
  HeapRegistry& registry = heapRegistry();
  auto it = registry.heaps.find(heap);
  if (it == registry.heaps.end()) return false;
  it->second.forEach([](void* block) { std::free(block); });
  registry.heaps.erase(it);
  return true;
}

size_t heapBlockCount(HeapHandle heap) {
  HeapRegistry& registry = heapRegistry();
  auto it = registry.heaps.find(heap);
  return it == registry.heaps.end() ? 0 : it->second.size();
}

void failHeapAllocations(int n) {
  heapRegistry().failuresPlanned = n > 0 ? n : 0;
}

}  // namespace platform
