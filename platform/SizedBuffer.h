// The two-call buffer pattern of the Win32 API, written once: ask for the size with no
// buffer, allocate exactly that, call again. The storage is aligned for the records the
// system lays out at its start.
#pragma once

#include <cstddef>
#include <memory>

#include "platform/WinTypes.h"

class SizedBuffer {
 public:
  explicit SizedBuffer(DWORD size)
      : storage_(new std::max_align_t[(size + sizeof(std::max_align_t) - 1) /
                                          sizeof(std::max_align_t) +
                                      1]),
        size_(size) {}

  DWORD size() const { return size_; }
  template <typename T>
  T* as() {
    return reinterpret_cast<T*>(storage_.get());
  }

 private:
  std::unique_ptr<std::max_align_t[]> storage_;
  DWORD size_;
};
