// Little-endian reads from untrusted bytes. Every read is bounds-checked by
// the caller through `has`; the readers themselves assume it was done.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace pictures {

class ByteReader {
 public:
  explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  std::size_t size() const { return bytes_.size(); }
  // True when `count` bytes from `offset` lie inside, without overflow.
  bool has(std::uint64_t offset, std::uint64_t count) const {
    return offset <= bytes_.size() && count <= bytes_.size() - offset;
  }
  std::uint8_t u8(std::size_t offset) const { return bytes_[offset]; }
  std::uint16_t u16(std::size_t offset) const {
    return static_cast<std::uint16_t>(bytes_[offset] | (bytes_[offset + 1] << 8));
  }
  std::uint32_t u32(std::size_t offset) const {
    return static_cast<std::uint32_t>(bytes_[offset]) | (static_cast<std::uint32_t>(bytes_[offset + 1]) << 8) |
           (static_cast<std::uint32_t>(bytes_[offset + 2]) << 16) |
           (static_cast<std::uint32_t>(bytes_[offset + 3]) << 24);
  }
  std::int32_t i32(std::size_t offset) const { return static_cast<std::int32_t>(u32(offset)); }
  const std::uint8_t* at(std::size_t offset) const { return bytes_.data() + offset; }
  std::span<const std::uint8_t> slice(std::size_t offset, std::size_t count) const {
    return bytes_.subspan(offset, count);
  }

 private:
  std::span<const std::uint8_t> bytes_;
};

}  // namespace pictures
