#pragma once

#include <cstddef>
#include <cstdint>

// Recycled blocks for list cells: lists are built and dropped on every instruction, so cells
// come from a pool of free blocks instead of the heap. Threads running a Logo process take from
// it; any thread gives back while it holds fewer than kListCellPoolSize blocks. Each thread also
// keeps a cache of its own, traded with the pool in batches, so that taking and giving back a
// cell needs neither a lock nor a call: a list of a few thousand elements copied and dropped
// again (as "lput" does) stays within the cache, in its own blocks.
constexpr int kListCellPoolSize = 10000;
constexpr int kListCellCacheSize = 16384;

// Fills the pool; called once at start-up. Calling it again only tops it up.
void createListCellPool();

// Blocks of the size of a list cell only.
inline void* takeListCell();
inline void giveBackListCell(void* block);

struct tListCellCounters {
    int64_t heapAllocations;  // cells that had to come from the heap
    int64_t heapFrees;        // cells given back to the heap because the pool was full
    int freeBlocks;           // blocks waiting in the pool now (the caller's cache handed back first)
};
tListCellCounters listCellCounters();

namespace listCellCache {

// The calling thread's cache: a stack of free blocks (an array, so that taking one does not wait
// for the memory of the one before). Plain thread-locals, so they stay readable after the
// thread's destructors ran; from then on ("closed") the thread trades with the pool directly.
inline constinit thread_local void** blocks = nullptr;
inline constinit thread_local int count = 0;
inline constinit thread_local bool closed = false;

// The paths that touch the pool or the heap.
void* takeSlow();
void giveBackSlow(void* block);

}  // namespace listCellCache

inline void* takeListCell()
{
    using namespace listCellCache;
    if (count > 0)
        return blocks[--count];
    return takeSlow();
}

inline void giveBackListCell(void* block)
{
    using namespace listCellCache;
    if (count > 0 && count < kListCellCacheSize) {
        blocks[count++] = block;
        return;
    }
    giveBackSlow(block);
}
