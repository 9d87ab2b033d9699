#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/game_driver.h"

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "ancient-evil-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        ADD_FAILURE() << "cannot make a temporary directory";
    }
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

void TempDir::write(const std::string& name, const std::string& bytes) const {
    std::ofstream out(file(name), std::ios::binary | std::ios::trunc);
    out << bytes;
}

void TempDir::remove(const std::string& name) const {
    std::error_code ignored;
    std::filesystem::remove(file(name), ignored);
}

void TempDir::copyAssets() const {
    for (const auto& entry : std::filesystem::directory_iterator(assetsDir())) {
        if (entry.path().extension() == ".txt") {
            std::filesystem::copy_file(entry.path(),
                                       std::filesystem::path(path_) / entry.path().filename(),
                                       std::filesystem::copy_options::overwrite_existing);
        }
    }
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}
