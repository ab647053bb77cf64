#include "platform/heap.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>
#include <unordered_map>

#include "platform/pointer_set.h"

// Small blocks are cut from chunks of their heap, one after the other, and never reused: a chunk
// goes back to the system when its last block is released. Record texts come and go by the
// catalogue, so whole chunks empty together; a load then costs no allocation per text.
// The address sanitizer cannot see an overrun from one block into the next inside a chunk, so under
// it every block is an allocation of its own.
#if defined(__SANITIZE_ADDRESS__)
#define ZOR_HEAP_BLOCKS_APART 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ZOR_HEAP_BLOCKS_APART 1
#endif
#endif

namespace platform {
namespace {

constexpr size_t kGranule = alignof(std::max_align_t);
constexpr size_t kChunkBytes = size_t{1} << 18;
#ifdef ZOR_HEAP_BLOCKS_APART
constexpr size_t kLargestChunkedBlock = 0;
#else
constexpr size_t kLargestChunkedBlock = 4096;
#endif

// Lies at the start of its chunk, which is aligned to its size, so a block finds its chunk by its
// address.
struct Chunk {
  Chunk* previous = nullptr;
  Chunk* next = nullptr;
  size_t used = 0;  // bytes from the chunk's start, header included
  size_t live = 0;  // blocks not yet released
};
constexpr size_t kChunkHeaderBytes = (sizeof(Chunk) + kGranule - 1) / kGranule * kGranule;

struct Heap {
  PointerSet chunked;  // blocks inside chunks
  PointerSet apart;    // blocks of their own
  Chunk* chunks = nullptr;
  Chunk* current = nullptr;  // where the next small block is cut
};

struct HeapRegistry {
  HeapHandle lastHandle = 0;
  std::unordered_map<HeapHandle, Heap> heaps;
  // The heap asked for last: nearly every call names the same one.
  HeapHandle recentHandle = 0;
  Heap* recent = nullptr;
  int failuresPlanned = 0;
};

HeapRegistry& heapRegistry() {
  static HeapRegistry registry;
  return registry;
}

Heap* findHeap(HeapRegistry& registry, HeapHandle handle) {
  if (handle != 0 && handle == registry.recentHandle) return registry.recent;
  auto it = registry.heaps.find(handle);
  if (it == registry.heaps.end()) return nullptr;
  registry.recentHandle = handle;
  registry.recent = &it->second;
  return registry.recent;
}

Chunk* chunkOf(void* block) {
  return reinterpret_cast<Chunk*>(reinterpret_cast<uintptr_t>(block) & ~(uintptr_t{kChunkBytes} - 1));
}

Chunk* newChunk(Heap& heap) {
  void* memory = ::operator new(kChunkBytes, std::align_val_t{kChunkBytes}, std::nothrow);
  if (memory == nullptr) return nullptr;
  std::memset(memory, 0, kChunkBytes);
  auto* chunk = new (memory) Chunk;
  chunk->used = kChunkHeaderBytes;
  chunk->next = heap.chunks;
  if (heap.chunks != nullptr) heap.chunks->previous = chunk;
  heap.chunks = chunk;
  return chunk;
}

void dropChunk(Heap& heap, Chunk* chunk) {
  if (chunk->previous != nullptr) chunk->previous->next = chunk->next;
  if (chunk->next != nullptr) chunk->next->previous = chunk->previous;
  if (heap.chunks == chunk) heap.chunks = chunk->next;
  if (heap.current == chunk) heap.current = nullptr;
  ::operator delete(static_cast<void*>(chunk), std::align_val_t{kChunkBytes});
}

void* cutFromChunk(Heap& heap, size_t bytes) {
  const size_t rounded = (bytes + kGranule - 1) / kGranule * kGranule;
  Chunk* chunk = heap.current;
  if (chunk == nullptr || chunk->used + rounded > kChunkBytes) {
    // A chunk left behind that holds no block is of no further use.
    if (chunk != nullptr && chunk->live == 0) dropChunk(heap, chunk);
    chunk = heap.current = newChunk(heap);
    if (chunk == nullptr) return nullptr;
  }
  void* block = reinterpret_cast<char*>(chunk) + chunk->used;
  chunk->used += rounded;
  ++chunk->live;
  heap.chunked.insert(block);
  return block;
}

}  // namespace

HeapHandle heapCreate() {
  HeapRegistry& registry = heapRegistry();
  // Handles are not reused, so a block header that names a destroyed heap never reaches a new one.
  if (registry.lastHandle == UINT32_MAX) return 0;
  HeapHandle handle = ++registry.lastHandle;
  registry.heaps.emplace(handle, Heap{});
  return handle;
}

void* heapAlloc(HeapHandle handle, size_t bytes) {
  HeapRegistry& registry = heapRegistry();
  Heap* heap = findHeap(registry, handle);
  if (heap == nullptr) return nullptr;
  if (registry.failuresPlanned > 0) {
    --registry.failuresPlanned;
    return nullptr;
  }
  if (bytes > static_cast<size_t>(PTRDIFF_MAX)) return nullptr;
  if (bytes <= kLargestChunkedBlock) return cutFromChunk(*heap, bytes == 0 ? 1 : bytes);
  void* block = std::calloc(bytes == 0 ? 1 : bytes, 1);
  if (block != nullptr) heap->apart.insert(block);
  return block;
}

bool heapFree(HeapHandle handle, void* block) {
  HeapRegistry& registry = heapRegistry();
  Heap* heap = findHeap(registry, handle);
  if (heap == nullptr) return false;
  if (heap->chunked.erase(block)) {
    Chunk* chunk = chunkOf(block);
    if (--chunk->live == 0 && chunk != heap->current) dropChunk(*heap, chunk);
    return true;
  }
  if (!heap->apart.erase(block)) return false;
  std::free(block);
  return true;
}

HeapHandle heapOf(const void* block) {
  void* address = const_cast<void*>(block);
  for (auto& [handle, heap] : heapRegistry().heaps) {
    if (heap.chunked.contains(address) || heap.apart.contains(address)) return handle;
  }
  return 0;
}

bool heapDestroy(HeapHandle handle) {
  HeapRegistry& registry = heapRegistry();
  auto it = registry.heaps.find(handle);
  if (it == registry.heaps.end()) return false;
  Heap& heap = it->second;
  heap.apart.forEach([](void* block) { std::free(block); });
  while (heap.chunks != nullptr) dropChunk(heap, heap.chunks);
  registry.heaps.erase(it);
  registry.recentHandle = 0;
  return true;
}

size_t heapBlockCount(HeapHandle handle) {
  Heap* heap = findHeap(heapRegistry(), handle);
  return heap == nullptr ? 0 : heap->chunked.size() + heap->apart.size();
}

void failHeapAllocations(int n) {
  heapRegistry().failuresPlanned = n > 0 ? n : 0;
}

}  // namespace platform
