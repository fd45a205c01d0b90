#include "zelk/codecs/JPEGErrorManager.h"

#include <jerror.h>

namespace zelk {
namespace codecs {

namespace {

[[noreturn]] void jumpBack(j_common_ptr info) {
    std::longjmp(reinterpret_cast<JPEGErrorManager*>(info->err)->jump, 1);
}

// The warnings after which the library would go on with made-up pixels.
// Others (an unknown JFIF revision, stray bytes before a marker) leave the
// picture whole and are let through.
bool damagedData(int code) {
    return code == JWRN_JPEG_EOF || code == JWRN_HIT_MARKER || code == JWRN_HUFF_BAD_CODE ||
           code == JWRN_ARITH_BAD_CODE || code == JWRN_MUST_RESYNC;
}

void emitMessage(j_common_ptr info, int level) {
    if (level < 0 && damagedData(info->err->msg_code))
        jumpBack(info);
}

void outputNothing(j_common_ptr) {}

} // namespace

jpeg_error_mgr* JPEGErrorManager::start() {
    jpeg_std_error(&manager);
    manager.error_exit = jumpBack;
    manager.emit_message = emitMessage;
    manager.output_message = outputNothing;
    return &manager;
}

} // namespace codecs
} // namespace zelk
