#include "values/ListCellPool.h"

#include <mutex>
#include <new>
#include <vector>

#include "values/tLogoList.h"
#include "values/valuePools.h"

namespace {

// The window thread frees cells too (completion routines drop values) without holding the
// interpreter lock, so the free list has a lock of its own.
struct tCellPool {
    std::mutex lock;
    std::vector<void*> blocks;
    int64_t heapAllocations = 0;
    int64_t heapFrees = 0;
};

tCellPool& pool()
{
    static tCellPool* instance = new tCellPool;  // never destroyed: cells may die after main
    return *instance;
}

}  // namespace

void createListCellPool()
{
    tCellPool& p = pool();
    std::lock_guard guard(p.lock);
    p.blocks.reserve(kListCellPoolSize);
    while (p.blocks.size() < kListCellPoolSize)
        p.blocks.push_back(::operator new(sizeof(tLogoList)));
}

void* takeListCell(size_t size)
{
    tCellPool& p = pool();
    if (size == sizeof(tLogoList) && runningLogoProcess()) {
        std::lock_guard guard(p.lock);
        if (!p.blocks.empty()) {
            void* block = p.blocks.back();
            p.blocks.pop_back();
            return block;
        }
    }
    void* block = ::operator new(size);
    std::lock_guard guard(p.lock);
    ++p.heapAllocations;
    return block;
}

void giveBackListCell(void* block, size_t size)
{
    tCellPool& p = pool();
    {
        std::lock_guard guard(p.lock);
        if (size == sizeof(tLogoList) && p.blocks.size() < kListCellPoolSize) {
            p.blocks.push_back(block);
            return;
        }
        ++p.heapFrees;
    }
    ::operator delete(block);
}

tListCellCounters listCellCounters()
{
    tCellPool& p = pool();
    std::lock_guard guard(p.lock);
    return {p.heapAllocations, p.heapFrees, static_cast<int>(p.blocks.size())};
}
