#include "core/io/stream.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace zelvan::io {

namespace {

// Both memory streams: copy from data at position and step on.
size_t ReadMemory(const uint8_t* data, size_t size, size_t& position, void* buffer, size_t count) {
  const size_t n = std::min(count, size - position);
  if (n != 0) std::memcpy(buffer, data + position, n);
  position += n;
  return n;
}

bool SetMemoryPosition(int64_t size, size_t& position, int64_t target) {
  if (target < 0 || target > size) return false;
  position = static_cast<size_t>(target);
  return true;
}

}  // namespace

size_t TMemoryStream::Read(void* buffer, size_t count) {
  return ReadMemory(bytes_.data(), bytes_.size(), position_, buffer, count);
}

bool TMemoryStream::SetPosition(int64_t position) { return SetMemoryPosition(Size(), position_, position); }

size_t TMemoryView::Read(void* buffer, size_t count) { return ReadMemory(data_, size_, position_, buffer, count); }

bool TMemoryView::SetPosition(int64_t position) { return SetMemoryPosition(Size(), position_, position); }

namespace {

std::FILE* OpenForReading(const std::filesystem::path& path) {
#ifdef _WIN32
  return ::_wfopen(path.c_str(), L"rb");
#else
  return std::fopen(path.c_str(), "rb");
#endif
}

}  // namespace

TFileStream::TFileStream(const std::u16string& path) {
  const std::filesystem::path native(path);
  std::error_code error;
  const auto size = std::filesystem::file_size(native, error);
  if (error) return;
  file_.reset(OpenForReading(native));
  size_ = static_cast<int64_t>(size);
}

size_t TFileStream::Read(void* buffer, size_t count) {
  if (!file_) return 0;
  const size_t n = std::fread(buffer, 1, count, file_.get());
  position_ += static_cast<int64_t>(n);
  return n;
}

bool TFileStream::SetPosition(int64_t position) {
  if (!file_ || position < 0 || position > size_) return false;
  // fseek takes a long, which is 32-bit on Windows: step for large offsets.
  if (std::fseek(file_.get(), 0, SEEK_SET) != 0) return false;
  int64_t left = position;
  while (left > 0) {
    const long step = static_cast<long>(std::min<int64_t>(left, 1L << 30));
    if (std::fseek(file_.get(), step, SEEK_CUR) != 0) return false;
    left -= step;
  }
  position_ = position;
  return true;
}

}  // namespace zelvan::io
