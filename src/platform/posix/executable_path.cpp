#include <unistd.h>

#include <vector>

#include "platform/port.h"

#ifdef __APPLE__
#include <mach-o/dyld.h>
#endif

std::string executablePath() {
#ifdef __APPLE__
    std::uint32_t size = 0;
    _NSGetExecutablePath(nullptr, &size);
    std::vector<char> buffer(size + 1, '\0');
    if (_NSGetExecutablePath(buffer.data(), &size) != 0) {
        return {};
    }
    return buffer.data();
#else
    // Linux names the running program's file here, with symbolic links
    // resolved, so a link to the game in another folder still finds its data.
    // Without /proc (a bare chroot, another system) the location stays
    // unknown and only the working directory holds data.
    std::vector<char> buffer(256);
    for (;;) {
        const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (length <= 0) {
            return {};
        }
        if (static_cast<std::size_t>(length) < buffer.size()) {
            return std::string(buffer.data(), static_cast<std::size_t>(length));
        }
        if (buffer.size() >= 65536) {
            return {};
        }
        buffer.resize(buffer.size() * 2);  // the path may have been cut short
    }
#endif
}

DataPlacement dataPlacement() {
    return DataPlacement::posixTree;
}
