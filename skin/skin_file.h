#pragma once
// A .she skin read from a file named by a GBK path.

#include <cstddef>
#include <cstdint>
#include <span>

class SkinFile {
  public:
    // Reads the whole file; nothing when the path is null, is not valid GBK,
    // or the file cannot be read or is larger than any skin (1 MiB).
    explicit SkinFile(const char* gbkPath);
    ~SkinFile();
    SkinFile(const SkinFile&) = delete;
    SkinFile& operator=(const SkinFile&) = delete;

    std::span<const std::uint8_t> bytes() const { return {data_, size_}; }

  private:
    std::uint8_t* data_ = nullptr;
    std::size_t size_ = 0;
};
