#include "support/GameFolder.h"

#include <filesystem>

namespace zelk {
namespace test {

namespace fs = std::filesystem;

GameFolder::GameFolder(const std::string& data) : entered(false) {
    std::error_code error;
    if (folder.path().empty() || !fs::is_directory(data, error)) {
        return;
    }
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(data, error)) {
        fs::path target = folder.path() / fs::relative(entry.path(), data, error);
        if (entry.is_directory()) {
            fs::create_directories(target, error);
        } else {
            fs::create_symlink(fs::absolute(entry.path()), target, error);
        }
        if (error) {
            return;
        }
    }
    previous = fs::current_path(error).string();
    fs::current_path(folder.path(), error);
    entered = !error;
}

GameFolder::~GameFolder() {
    if (entered) {
        std::error_code ignored;
        fs::current_path(previous, ignored);
    }
}

bool GameFolder::replace(const std::string& name, const std::string& file) {
    std::error_code error;
    fs::path target = fs::path(folder.path()) / name;
    fs::create_directories(target.parent_path(), error);
    fs::remove(target, error);
    return fs::copy_file(file, target, error) && !error;
}

} // namespace test
} // namespace zelk
