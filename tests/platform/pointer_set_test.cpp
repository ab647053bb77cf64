#include "platform/pointer_set.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <set>
#include <vector>

namespace {

void* at(uintptr_t address) {
  return reinterpret_cast<void*>(address);
}

TEST(PointerSet, HoldsEachPointerOnce) {
  platform::PointerSet set;
  EXPECT_FALSE(set.contains(at(0x1000)));
  EXPECT_TRUE(set.insert(at(0x1000)));
  EXPECT_FALSE(set.insert(at(0x1000)));
  EXPECT_TRUE(set.contains(at(0x1000)));
  EXPECT_EQ(set.size(), 1u);
  EXPECT_TRUE(set.erase(at(0x1000)));
  EXPECT_FALSE(set.erase(at(0x1000)));
  EXPECT_FALSE(set.contains(at(0x1000)));
  EXPECT_EQ(set.size(), 0u);
  // Addresses no block can start at are never held.
  EXPECT_FALSE(set.insert(nullptr));
  EXPECT_FALSE(set.insert(at(0x1001)));
  EXPECT_FALSE(set.erase(at(0x1001)));
  EXPECT_FALSE(set.contains(at(0x1001)));
  // Neighbours and far addresses are told apart.
  EXPECT_TRUE(set.insert(at(0x1000)));
  EXPECT_FALSE(set.contains(at(0x1000 + alignof(std::max_align_t))));
  EXPECT_TRUE(set.insert(at(0x7f0000001000)));
  EXPECT_TRUE(set.contains(at(0x7f0000001000)));
  EXPECT_EQ(set.size(), 2u);
}

// Many blocks added and removed in turns, as a load and its release do: the set always holds exactly
// what a reference set holds, across every growth and every reuse of a removed slot.
TEST(PointerSet, AgreesWithAReferenceSetThroughGrowthAndRemovals) {
  platform::PointerSet set;
  std::set<uintptr_t> reference;
  uint64_t state = 12345;
  auto next = [&state] {
    state = state * 6364136223846793005ull + 1442695040888963407ull;
    return state >> 33;
  };
  for (int round = 0; round < 200000; ++round) {
    // Spread over a few hundred pages, with an occasional far one.
    const uintptr_t base = next() % 20 == 0 ? 0x7f0000000000 : 0x10000;
    const uintptr_t address = base + (next() % 500000) * alignof(std::max_align_t);
    if (next() % 3 == 0) {
      EXPECT_EQ(set.erase(at(address)), reference.erase(address) == 1);
    } else {
      EXPECT_EQ(set.insert(at(address)), reference.insert(address).second);
    }
  }
  EXPECT_EQ(set.size(), reference.size());
  std::set<uintptr_t> visited;
  set.forEach([&visited](void* pointer) { visited.insert(reinterpret_cast<uintptr_t>(pointer)); });
  EXPECT_EQ(visited, reference);
  for (uintptr_t address : reference) EXPECT_TRUE(set.contains(at(address)));
}

}  // namespace
