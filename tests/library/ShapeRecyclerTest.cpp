#include "MCShapeRecycler.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <thread>
#include <vector>

#include "MCMObject.h"
#include "MCSCircle.h"
#include "MCSLine.h"
#include "MCSPoint.h"
#include "MCSRectangle.h"

namespace
{
// Frees everything this thread keeps of the size, so that each test starts
// from an empty list whatever ran before on the thread.
void Drain(std::size_t size)
{
    std::vector<void *> taken;
    while (MCShapeRecycler::Kept(size) > 0)
        taken.push_back(MCShapeRecycler::Take(size));
    for (void *block : taken)
        ::operator delete(block);
}
}  // namespace

TEST(ShapeRecycler, AFreedShapesBlockServesTheNextShapeOfItsSizeWithItsOwnValues)
{
    Drain(sizeof(MCSRectangle));
    Drain(sizeof(MCSCircle));
    Drain(sizeof(MCSPoint));
    Drain(sizeof(MCSLine));
    struct Row
    {
        const char *kind;
        std::size_t size;
        MCShape *(*make)(double);
    } rows[] = {
        {"point", sizeof(MCSPoint), [](double v) -> MCShape * { return new MCSPoint(v, -v); }},
        {"rectangle", sizeof(MCSRectangle),
         [](double v) -> MCShape * { return new MCSRectangle(-v, -v, v, v); }},
        {"circle", sizeof(MCSCircle), [](double v) -> MCShape * { return new MCSCircle(0, 0, v); }},
        {"line", sizeof(MCSLine), [](double v) -> MCShape * { return new MCSLine(0, 0, v, v); }},
    };
    for (const Row &row : rows)
    {
        MCShape *first = row.make(3);
        const void *block = first;
        delete first;
        EXPECT_EQ(1, MCShapeRecycler::Kept(row.size)) << row.kind;
        MCShape *second = row.make(5);
        EXPECT_EQ(block, static_cast<const void *>(second)) << row.kind;
        EXPECT_EQ(0, MCShapeRecycler::Kept(row.size)) << row.kind;
        // The new shape is wholly its own: nothing of the old one shows.
        EXPECT_DOUBLE_EQ(5, second->Right()) << row.kind;
        EXPECT_EQ(0, second->CurRef()) << row.kind;
        delete second;
        Drain(row.size);
    }
}

TEST(ShapeRecycler, HandlesThatDropTheirShapeGiveItsBlockBackOnce)
{
    Drain(sizeof(MCSRectangle));
    {
        MCMRegion a(new MCSRectangle(0, 0, 1, 1));
        MCMRegion b = a;
        MCMRegion c;
        c = b;
        EXPECT_EQ(0, MCShapeRecycler::Kept(sizeof(MCSRectangle)));
    }
    EXPECT_EQ(1, MCShapeRecycler::Kept(sizeof(MCSRectangle)));
    Drain(sizeof(MCSRectangle));
}

TEST(ShapeRecycler, KeepsABoundedNumberOfBlocksAndGivesTheRestToTheHeap)
{
    Drain(sizeof(MCSPoint));
    std::vector<MCShape *> burst;
    for (int i = 0; i < 3 * MCShapeRecycler::kMostKept; i++)
        burst.push_back(new MCSPoint(i, i));
    for (MCShape *shape : burst)
        delete shape;
    EXPECT_EQ(MCShapeRecycler::kMostKept, MCShapeRecycler::Kept(sizeof(MCSPoint)));
    Drain(sizeof(MCSPoint));
}

TEST(ShapeRecycler, SizesOutsideTheKeptRangeGoStraightToTheHeap)
{
    const struct
    {
        std::size_t size;
    } rows[] = {{0}, {MCShapeRecycler::kLargestKept + 1}, {4096}};
    for (const auto &row : rows)
    {
        void *block = MCShapeRecycler::Take(row.size);
        ASSERT_NE(nullptr, block);
        MCShapeRecycler::Give(block, row.size);
        EXPECT_EQ(0, MCShapeRecycler::Kept(row.size)) << row.size;
    }
    MCShapeRecycler::Give(nullptr, 16);
    EXPECT_EQ(0, MCShapeRecycler::Kept(16));
}

TEST(ShapeRecycler, AShapeMadeOnOneThreadMayBeFreedOnAnother)
{
    Drain(sizeof(MCSCircle));
    std::vector<MCShape *> made;
    for (int i = 0; i < 10; i++)
        made.push_back(new MCSCircle(i, i, 1));
    std::thread other([&made] {
        for (MCShape *shape : made)
            delete shape;
        // Kept by the other thread, which gives them back when it ends.
        EXPECT_EQ(10, MCShapeRecycler::Kept(sizeof(MCSCircle)));
    });
    other.join();
    EXPECT_EQ(0, MCShapeRecycler::Kept(sizeof(MCSCircle)));
}

namespace
{
// An object of the thread's made before the recycler's own, so destroyed
// after it: what it frees then must not be kept by lists already given back.
struct LateOwner
{
    MCShape *shape = nullptr;
    int *keptAfter = nullptr;
    ~LateOwner()
    {
        delete shape;
        *keptAfter = MCShapeRecycler::Kept(sizeof(MCSPoint));
    }
};
}  // namespace

TEST(ShapeRecycler, AShapeFreedAfterTheThreadsListsWereGivenBackGoesToTheHeap)
{
    int keptAfter = -1;
    std::thread other([&keptAfter] {
        static thread_local LateOwner owner;
        owner.keptAfter = &keptAfter;
        owner.shape = new MCSPoint(1, 2);
        // The recycler's lists come into use after the owner was made.
        delete new MCSPoint(3, 4);
        EXPECT_EQ(1, MCShapeRecycler::Kept(sizeof(MCSPoint)));
    });
    other.join();
    EXPECT_EQ(0, keptAfter);
}

namespace
{
// Made before the recycler's own objects of its thread, so destroyed after
// them: it takes a block once the thread's lists are closed.
struct LateTaker
{
    void **taken = nullptr;
    ~LateTaker() { *taken = MCShapeRecycler::Take(kSmall); }
    static constexpr std::size_t kSmall = 40;
};
}  // namespace

TEST(ShapeRecycler, ABlockTakenAfterItsThreadsListsClosedServesAnyShapeOfItsClassLater)
{
    // 40 and 48 bytes share a class: a block made for 40 on a closed thread,
    // freed here, is handed out for 48 (an overflow the sanitizers catch,
    // when it was made to 40 only).
    const std::size_t larger = 48;
    Drain(larger);
    void *late = nullptr;
    std::thread other([&late] {
        static thread_local LateTaker taker;
        taker.taken = &late;
        delete new MCSPoint(3, 4);
    });
    other.join();
    ASSERT_NE(nullptr, late);
    MCShapeRecycler::Give(late, LateTaker::kSmall);
    void *block = MCShapeRecycler::Take(larger);
    EXPECT_EQ(late, block);
    std::memset(block, 0x5a, larger);
    MCShapeRecycler::Give(block, larger);
    Drain(larger);
}
