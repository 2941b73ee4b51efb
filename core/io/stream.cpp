#include "core/io/stream.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace zelvan::io {

size_t TMemoryStream::Read(void* buffer, size_t count) {
  const size_t n = std::min(count, bytes_.size() - position_);
  if (n != 0) std::memcpy(buffer, bytes_.data() + position_, n);
  position_ += n;
  return n;
}

bool TMemoryStream::SetPosition(int64_t position) {
  if (position < 0 || position > Size()) return false;
  position_ = static_cast<size_t>(position);
  return true;
}

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
