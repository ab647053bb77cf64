// Blocks of the program's private heap: a 20-byte header in front of a zero-filled element area.
// Every record text is such a block (a heap string); the heap stack lets a nested heap be opened.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/heap.h"

namespace memory {

struct BlockHeader {
  uint32_t TypeCode;
  uint32_t ElementSize;
  uint32_t OwnerHeap;
  uint32_t Dimensions;  // always 1
  uint32_t UpperBound;  // the area holds UpperBound + 1 elements
};
static_assert(sizeof(BlockHeader) == 20);

// A zero-terminated 8-bit text in a type-1 block; nullptr means no text and reads as "".
using HeapString = char*;

// The current heap and the heap stack (one process-wide instance).
struct HeapState {
  platform::HeapHandle current = 0;
  std::vector<platform::HeapHandle> stack;
};
HeapState& heapState();

platform::HeapHandle NEWHEAP();
platform::HeapHandle HEAPBEGIN();
void HEAPEND();
void MEM_INC_PUSH();
void MEM_INC_POP();

// Element area of a new zero-filled block of upperBound + 1 elements; nullptr when refused.
void* NEWARRAY(int32_t typeCode, int32_t upperBound, int32_t elementSize);
platform::HeapHandle GETHEAP(const void* block);
void FREEARRAY(void* block);
HeapString NEWSTRING(std::string_view text);
// A zero-terminated copy of `size` bytes at `source` (zero bytes when source is nullptr).
void* NEWOBJECT(const void* source, int32_t size);

// The same operations on a given heap state; the forms above use heapState().
platform::HeapHandle HEAPBEGIN(HeapState& state);
void HEAPEND(HeapState& state);
void MEM_INC_PUSH(HeapState& state);
void MEM_INC_POP(HeapState& state);
void* NEWARRAY(HeapState& state, int32_t typeCode, int32_t upperBound, int32_t elementSize);
HeapString NEWSTRING(HeapState& state, std::string_view text);
void* NEWOBJECT(HeapState& state, const void* source, int32_t size);

// Bytes per element of a type code (1..10); 0 for a code that is refused. Code 9 takes `custom`.
int32_t elementSizeOf(int32_t typeCode, int32_t custom);

// The header of a block (for tests and diagnostics); nullptr for nullptr.
const BlockHeader* blockHeader(const void* block);

// Reads a heap string as text ("" for nullptr).
inline std::string_view heapText(const char* text) {
  return text ? std::string_view(text) : std::string_view();
}
// Releases the old block of `field` and stores a new heap string of `text` in it.
void replaceHeapString(HeapString& field, std::string_view text);

}  // namespace memory
