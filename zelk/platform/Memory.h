#ifndef ZELK_PLATFORM_MEMORY_H
#define ZELK_PLATFORM_MEMORY_H

namespace zelk {
namespace platform {

// From now on blocks of 256 KiB and more are mapped on their own and go back
// to the system as soon as they are freed. Left to itself the C library
// raises that threshold after the first such block is freed, and the large
// blocks a program makes and frees over and over (decoded pictures, texture
// images) then come from the heap, where what is allocated between them
// keeps the heap from shrinking: it grows with each round. For a program to
// call once at its start.
void returnLargeBlocksToSystem();

} // namespace platform
} // namespace zelk

#endif
