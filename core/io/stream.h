#pragma once
// Byte streams that readers of outside data (images, skin archives) take:
// a position, a size, reads that may come up short at the end.

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace zelvan::io {

class TStream {
 public:
  virtual ~TStream() = default;
  // Reads up to count bytes; returns how many were read (fewer at the end).
  virtual size_t Read(void* buffer, size_t count) = 0;
  virtual int64_t Position() const = 0;
  // Moves to an absolute position within 0..Size(); returns false otherwise.
  virtual bool SetPosition(int64_t position) = 0;
  virtual int64_t Size() const = 0;

  int64_t Remaining() const { return Size() - Position(); }
  // Reads exactly count bytes or returns false (position then undefined).
  bool ReadExact(void* buffer, size_t count) { return Read(buffer, count) == count; }
};

// Reads from bytes it holds.
class TMemoryStream : public TStream {
 public:
  TMemoryStream() = default;
  explicit TMemoryStream(std::vector<uint8_t> bytes) : bytes_(std::move(bytes)) {}
  TMemoryStream(const void* data, size_t size)
      : bytes_(static_cast<const uint8_t*>(data), static_cast<const uint8_t*>(data) + size) {}

  size_t Read(void* buffer, size_t count) override;
  int64_t Position() const override { return static_cast<int64_t>(position_); }
  bool SetPosition(int64_t position) override;
  int64_t Size() const override { return static_cast<int64_t>(bytes_.size()); }

  const std::vector<uint8_t>& Bytes() const { return bytes_; }

 private:
  std::vector<uint8_t> bytes_;
  size_t position_ = 0;
};

// Reads bytes that someone else owns and keeps alive meanwhile.
class TMemoryView : public TStream {
 public:
  TMemoryView(const uint8_t* data, size_t size) : data_(data), size_(size) {}

  size_t Read(void* buffer, size_t count) override;
  int64_t Position() const override { return static_cast<int64_t>(position_); }
  bool SetPosition(int64_t position) override;
  int64_t Size() const override { return static_cast<int64_t>(size_); }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t position_ = 0;
};

// Reads a file. Open() fails quietly: check IsOpen().
class TFileStream : public TStream {
 public:
  explicit TFileStream(const std::u16string& path);

  bool IsOpen() const { return file_ != nullptr; }
  size_t Read(void* buffer, size_t count) override;
  int64_t Position() const override { return position_; }
  bool SetPosition(int64_t position) override;
  int64_t Size() const override { return size_; }

 private:
  struct Closer {
    void operator()(std::FILE* file) const { std::fclose(file); }
  };
  std::unique_ptr<std::FILE, Closer> file_;
  int64_t size_ = 0;
  int64_t position_ = 0;
};

}  // namespace zelvan::io
