#include "platform/write_failure.h"

#include <cstring>

std::string cannotWrite(const char* what, int error) {
    return std::string("cannot write ") + what + ": " + std::strerror(error);
}
