#include "platform/regular_file.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

// Opened without waiting, then looked at through the open descriptor: a
// FIFO put in the file's place after any earlier look is caught too, and
// reading stops where a file that only looks regular (such as /proc/kmsg)
// has nothing more at once.
bool readRegularFile(const std::string& path, std::size_t maxBytes, std::string& bytes) {
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        close(fd);
        return false;
    }
    char chunk[4096];
    for (std::size_t left = maxBytes; left > 0;) {
        const ssize_t got = read(fd, chunk, std::min(sizeof chunk, left));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            break;  // the end, an error, or nothing to read without waiting
        }
        bytes.append(chunk, std::size_t(got));
        left -= std::size_t(got);
    }
    close(fd);
    return true;
}
