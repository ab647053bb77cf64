#include "platform/heap.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

class HeapTest : public ::testing::Test {
 protected:
  void TearDown() override {
    platform::failHeapAllocations(0);
    platform::heapDestroy(heap);
  }
  platform::HeapHandle heap = platform::heapCreate();
};

TEST_F(HeapTest, HandlesAreNewAndNonZero) {
  platform::HeapHandle second = platform::heapCreate();
  EXPECT_NE(heap, 0u);
  EXPECT_GT(second, heap);
  EXPECT_TRUE(platform::heapDestroy(second));
  platform::HeapHandle third = platform::heapCreate();
  EXPECT_GT(third, second);
  platform::heapDestroy(third);
}

TEST_F(HeapTest, BlocksAreZeroFilledAndCounted) {
  auto* block = static_cast<unsigned char*>(platform::heapAlloc(heap, 1000));
  ASSERT_NE(block, nullptr);
  for (int i = 0; i < 1000; ++i) ASSERT_EQ(block[i], 0) << i;
  std::memset(block, 0xAB, 1000);
  void* empty = platform::heapAlloc(heap, 0);
  EXPECT_NE(empty, nullptr);
  EXPECT_NE(empty, block);
  EXPECT_EQ(platform::heapBlockCount(heap), 2u);
  EXPECT_TRUE(platform::heapFree(heap, block));
  EXPECT_EQ(platform::heapBlockCount(heap), 1u);
}

TEST_F(HeapTest, FreeRefusesUnknownBlocksAndHeaps) {
  platform::HeapHandle other = platform::heapCreate();
  void* block = platform::heapAlloc(heap, 8);
  EXPECT_FALSE(platform::heapFree(other, block));
  EXPECT_FALSE(platform::heapFree(0, block));
  EXPECT_FALSE(platform::heapFree(heap, nullptr));
  EXPECT_EQ(platform::heapBlockCount(heap), 1u);
  EXPECT_TRUE(platform::heapFree(heap, block));
  EXPECT_FALSE(platform::heapFree(heap, block));
  platform::heapDestroy(other);
}

TEST_F(HeapTest, DestroyReleasesEveryBlock) {
  platform::HeapHandle nested = platform::heapCreate();
  for (int i = 0; i < 100; ++i) ASSERT_NE(platform::heapAlloc(nested, 16 + i), nullptr);
  EXPECT_EQ(platform::heapBlockCount(nested), 100u);
  EXPECT_TRUE(platform::heapDestroy(nested));
  EXPECT_EQ(platform::heapBlockCount(nested), 0u);
  EXPECT_FALSE(platform::heapDestroy(nested));
  EXPECT_EQ(platform::heapAlloc(nested, 4), nullptr);
}

TEST_F(HeapTest, UnknownHeapGivesNoBlock) {
  EXPECT_EQ(platform::heapAlloc(0, 4), nullptr);
  EXPECT_EQ(platform::heapBlockCount(0), 0u);
  EXPECT_FALSE(platform::heapDestroy(0));
}

TEST_F(HeapTest, PlannedFailuresHitTheNextAllocations) {
  platform::failHeapAllocations(2);
  EXPECT_EQ(platform::heapAlloc(heap, 4), nullptr);
  EXPECT_EQ(platform::heapAlloc(heap, 4), nullptr);
  EXPECT_NE(platform::heapAlloc(heap, 4), nullptr);
  EXPECT_EQ(platform::heapBlockCount(heap), 1u);
}

TEST_F(HeapTest, ImpossibleSizeGivesNoBlock) {
  EXPECT_EQ(platform::heapAlloc(heap, SIZE_MAX), nullptr);
  EXPECT_EQ(platform::heapBlockCount(heap), 0u);
}

}  // namespace
