#include "fuzz_support.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "console/console_output.h"
#include "core/text_format.h"

namespace fuzz {

namespace {

std::string g_scratchDir;

void removeScratchDir() {
    std::error_code ignored;
    std::filesystem::remove_all(g_scratchDir, ignored);
}

const std::string& scratchDir() {
    if (g_scratchDir.empty()) {
        const char* base = std::getenv("TMPDIR");
        std::string pattern = std::string(base && *base ? base : "/tmp") + "/ae-fuzz-XXXXXX";
        if (mkdtemp(pattern.data()) == nullptr) {
            std::perror("mkdtemp");
            std::abort();
        }
        g_scratchDir = pattern;
        std::atexit(removeScratchDir);
    }
    return g_scratchDir;
}

}  // namespace

std::string scratchPath(const char* name) {
    return scratchDir() + "/" + name;
}

std::string writeScratch(const char* name, const std::uint8_t* data, std::size_t size) {
    const std::string path = scratchPath(name);
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        std::perror(path.c_str());
        std::abort();
    }
    if (size > 0 && std::fwrite(data, 1, size, file) != size) {
        std::perror(path.c_str());
        std::abort();
    }
    std::fclose(file);
    return path;
}

void removeScratch(const char* name) {
    std::remove(scratchPath(name).c_str());
}

SplitInput writeSplit(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t mark = input.find(SPRITE_MARK);
    SplitInput files;
    files.spritePath = scratchPath("sprites.txt");
    if (mark == std::string::npos) {
        removeScratch("sprites.txt");
        files.statsPath = writeScratch("stats.txt", data, size);
        return files;
    }
    const std::size_t spriteStart = mark + std::strlen(SPRITE_MARK);
    files.statsPath = writeScratch("stats.txt", data, mark);
    writeScratch("sprites.txt", data + spriteStart, size - spriteStart);
    return files;
}

const Place PLACES[] = {
    {3, 2},   {56, 2},    {0, 35},    {13, 35},       {43, 11},    {4, 22},  // the game's own
    {75, 45}, {79, 48},   {0, 48},    {-3, -11},      {80, 49},    {-1, 20},
    {20, -5}, {32767, 0}, {0, 32767}, {70000, 70000}, {-70000, 5},
};
const int GAME_PLACE_COUNT = 6;
const int PLACE_COUNT = sizeof PLACES / sizeof PLACES[0];

DrawingInto::DrawingInto(VirtualConsole& console) {
    g_console = &console;
}
DrawingInto::~DrawingInto() {
    g_console = nullptr;
}

void printName(const char* name) {
    printAt(31, 28, name);
    printAt(70, 47, name);
    printAt(31, 28, formatText("%s was hit for %i HP", name, 12));
    printAt(31, 27, formatText("Killed %s and got %i coins", name, -7));
}

}  // namespace fuzz
