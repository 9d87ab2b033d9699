// Plays the game on random key bytes for a long time and checks every frame
// (see soak_run.h). Usage: soak [BYTES [SEED [DATA_DIR]]]; the data files
// default to the repository's assets. Exits 1 when any frame broke a rule.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "soak_run.h"

namespace {

bool parseNumber(const char* text, unsigned long long& value) {
    char* end = nullptr;
    value = std::strtoull(text, &end, 10);
    return end != text && *end == '\0' && text[0] != '-';
}

}  // namespace

int main(int argc, char** argv) {
    SoakOptions options;
    const char* data = AE_ASSETS_DIR;
    unsigned long long number = 0;
    if (argc > 4 || (argc > 1 && !parseNumber(argv[1], number))) {
        std::fprintf(stderr, "usage: %s [BYTES [SEED [DATA_DIR]]]\n", argv[0]);
        return 2;
    }
    if (argc > 1) {
        options.bytes = number;
    }
    if (argc > 2) {
        if (!parseNumber(argv[2], number) || number > 0xFFFFFFFFull) {
            std::fprintf(stderr, "the seed is a number from 0 to 4294967295\n");
            return 2;
        }
        options.seed = static_cast<std::uint32_t>(number);
    }
    if (argc > 3) {
        data = argv[3];
    }
    std::error_code error;
    std::filesystem::current_path(data, error);
    if (error) {
        std::fprintf(stderr, "soak: cannot work in %s: %s\n", data, error.message().c_str());
        return 2;
    }
    const SoakReport report = runSoak(options);
    std::printf("soak: seed %u\n%s", options.seed, describe(report).c_str());
    return report.ok() ? 0 : 1;
}
