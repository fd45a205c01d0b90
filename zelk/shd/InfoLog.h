#ifndef ZELK_SHD_INFOLOG_H
#define ZELK_SHD_INFOLOG_H

namespace zelk {
namespace shd {

// How a compile or link check asks about a shader or a program object.
typedef void (*StatusQuery)(unsigned int object, unsigned int parameter, int* value);
typedef void (*LogQuery)(unsigned int object, int capacity, int* length, char* log);

// True when the object's status parameter (compile or link status) is set.
// Otherwise the object's info log replaces log (owned by the caller, null when
// there is none), a non-empty one is printed, and the answer is false.
bool checkObjectStatus(unsigned int object, unsigned int status, StatusQuery query, LogQuery fetch,
                       char*& log);

} // namespace shd
} // namespace zelk

#endif
