#pragma once

#include <cstddef>
#include <cstdint>

// Recycled blocks for list cells: lists are built and dropped on every instruction, so cells
// come from a pool of free blocks instead of the heap. Threads running a Logo process take from
// it; any thread gives back while it holds fewer than kListCellPoolSize blocks.
constexpr int kListCellPoolSize = 10000;

// Fills the pool; called once at start-up. Calling it again only tops it up.
void createListCellPool();

void* takeListCell(size_t size);
void giveBackListCell(void* block, size_t size);

struct tListCellCounters {
    int64_t heapAllocations;  // cells that had to come from the heap
    int64_t heapFrees;        // cells given back to the heap because the pool was full
    int freeBlocks;           // blocks waiting in the pool now
};
tListCellCounters listCellCounters();
