#pragma once
// Sole ownership of one Win32 handle (GDI object, device context, window, image
// list, file): the deleter runs exactly once, when the owner lets it go.

#include <utility>

template <typename Handle, typename Deleter>
class TUniqueHandle {
 public:
  TUniqueHandle() = default;
  explicit TUniqueHandle(Handle handle) : FHandle(handle) {}
  ~TUniqueHandle() { Reset(); }

  TUniqueHandle(const TUniqueHandle&) = delete;
  TUniqueHandle& operator=(const TUniqueHandle&) = delete;
  TUniqueHandle(TUniqueHandle&& other) noexcept : FHandle(other.Release()) {}
  TUniqueHandle& operator=(TUniqueHandle&& other) noexcept {
    if (this != &other) Reset(other.Release());
    return *this;
  }

  Handle Get() const { return FHandle; }
  explicit operator bool() const { return FHandle != Handle{}; }

  Handle Release() { return std::exchange(FHandle, Handle{}); }
  void Reset(Handle handle = Handle{}) {
    Handle old = std::exchange(FHandle, handle);
    if (old != Handle{}) Deleter{}(old);
  }

 private:
  Handle FHandle{};
};
