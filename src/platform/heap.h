// A private heap: blocks allocated zero-filled, freed one by one, or all at once when the heap is
// destroyed. Handles are small 32-bit numbers so that they fit a block header word.
#pragma once

#include <cstddef>
#include <cstdint>

namespace platform {

using HeapHandle = uint32_t;  // 0 = no heap

HeapHandle heapCreate();
// A zero-filled block of `bytes` bytes; nullptr when the heap does not exist or memory is short.
void* heapAlloc(HeapHandle heap, size_t bytes);
// Returns a block to its heap; false when the heap or the block is unknown.
bool heapFree(HeapHandle heap, void* block);
// The heap that holds `block` as a live block, 0 when none does (a block released already, say).
// Looks only at the heaps' own records, never at the block's memory.
HeapHandle heapOf(const void* block);
// Destroys the heap with every block still in it.
bool heapDestroy(HeapHandle heap);
// Blocks currently allocated from the heap (0 for an unknown heap).
size_t heapBlockCount(HeapHandle heap);

// Fault injection for tests: the next n allocations fail.
void failHeapAllocations(int n);

}  // namespace platform
