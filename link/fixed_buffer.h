// Fixed-capacity byte and text areas: the driver's work areas never allocate.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace tesmar::link {

// Holds at most N - 1 bytes and keeps a NUL after them, so the contents can
// also be handed out as a C string (when they contain no NUL themselves).
template <size_t N>
class FixedBuffer {
 public:
  FixedBuffer() { data_[0] = 0; }

  void Assign(std::string_view s) {
    size_ = std::min(s.size(), N - 1);
    std::copy_n(s.data(), size_, data_);
    data_[size_] = 0;
  }
  void Assign(const uint8_t* p, size_t n) {
    Assign(std::string_view(reinterpret_cast<const char*>(p), n));
  }
  void Clear() { Assign(std::string_view()); }
  // Appends one byte; returns false (and drops it) when full.
  bool Push(uint8_t b) {
    if (size_ + 1 >= N) return false;
    data_[size_++] = static_cast<char>(b);
    data_[size_] = 0;
    return true;
  }

  std::string_view View() const { return {data_, size_}; }
  const char* CStr() const { return data_; }
  const uint8_t* Bytes() const { return reinterpret_cast<const uint8_t*>(data_); }
  size_t Size() const { return size_; }
  bool Empty() const { return size_ == 0; }
  static constexpr size_t Capacity() { return N - 1; }

 private:
  char data_[N];
  size_t size_ = 0;
};

}  // namespace tesmar::link
