#pragma once
// TStream: a sequence of bytes with a position. ReadBuffer and WriteBuffer
// transfer all or raise (EReadError, EWriteError).

#include <cstddef>
#include <cstdint>

#include "framework/system/exception.h"
#include "framework/system/object.h"

enum TSeekOrigin { soBeginning, soCurrent, soEnd };

class EWriteError : public Exception {
 public:
  using Exception::Exception;
};

class TStream : public TObject {
 public:
  std::wstring ClassName() const override { return L"TStream"; }

  // Transfer up to `count` bytes; return how many moved.
  virtual size_t Read(void* buffer, size_t count) = 0;
  virtual size_t Write(const void* buffer, size_t count) = 0;
  virtual int64_t Seek(int64_t offset, TSeekOrigin origin) = 0;
  virtual void SetSize(int64_t size) = 0;

  int64_t Position() { return Seek(0, soCurrent); }
  void SetPosition(int64_t position) { Seek(position, soBeginning); }
  int64_t Size();

  void ReadBuffer(void* buffer, size_t count);
  void WriteBuffer(const void* buffer, size_t count);
  // Copies `count` bytes from the source's position; 0 copies the whole source.
  int64_t CopyFrom(TStream& source, int64_t count);
};
