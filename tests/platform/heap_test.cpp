#include "platform/heap.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

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

// Many small blocks of mixed sizes, several heaps' worth of memory: no two overlap, each keeps what
// was written to it while others come and go, and blocks handed out after a release are zero-filled.
TEST_F(HeapTest, BlocksKeepTheirBytesWhileOthersComeAndGo) {
  struct Block {
    unsigned char* bytes;
    size_t size;
  };
  std::vector<Block> blocks;
  for (size_t i = 0; i < 60000; ++i) {
    const size_t size = 1 + (i * 37) % 300 + (i % 1000 == 0 ? 5000 : 0);
    auto* bytes = static_cast<unsigned char*>(platform::heapAlloc(heap, size));
    ASSERT_NE(bytes, nullptr);
    std::memset(bytes, static_cast<int>(i & 0xFF), size);
    blocks.push_back({bytes, size});
  }
  for (size_t i = 0; i < blocks.size(); i += 2) ASSERT_TRUE(platform::heapFree(heap, blocks[i].bytes)) << i;
  EXPECT_EQ(platform::heapBlockCount(heap), blocks.size() / 2);
  for (size_t i = 1; i < blocks.size(); i += 2) {
    for (size_t k = 0; k < blocks[i].size; ++k) ASSERT_EQ(blocks[i].bytes[k], i & 0xFF) << i << " " << k;
  }
  for (size_t i = 0; i < 20000; ++i) {
    auto* bytes = static_cast<unsigned char*>(platform::heapAlloc(heap, 200));
    ASSERT_NE(bytes, nullptr);
    for (size_t k = 0; k < 200; ++k) ASSERT_EQ(bytes[k], 0) << i;
  }
  for (size_t i = 1; i < blocks.size(); i += 2) ASSERT_TRUE(platform::heapFree(heap, blocks[i].bytes)) << i;
  for (size_t i = 1; i < blocks.size(); i += 2) EXPECT_FALSE(platform::heapFree(heap, blocks[i].bytes)) << i;
  EXPECT_EQ(platform::heapBlockCount(heap), 20000u);
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
