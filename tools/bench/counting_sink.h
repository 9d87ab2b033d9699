#pragma once

#include <cstddef>

// Where the benchmark's presenters write instead of a terminal: it only
// counts the bytes and the write calls it receives.
class CountingSink {
  public:
    void write(const char* /*data*/, std::size_t size) {
        bytes_ += size;
        ++writes_;
    }
    std::size_t bytes() const { return bytes_; }
    std::size_t writes() const { return writes_; }

  private:
    std::size_t bytes_ = 0;
    std::size_t writes_ = 0;
};
