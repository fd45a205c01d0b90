#include "zelk/codecs/JPEGErrorManager.h"

namespace zelk {
namespace codecs {

namespace {

[[noreturn]] void jumpBack(j_common_ptr info) {
    std::longjmp(reinterpret_cast<JPEGErrorManager*>(info->err)->jump, 1);
}

void emitMessage(j_common_ptr info, int level) {
    if (level < 0)
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
