#pragma once

#include <cstddef>
#include <string>

// Reads a file so that nothing can make the game wait on it: only a regular
// file counts, and it is read as far as it gives bytes at once, at most
// maxBytes of them, appended to `bytes`. False, with nothing read, for
// anything else: a missing file, a directory, a FIFO (which would wait for
// a writer for ever), a device. Each backend gives its own, with its own
// system calls.
bool readRegularFile(const std::string& path, std::size_t maxBytes, std::string& bytes);
