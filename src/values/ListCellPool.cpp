#include "values/ListCellPool.h"

#include <mutex>
#include <new>
#include <vector>

#include "values/tLogoList.h"
#include "values/valuePools.h"

namespace {

constexpr int kBatch = 512;

// The window thread frees cells too (completion routines drop values) without holding the
// interpreter lock, so the shared pool has a lock of its own.
struct tCellPool {
    std::mutex lock;
    std::vector<void*> blocks;
    int64_t heapAllocations = 0;
    int64_t heapFrees = 0;
    // The blocks of the first filling are carved from one allocation: one call instead of
    // 10000, and the memory is touched only when a cell is used. They are never freed one by
    // one, so the pool keeps them even when it is full.
    char* slab = nullptr;
    char* slabEnd = nullptr;

    bool inSlab(void* block) const
    {
        return static_cast<char*>(block) >= slab && static_cast<char*>(block) < slabEnd;
    }

    // Under the lock: keeps the block, or tells the caller to free it.
    bool keep(void* block)
    {
        if (blocks.size() < kListCellPoolSize || inSlab(block)) {
            blocks.push_back(block);
            return true;
        }
        ++heapFrees;
        return false;
    }
};

tCellPool& pool()
{
    static tCellPool* instance = new tCellPool;  // never destroyed: cells may die after main
    return *instance;
}

using listCellCache::blocks;
using listCellCache::closed;
using listCellCache::count;

void push(void* block) { blocks[count++] = block; }

void* pop() { return blocks[--count]; }

// Moves up to n cached blocks to the shared pool; those it has no room for go to the heap.
void spill(int n)
{
    tCellPool& p = pool();
    std::lock_guard guard(p.lock);
    for (; n > 0 && count > 0; --n) {
        void* block = pop();
        if (!p.keep(block)) ::operator delete(block);
    }
}

// Hands the cache back when its thread ends.
struct tCacheCloser {
    bool registered = false;
    ~tCacheCloser()
    {
        spill(count);
        closed = true;
        delete[] blocks;
        blocks = nullptr;
    }
};
thread_local tCacheCloser closer;

void openCache()
{
    if (blocks)
        return;
    blocks = new void*[kListCellCacheSize];
    closer.registered = true;
}

}  // namespace

void createListCellPool()
{
    tCellPool& p = pool();
    std::lock_guard guard(p.lock);
    p.blocks.reserve(kListCellPoolSize);
    if (!p.slab) {
        p.slab = static_cast<char*>(::operator new(kListCellPoolSize * sizeof(tLogoList)));
        p.slabEnd = p.slab + kListCellPoolSize * sizeof(tLogoList);
        // Pushed from the end down, so the lowest blocks are taken first: a short program
        // touches only the first pages of the slab.
        for (char* block = p.slabEnd; block > p.slab && p.blocks.size() < kListCellPoolSize;)
            p.blocks.push_back(block -= sizeof(tLogoList));
    }
    while (p.blocks.size() < kListCellPoolSize)
        p.blocks.push_back(::operator new(sizeof(tLogoList)));
}

// The cache is empty: a Logo process refills it from the pool, other threads use the heap.
void* listCellCache::takeSlow()
{
    tCellPool& p = pool();
    if (runningLogoProcess() && !closed) {
        openCache();
        std::lock_guard guard(p.lock);
        for (int n = 0; n < kBatch && !p.blocks.empty(); ++n) {
            push(p.blocks.back());
            p.blocks.pop_back();
        }
        if (count > 0)
            return pop();
    }
    void* block = ::operator new(sizeof(tLogoList));
    std::lock_guard guard(p.lock);
    ++p.heapAllocations;
    return block;
}

// The cache is empty (and may not be open yet), full, or closed.
void listCellCache::giveBackSlow(void* block)
{
    if (closed) {
        tCellPool& p = pool();
        {
            std::lock_guard guard(p.lock);
            if (p.keep(block)) return;
        }
        ::operator delete(block);
        return;
    }
    if (count == 0)
        openCache();
    // The fast path fills the cache to the last slot, so make room before adding.
    if (count >= kListCellCacheSize)
        spill(kBatch);
    push(block);
}

// The caller's cache is settled first, so the figures do not depend on how much of it was in use.
tListCellCounters listCellCounters()
{
    spill(count);
    tCellPool& p = pool();
    std::lock_guard guard(p.lock);
    return {p.heapAllocations, p.heapFrees, static_cast<int>(p.blocks.size())};
}
