#include "memory/heap_blocks.h"

#include <cstring>
#include <limits>

namespace memory {

namespace {

constexpr int64_t kHeaderBytes = sizeof(BlockHeader);
// Every size lands in a 32-bit header word; a larger block could not be described by it.
constexpr int64_t kMaxBlockBytes = std::numeric_limits<uint32_t>::max();

BlockHeader* headerOf(void* block) {
  return reinterpret_cast<BlockHeader*>(static_cast<unsigned char*>(block) - kHeaderBytes);
}

}  // namespace

HeapState& heapState() {
  static HeapState state;
  return state;
}

int32_t elementSizeOf(int32_t typeCode, int32_t custom) {
  switch (typeCode) {
    case 1:
      return 1;
    case 2:
    case 3:
      return 2;
    case 4:
    case 5:
    case 6:
    case 10:
      return 4;
    case 7:
      return 8;
    case 8:
      return 10;
    case 9:
      return custom;
    default:
      return 0;
  }
}

platform::HeapHandle NEWHEAP() {
  return platform::heapCreate();
}

void MEM_INC_PUSH(HeapState& state) {
  if (state.current != 0) state.stack.push_back(state.current);
}

void MEM_INC_POP(HeapState& state) {
  if (state.stack.empty()) {
    state.current = 0;
    return;
  }
  state.current = state.stack.back();
  state.stack.pop_back();
  if (state.stack.empty()) state.stack.shrink_to_fit();
}

platform::HeapHandle HEAPBEGIN(HeapState& state) {
  MEM_INC_PUSH(state);
  state.current = NEWHEAP();
  return state.current;
}

void HEAPEND(HeapState& state) {
  if (state.current != 0) platform::heapDestroy(state.current);
  MEM_INC_POP(state);
}

void* NEWARRAY(HeapState& state, int32_t typeCode, int32_t upperBound, int32_t elementSize) {
  const int32_t size = elementSizeOf(typeCode, elementSize);
  if (state.current == 0) state.current = NEWHEAP();
  if (size <= 0 || state.current == 0) return nullptr;
  // An upper bound of -1 is an empty area; anything lower has no element count at all.
  if (upperBound < -1) return nullptr;
  const int64_t bytes = (static_cast<int64_t>(upperBound) + 1) * size + kHeaderBytes;
  if (bytes > kMaxBlockBytes) return nullptr;

  void* raw = platform::heapAlloc(state.current, static_cast<size_t>(bytes));
  if (raw == nullptr) return nullptr;
  auto* header = static_cast<BlockHeader*>(raw);
  header->TypeCode = static_cast<uint32_t>(typeCode);
  header->UpperBound = static_cast<uint32_t>(upperBound);
  header->Dimensions = 1;
  header->OwnerHeap = state.current;
  header->ElementSize = static_cast<uint32_t>(size);
  return static_cast<unsigned char*>(raw) + kHeaderBytes;
}

HeapString NEWSTRING(HeapState& state, std::string_view text) {
  if (text.size() > static_cast<size_t>(std::numeric_limits<int32_t>::max() - 1)) return nullptr;
  auto* block = static_cast<char*>(NEWARRAY(state, 1, static_cast<int32_t>(text.size()) + 1, 0));
  if (block == nullptr) return nullptr;
  const size_t end = text.find('\0');
  const std::string_view copied = text.substr(0, end);
  if (!copied.empty()) std::memcpy(block, copied.data(), copied.size());
  return block;
}

void* NEWOBJECT(HeapState& state, const void* source, int32_t size) {
  // A negative size would make the copy run wild; there is nothing sensible to allocate.
  if (size < 0) return nullptr;
  void* block = NEWARRAY(state, 1, size, 0);
  if (block == nullptr) return nullptr;
  if (source != nullptr && size > 0) std::memcpy(block, source, static_cast<size_t>(size));
  return block;
}

platform::HeapHandle HEAPBEGIN() {
  return HEAPBEGIN(heapState());
}
void HEAPEND() {
  HEAPEND(heapState());
}
void MEM_INC_PUSH() {
  MEM_INC_PUSH(heapState());
}
void MEM_INC_POP() {
  MEM_INC_POP(heapState());
}

void* NEWARRAY(int32_t typeCode, int32_t upperBound, int32_t elementSize) {
  return NEWARRAY(heapState(), typeCode, upperBound, elementSize);
}
HeapString NEWSTRING(std::string_view text) {
  return NEWSTRING(heapState(), text);
}
void* NEWOBJECT(const void* source, int32_t size) {
  return NEWOBJECT(heapState(), source, size);
}

platform::HeapHandle GETHEAP(const void* block) {
  const BlockHeader* header = blockHeader(block);
  return header ? header->OwnerHeap : 0;
}

void FREEARRAY(void* block) {
  if (block == nullptr) return;
  BlockHeader* header = headerOf(block);
  // A block released before is not read: its memory may have gone back to the system.
  if (platform::heapOf(header) == 0) return;
  const platform::HeapHandle owner = header->OwnerHeap;
  if (owner == 0) return;
  platform::heapFree(owner, header);
}

const BlockHeader* blockHeader(const void* block) {
  if (block == nullptr) return nullptr;
  return reinterpret_cast<const BlockHeader*>(static_cast<const unsigned char*>(block) - kHeaderBytes);
}

void replaceHeapString(HeapString& field, std::string_view text) {
  // The new text may be a part of the old one, so the old block goes only after the copy is made.
  HeapString old = field;
  field = NEWSTRING(text);
  FREEARRAY(old);
}

}  // namespace memory
