#include "memory/heap_blocks.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/heap.h"

namespace {

using memory::BlockHeader;
using memory::HeapState;

// Destroys every heap a test state still holds.
void releaseAll(HeapState& state) {
  while (state.current != 0 || !state.stack.empty()) memory::HEAPEND(state);
}

class HeapBlocksTest : public ::testing::Test {
 protected:
  void TearDown() override {
    platform::failHeapAllocations(0);
    releaseAll(state);
  }
  HeapState state;
};

bool allZero(const void* area, size_t bytes) {
  const auto* p = static_cast<const unsigned char*>(area);
  for (size_t i = 0; i < bytes; ++i) {
    if (p[i] != 0) return false;
  }
  return true;
}

TEST(ElementSizes, TypeCodesAndRefusedCodes) {
  const int32_t expected[] = {0, 1, 2, 2, 4, 4, 4, 8, 10, 7, 4, 0};
  for (int32_t code = 0; code <= 11; ++code)
    EXPECT_EQ(memory::elementSizeOf(code, 7), expected[code]) << code;
  EXPECT_EQ(memory::elementSizeOf(-1, 7), 0);
  EXPECT_EQ(memory::elementSizeOf(9, 0), 0);
}

TEST_F(HeapBlocksTest, NewArrayFillsHeaderAndZeroArea) {
  auto* block = static_cast<unsigned char*>(memory::NEWARRAY(state, 8, 4, 0));
  ASSERT_NE(block, nullptr);
  const BlockHeader* header = memory::blockHeader(block);
  EXPECT_EQ(reinterpret_cast<const unsigned char*>(header) + 20, block);
  EXPECT_EQ(header->TypeCode, 8u);
  EXPECT_EQ(header->ElementSize, 10u);
  EXPECT_EQ(header->OwnerHeap, state.current);
  EXPECT_EQ(header->Dimensions, 1u);
  EXPECT_EQ(header->UpperBound, 4u);
  EXPECT_TRUE(allZero(block, 50));
  std::memset(block, 0xAB, 50);  // the whole area belongs to the caller (the sanitizer checks the bounds)
  EXPECT_EQ(platform::heapBlockCount(state.current), 1u);
  memory::FREEARRAY(block);
  EXPECT_EQ(platform::heapBlockCount(state.current), 0u);
}

TEST_F(HeapBlocksTest, CustomElementSizeForCodeNine) {
  void* block = memory::NEWARRAY(state, 9, 2, 12);
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(memory::blockHeader(block)->ElementSize, 12u);
  EXPECT_TRUE(allZero(block, 36));
  memory::FREEARRAY(block);
}

TEST_F(HeapBlocksTest, RefusedRequestsReturnNothing) {
  EXPECT_EQ(memory::NEWARRAY(state, 0, 5, 4), nullptr);
  EXPECT_EQ(memory::NEWARRAY(state, 11, 5, 4), nullptr);
  EXPECT_EQ(memory::NEWARRAY(state, 9, 5, 0), nullptr);
  EXPECT_EQ(memory::NEWARRAY(state, 9, 5, -3), nullptr);
  EXPECT_EQ(memory::NEWARRAY(state, 1, -2, 0), nullptr);
  EXPECT_EQ(memory::NEWOBJECT(state, nullptr, -1), nullptr);
  // The heap is still created on demand, but nothing was taken from it.
  ASSERT_NE(state.current, 0u);
  EXPECT_EQ(platform::heapBlockCount(state.current), 0u);
}

TEST_F(HeapBlocksTest, UpperBoundMinusOneIsAnEmptyArea) {
  void* block = memory::NEWARRAY(state, 4, -1, 0);
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(memory::blockHeader(block)->UpperBound, 0xFFFFFFFFu);
  memory::FREEARRAY(block);
  EXPECT_EQ(platform::heapBlockCount(state.current), 0u);
}

TEST_F(HeapBlocksTest, NewArrayCreatesHeapOnDemandWithoutPushing) {
  ASSERT_EQ(state.current, 0u);
  void* block = memory::NEWARRAY(state, 1, 0, 0);
  ASSERT_NE(block, nullptr);
  EXPECT_NE(state.current, 0u);
  EXPECT_TRUE(state.stack.empty());
  EXPECT_EQ(memory::GETHEAP(block), state.current);
}

TEST_F(HeapBlocksTest, NewStringOfEmptyTextIsTwoZeroBytes) {
  memory::HeapString text = memory::NEWSTRING(state, "");
  ASSERT_NE(text, nullptr);
  const BlockHeader* header = memory::blockHeader(text);
  EXPECT_EQ(header->TypeCode, 1u);
  EXPECT_EQ(header->ElementSize, 1u);
  EXPECT_EQ(header->UpperBound, 1u);
  EXPECT_EQ(text[0], '\0');
  EXPECT_EQ(text[1], '\0');
  EXPECT_EQ(memory::heapText(text), "");
}

TEST_F(HeapBlocksTest, NewStringCopiesTextWithRoomForTwoZeros) {
  memory::HeapString text = memory::NEWSTRING(state, "M\xFCller");
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(memory::blockHeader(text)->UpperBound, 7u);
  EXPECT_EQ(memory::heapText(text), "M\xFCller");
  EXPECT_EQ(text[6], '\0');
  EXPECT_EQ(text[7], '\0');
}

TEST_F(HeapBlocksTest, NewStringStopsAtEmbeddedZero) {
  const std::string source("ab\0cd", 5);
  memory::HeapString text = memory::NEWSTRING(state, source);
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(memory::heapText(text), "ab");
  EXPECT_EQ(memory::blockHeader(text)->UpperBound, 6u);
  EXPECT_TRUE(allZero(text + 2, 5));
}

TEST_F(HeapBlocksTest, NewObjectCopiesAndTerminates) {
  auto* empty = static_cast<unsigned char*>(memory::NEWOBJECT(state, nullptr, 16));
  ASSERT_NE(empty, nullptr);
  EXPECT_EQ(memory::blockHeader(empty)->UpperBound, 16u);
  EXPECT_TRUE(allZero(empty, 17));

  const unsigned char source[4] = {1, 0, 0xFF, 7};
  auto* copy = static_cast<unsigned char*>(memory::NEWOBJECT(state, source, 4));
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(std::memcmp(copy, source, 4), 0);
  EXPECT_EQ(copy[4], 0);

  auto* zeroSize = static_cast<unsigned char*>(memory::NEWOBJECT(state, source, 0));
  ASSERT_NE(zeroSize, nullptr);
  EXPECT_EQ(zeroSize[0], 0);
}

TEST_F(HeapBlocksTest, AllocationFailureReturnsNothing) {
  memory::HEAPBEGIN(state);
  platform::failHeapAllocations(3);
  EXPECT_EQ(memory::NEWARRAY(state, 4, 3, 0), nullptr);
  EXPECT_EQ(memory::NEWSTRING(state, "text"), nullptr);
  EXPECT_EQ(memory::NEWOBJECT(state, nullptr, 8), nullptr);
  EXPECT_EQ(platform::heapBlockCount(state.current), 0u);
  memory::HeapString text = memory::NEWSTRING(state, "text");
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(memory::heapText(text), "text");
}

TEST_F(HeapBlocksTest, NullBlockIsIgnored) {
  EXPECT_EQ(memory::GETHEAP(nullptr), 0u);
  EXPECT_EQ(memory::blockHeader(nullptr), nullptr);
  memory::FREEARRAY(nullptr);
  EXPECT_EQ(memory::heapText(nullptr), "");
}

TEST_F(HeapBlocksTest, BlockWithoutOwnerIsNotFreed) {
  void* block = memory::NEWARRAY(state, 1, 3, 0);
  ASSERT_NE(block, nullptr);
  auto* header = const_cast<BlockHeader*>(memory::blockHeader(block));
  const platform::HeapHandle owner = header->OwnerHeap;
  header->OwnerHeap = 0;
  memory::FREEARRAY(block);
  EXPECT_EQ(platform::heapBlockCount(owner), 1u);
  header->OwnerHeap = owner;
  memory::FREEARRAY(block);
  EXPECT_EQ(platform::heapBlockCount(owner), 0u);
}

// Releasing a record twice must not touch the block's memory the second time: it may be gone.
TEST_F(HeapBlocksTest, ASecondReleaseOfABlockDoesNothing) {
  memory::HEAPBEGIN(state);
  memory::HeapString kept = memory::NEWSTRING(state, "kept");
  std::vector<memory::HeapString> released;
  for (int i = 0; i < 3000; ++i) released.push_back(memory::NEWSTRING(state, std::string(100, 'x')));
  for (memory::HeapString text : released) memory::FREEARRAY(text);
  const platform::HeapHandle heap = memory::GETHEAP(kept);
  EXPECT_EQ(platform::heapBlockCount(heap), 1u);
  for (memory::HeapString text : released) memory::FREEARRAY(text);
  EXPECT_EQ(platform::heapBlockCount(heap), 1u);
  EXPECT_EQ(memory::heapText(kept), "kept");
  memory::HEAPEND(state);
}

TEST_F(HeapBlocksTest, BlockGoesBackToItsOwnerAfterNestedBegin) {
  const platform::HeapHandle outer = memory::HEAPBEGIN(state);
  ASSERT_NE(outer, 0u);
  EXPECT_TRUE(state.stack.empty());
  memory::HeapString early = memory::NEWSTRING(state, "outer");

  const platform::HeapHandle inner = memory::HEAPBEGIN(state);
  ASSERT_NE(inner, 0u);
  EXPECT_NE(inner, outer);
  ASSERT_EQ(state.stack.size(), 1u);
  EXPECT_EQ(state.stack[0], outer);
  memory::HeapString late = memory::NEWSTRING(state, "inner");
  EXPECT_EQ(memory::GETHEAP(early), outer);
  EXPECT_EQ(memory::GETHEAP(late), inner);

  memory::FREEARRAY(early);
  EXPECT_EQ(platform::heapBlockCount(outer), 0u);
  EXPECT_EQ(platform::heapBlockCount(inner), 1u);

  memory::HEAPEND(state);  // takes `late` with it
  EXPECT_EQ(state.current, outer);
  EXPECT_TRUE(state.stack.empty());
  EXPECT_EQ(platform::heapBlockCount(inner), 0u);
}

TEST_F(HeapBlocksTest, HeapEndWithEmptyStackThenFreshHeap) {
  const platform::HeapHandle first = memory::HEAPBEGIN(state);
  memory::NEWSTRING(state, "gone with the heap");
  memory::HEAPEND(state);
  EXPECT_EQ(state.current, 0u);
  EXPECT_TRUE(state.stack.empty());

  memory::HEAPEND(state);  // nothing left to end
  EXPECT_EQ(state.current, 0u);

  void* block = memory::NEWARRAY(state, 1, 0, 0);
  ASSERT_NE(block, nullptr);
  EXPECT_NE(state.current, 0u);
  EXPECT_NE(state.current, first);
  EXPECT_TRUE(state.stack.empty());
}

TEST_F(HeapBlocksTest, PushAndPopOfTheHeapStack) {
  memory::MEM_INC_PUSH(state);  // no current heap: nothing to push
  EXPECT_TRUE(state.stack.empty());
  memory::MEM_INC_POP(state);
  EXPECT_EQ(state.current, 0u);

  const platform::HeapHandle a = memory::HEAPBEGIN(state);
  const platform::HeapHandle b = memory::HEAPBEGIN(state);
  const platform::HeapHandle c = memory::HEAPBEGIN(state);
  ASSERT_EQ(state.stack.size(), 2u);
  EXPECT_EQ(state.stack[0], a);
  EXPECT_EQ(state.stack[1], b);
  EXPECT_EQ(state.current, c);
  memory::HEAPEND(state);
  EXPECT_EQ(state.current, b);
  memory::HEAPEND(state);
  EXPECT_EQ(state.current, a);
  EXPECT_TRUE(state.stack.empty());
}

// The process-wide forms work on heapState(); restore whatever was there.
class GlobalHeapTest : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = memory::heapState();
    memory::heapState() = HeapState{};
  }
  void TearDown() override {
    releaseAll(memory::heapState());
    memory::heapState() = saved_;
  }

 private:
  HeapState saved_;
};

TEST_F(GlobalHeapTest, ProcessWideFormsUseHeapState) {
  const platform::HeapHandle heap = memory::HEAPBEGIN();
  EXPECT_EQ(memory::heapState().current, heap);
  memory::HeapString text = memory::NEWSTRING("abc");
  void* object = memory::NEWOBJECT(nullptr, 3);
  void* array = memory::NEWARRAY(2, 1, 0);
  EXPECT_EQ(memory::GETHEAP(text), heap);
  EXPECT_EQ(memory::GETHEAP(object), heap);
  EXPECT_EQ(memory::GETHEAP(array), heap);
  EXPECT_EQ(platform::heapBlockCount(heap), 3u);

  memory::MEM_INC_PUSH();
  EXPECT_EQ(memory::heapState().stack.size(), 1u);
  memory::MEM_INC_POP();
  EXPECT_EQ(memory::heapState().current, heap);
  memory::HEAPEND();
  EXPECT_EQ(memory::heapState().current, 0u);
}

TEST_F(GlobalHeapTest, ReplaceHeapStringReleasesTheOldBlock) {
  const platform::HeapHandle heap = memory::HEAPBEGIN();
  memory::HeapString field = nullptr;
  memory::replaceHeapString(field, "first");
  EXPECT_EQ(memory::heapText(field), "first");
  memory::replaceHeapString(field, "second");
  EXPECT_EQ(memory::heapText(field), "second");
  EXPECT_EQ(platform::heapBlockCount(heap), 1u);

  // A part of the field's own text.
  memory::replaceHeapString(field, memory::heapText(field).substr(3));
  EXPECT_EQ(memory::heapText(field), "ond");
  EXPECT_EQ(platform::heapBlockCount(heap), 1u);

  platform::failHeapAllocations(1);
  memory::replaceHeapString(field, "lost");
  EXPECT_EQ(field, nullptr);
  EXPECT_EQ(platform::heapBlockCount(heap), 0u);
}

}  // namespace
