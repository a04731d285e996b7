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

// One list of free blocks a size class; the blocks go back to the heap when
// the thread ends.
struct ThreadLists
{
    FreeBlock *head[kClasses] = {};
    int count[kClasses] = {};

    ~ThreadLists()
    {
        for (std::size_t c = 0; c < kClasses; c++)
            while (head[c] != nullptr)
            {
                FreeBlock *block = head[c];
                head[c] = block->next;
                ::operator delete(block);
            }
    }
};

thread_local ThreadLists lists;

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
    FreeBlock *block = lists.head[c];
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
    if (!::Kept(size))
    {
        ::operator delete(block);
        return;
    }
    const std::size_t c = ClassOf(size);
    if (lists.count[c] >= kMostKept)
    {
        ::operator delete(block);
        return;
    }
    FreeBlock *freed = static_cast<FreeBlock *>(block);
    freed->next = lists.head[c];
    lists.head[c] = freed;
    lists.count[c]++;
}

int MCShapeRecycler::Kept(std::size_t size)
{
    return ::Kept(size) ? lists.count[ClassOf(size)] : 0;
}
