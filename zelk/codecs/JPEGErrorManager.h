#ifndef ZELK_CODECS_JPEGERRORMANAGER_H
#define ZELK_CODECS_JPEGERRORMANAGER_H

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace zelk {
namespace codecs {

// An error manager for libjpeg that hands control back instead of ending the
// process: a fatal error, and also a warning about damaged or truncated data
// (after which the library would go on with made-up pixels), jumps back to the
// point saved in `jump`. The library prints nothing through it.
//
// The function that calls setjmp on `jump` must keep only libjpeg's own
// structures and trivially destructible values alive while the library runs.
struct JPEGErrorManager {
    jpeg_error_mgr manager;
    std::jmp_buf jump;

    // Fills the manager and answers it, ready for the struct's `err` field.
    jpeg_error_mgr* start();
};

} // namespace codecs
} // namespace zelk

#endif
