#ifndef ZELK_TYPEVARS_H
#define ZELK_TYPEVARS_H

// The fixed-width types the engine is written in. The suffix of every value
// type (vec2f32, size2ui32, ...) names one of them.
namespace zelk {
typedef signed char int8;
typedef short int16;
typedef int int32;
typedef long long int64;
typedef unsigned char uint8;
typedef unsigned short uint16;
typedef unsigned int uint32;
typedef unsigned long long uint64;
typedef float float32;
typedef double float64;
typedef char char8;
typedef unsigned char uchar8;
} // namespace zelk

#endif
