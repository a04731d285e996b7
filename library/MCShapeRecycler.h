#ifndef MCSHAPERECYCLER_H
#define MCSHAPERECYCLER_H

#include <cstddef>

// Blocks for shapes, kept for the next shape of their size once freed. The
// positioners make and drop a few dozen small shapes in every decision pass
// (each handle owns its shape); taking the block back from a short list of
// the thread's own is far cheaper than the general heap's round trip.
// A block freed on another thread than the one that made it joins that
// thread's lists; each thread's lists are given back to the heap when the
// thread ends, and a shape freed after that (by an object destroyed later
// in the thread's or the program's end) goes straight to the heap.
class MCShapeRecycler
{
public:
    // Blocks up to this size are kept; larger ones go straight to the heap.
    static constexpr std::size_t kLargestKept = 128;
    // At most this many free blocks of a size are kept by a thread: a burst
    // of shapes must not hold its memory for ever.
    static constexpr int kMostKept = 64;

    static void *Take(std::size_t size);
    static void Give(void *block, std::size_t size);
    // Free blocks this thread keeps of the size class of `size` (for tests).
    static int Kept(std::size_t size);
};

#endif
