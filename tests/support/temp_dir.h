#pragma once

#include <string>

// A fresh directory under the system's temporary folder, removed with
// everything in it when the object goes.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }
    void write(const std::string& name, const std::string& bytes) const;
    void remove(const std::string& name) const;
    // Copies every data file of the game into this directory.
    void copyAssets() const;

  private:
    std::string path_;
};

std::string readFile(const std::string& path);
