#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "support/game_driver.h"

TempDir::TempDir() {
    // A random name, tried until one is free: tests running side by side
    // each get their own directory.
    std::random_device entropy;
    const std::filesystem::path base = std::filesystem::temp_directory_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        char name[32];
        std::snprintf(name, sizeof name, "ancient-evil-%08x", static_cast<unsigned>(entropy()));
        std::error_code error;
        if (std::filesystem::create_directory(base / name, error)) {
            path_ = (base / name).string();
            return;
        }
    }
    ADD_FAILURE() << "cannot make a temporary directory in " << base;
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
