#include "MCShapeRecycler.h"

#include <new>

namespace
{
const std::size_t kGrain = 16;
const std::size_t kClasses = MCShapeRecycler::kLargestKept / kGrain;

struct FreeBlock
{
    FreeBlock *next;
};

// One list of free blocks a size class. Plain data, so that it may still
// be read after the thread's objects are destroyed: a shape freed then
// (by an object with static or thread storage destroyed later) goes to the
// heap.
struct ThreadLists
{
    FreeBlock *head[kClasses];
    int count[kClasses];
    bool closed;
};

thread_local ThreadLists lists = {};

// Gives the thread's blocks back to the heap when the thread ends, and
// closes its lists. Made on the thread's first kept block.
struct ThreadCloser
{
    bool armed = false;
    ~ThreadCloser()
    {
        for (std::size_t c = 0; c < kClasses; c++)
        {
            while (lists.head[c] != nullptr)
            {
                FreeBlock *block = lists.head[c];
                lists.head[c] = block->next;
                ::operator delete(block);
            }
            lists.count[c] = 0;
        }
        lists.closed = true;
    }
};

thread_local ThreadCloser closer;

// Every size of a class is served by a block of the class's largest size,
// so a block may be handed to any shape of its class.
std::size_t ClassOf(std::size_t size)
{
    return (size + kGrain - 1) / kGrain - 1;
}

bool Kept(std::size_t size)
{
    return size > 0 && size <= MCShapeRecycler::kLargestKept;
}
}  // namespace

void *MCShapeRecycler::Take(std::size_t size)
{
    if (!::Kept(size))
        return ::operator new(size);
    const std::size_t c = ClassOf(size);
    // A block of a kept size has its class's full size even when made after
    // this thread's lists were closed: it may be freed on a thread whose
    // lists are open and then serve any shape of the class.
    FreeBlock *block = lists.closed ? nullptr : lists.head[c];
    if (block == nullptr)
        return ::operator new((c + 1) * kGrain);
    lists.head[c] = block->next;
    lists.count[c]--;
    return block;
}

void MCShapeRecycler::Give(void *block, std::size_t size)
{
    if (block == nullptr)
        return;
    const std::size_t c = ::Kept(size) ? ClassOf(size) : 0;
    if (!::Kept(size) || lists.closed || lists.count[c] >= kMostKept)
    {
        ::operator delete(block);
        return;
    }
    if (!closer.armed)
        closer.armed = true;
    FreeBlock *freed = static_cast<FreeBlock *>(block);
    freed->next = lists.head[c];
    lists.head[c] = freed;
    lists.count[c]++;
}

int MCShapeRecycler::Kept(std::size_t size)
{
    return ::Kept(size) && !lists.closed ? lists.count[ClassOf(size)] : 0;
}
