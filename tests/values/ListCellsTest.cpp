#include <gtest/gtest.h>

#include <thread>

#include "ListTestSupport.h"
#include "values/ListCellPool.h"
#include "values/tLogoInt.h"
#include "values/tLogoStack.h"
#include "values/valuePools.h"

namespace {

class ListCells : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        setUpListLayer();
        createListCellPool();
    }
};

// A Logo process takes its cells from the pool and gives them back; no heap traffic.
TEST_F(ListCells, ProcessesTakeCellsFromThePool)
{
    setRunningLogoProcess(true);
    const tListCellCounters before = listCellCounters();
    ASSERT_EQ(before.freeBlocks, kListCellPoolSize);
    {
        tLogoRef<tLogoList> list(new tLogoList);
        for (int i = 0; i < 100; ++i)
            list = tLogoList::Cons(NewInteger(i), list.get());
        EXPECT_EQ(listCellCounters().freeBlocks, kListCellPoolSize - 100);
    }
    const tListCellCounters after = listCellCounters();
    EXPECT_EQ(after.freeBlocks, kListCellPoolSize);
    EXPECT_EQ(after.heapAllocations, before.heapAllocations);
    EXPECT_EQ(after.heapFrees, before.heapFrees);
    setRunningLogoProcess(false);
}

// Other threads allocate; a full pool sends the cell back to the heap.
TEST_F(ListCells, OtherThreadsUseTheHeap)
{
    const tListCellCounters before = listCellCounters();
    std::thread([] { tLogoRef<tLogoList> list(new tLogoList); }).join();
    const tListCellCounters after = listCellCounters();
    EXPECT_EQ(after.heapAllocations, before.heapAllocations + 1);
    EXPECT_EQ(after.heapFrees, before.heapFrees + 1);
    EXPECT_EQ(after.freeBlocks, kListCellPoolSize);
}

// A process thread keeps cells in a cache of its own; when it ends, the cache goes back to the
// pool, and a list longer than the pool takes the rest from the heap.
TEST_F(ListCells, AnEndingThreadHandsItsCacheBack)
{
    const tListCellCounters before = listCellCounters();
    ASSERT_EQ(before.freeBlocks, kListCellPoolSize);
    std::thread([] {
        setRunningLogoProcess(true);
        tLogoRef<tLogoList> list(new tLogoList);
        for (int i = 0; i < kListCellPoolSize + 50; ++i)
            list = tLogoList::Cons(NewInteger(1), list.get());
        list = nullptr;
        setRunningLogoProcess(false);
    }).join();
    const tListCellCounters after = listCellCounters();
    EXPECT_EQ(after.freeBlocks, kListCellPoolSize);
    EXPECT_EQ(after.heapAllocations - before.heapAllocations, after.heapFrees - before.heapFrees);
    EXPECT_EQ(after.heapAllocations - before.heapAllocations, 50);
}

TEST_F(ListCells, AVeryLongListIsFreedWithoutDeepRecursion)
{
    tLogoRef<tLogoList> list(new tLogoList);
    tLogoRef<tlogoobject> element(NewInteger(1));
    for (int i = 0; i < 1000000; ++i)
        list = tLogoList::Cons(element.get(), list.get());
    EXPECT_EQ(element->refCount, 1000001);
    list = nullptr;
    EXPECT_EQ(element->refCount, 1);
}

TEST_F(ListCells, ConsOfTheEmptyListEndsTheChain)
{
    tLogoRef<tLogoList> empty(new tLogoList);
    tLogoRef<tLogoList> one(tLogoList::Cons(NewInteger(1), empty.get()));
    EXPECT_EQ(one->rest, nullptr);
    EXPECT_EQ(empty->refCount, 1);
    EXPECT_TRUE(empty->IsEmpty());
    EXPECT_FALSE(one->IsEmpty());
    // An empty rest that nobody holds is not left behind.
    setRunningLogoProcess(true);
    const int freeBefore = listCellCounters().freeBlocks;
    { tLogoRef<tLogoList> two(tLogoList::Cons(NewInteger(2), new tLogoList)); }
    EXPECT_EQ(listCellCounters().freeBlocks, freeBefore);
    setRunningLogoProcess(false);
}

TEST_F(ListCells, CloneHandsOverItsLastCell)
{
    tLogoRef<tLogoList> list = listOf("[a [b] c]");
    tLogoRef<tlogoobject> copy(list->Clone());
    tLogoList* cells = static_cast<tLogoList*>(copy.get());
    EXPECT_NE(cells, list.get());
    EXPECT_TRUE(cells->Equals(list.get()));
    EXPECT_EQ(cells->rest->first, list->rest->first);
    EXPECT_EQ(list->lastCopy, cells->rest->rest);
}

// Growing in place is allowed only while nothing but the chain itself holds any cell of the list
// beyond its one holder; otherwise the list stays as it was.
TEST_F(ListCells, ALputInPlaceOnlyWhereNoOneElseSees)
{
    struct tCase {
        const char* list;
        int heldCell;  // 0: none held from outside; k: the k-th cell (1: the list itself)
        bool grows;
    };
    for (const tCase& c : {tCase{"[]", 0, true}, tCase{"[a]", 0, true}, tCase{"[a b c]", 0, true},
                           tCase{"[a b c]", 1, false}, tCase{"[a b c]", 2, false}, tCase{"[a b c]", 3, false}}) {
        tLogoRef<tLogoList> list = listOf(c.list);
        tLogoRef<tLogoList> other(c.heldCell ? list->CellAt(c.heldCell) : nullptr);
        const std::string before = list->PrintText(1);
        tLogoRef<tlogoobject> element = valueOf("z");
        EXPECT_EQ(list->LputInPlace(element.get()), c.grows) << c.list << " " << c.heldCell;
        const std::string grown = before == "[]" ? "[z]" : before.substr(0, before.size() - 1) + " z]";
        EXPECT_EQ(list->PrintText(1), c.grows ? grown : before) << c.list << " " << c.heldCell;
        EXPECT_EQ(element->refCount, c.grows ? 2 : 1);
    }
}

TEST_F(ListCells, ListsFromTheStack)
{
    tLogoStack stack;
    stack.push(valueOf("x").get());
    stack.push(listOf("[a b]").get());
    stack.push(listOf("[]").get());
    stack.push(valueOf("3").get());
    stack.push(valueOf("y").get());
    tLogoRef<tLogoList> joined(tLogoList::ListOfLists(stack, 4));
    EXPECT_EQ(joined->PrintText(1), "[a b [] 3 y]");
    EXPECT_EQ(stack.height(), 1);
    tLogoRef<tLogoList> one(tLogoList::ListFromStack(stack, 1));
    EXPECT_EQ(one->PrintText(1), "[x]");
    tLogoRef<tLogoList> none(tLogoList::ListFromStack(stack, 0));
    EXPECT_TRUE(none->IsEmpty());
    EXPECT_EQ(stack.height(), 0);
}

}  // namespace
