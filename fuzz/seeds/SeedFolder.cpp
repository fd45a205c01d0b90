#include "Seeds.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace zelk {
namespace fuzz {

SeedFolder::SeedFolder(const std::string& root, const std::string& target)
    : path(root + "/" + target) {
    std::filesystem::create_directories(path);
}

bool SeedFolder::write(const std::string& name, const std::vector<unsigned char>& bytes) {
    std::ofstream file(path + "/" + name, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return bool(file);
}

bool SeedFolder::write(const std::string& name, const std::string& text) {
    return write(name, std::vector<unsigned char>(text.begin(), text.end()));
}

bool SeedFolder::writeDocument(const std::string& name, const std::function<void(XML*)>& fill) {
    XML xml("<root/>");
    xml.selectRoot();
    fill(&xml);
    return xml.saveToFile((path + "/" + name).c_str());
}

bool SeedFolder::copyFile(const std::string& name, const std::string& from) {
    std::ifstream file(from, std::ios::binary);
    std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(file)),
                                     std::istreambuf_iterator<char>());
    return !bytes.empty() && write(name, bytes);
}

} // namespace fuzz
} // namespace zelk
