#pragma once
// TFileStream: a stream over a file; the file handle is owned here.

#include <windows.h>

#include <string>

#include "framework/system/win_handles.h"
#include "framework/utils/stream.h"

enum TFileMode { fmOpenRead, fmOpenWrite, fmOpenReadWrite, fmCreate };

class EFOpenError : public Exception {
 public:
  using Exception::Exception;
};

class TFileStream : public TStream {
 public:
  // Throws EFOpenError when the file cannot be opened or created.
  TFileStream(const std::wstring& fileName, TFileMode mode);
  std::wstring ClassName() const override { return L"TFileStream"; }

  size_t Read(void* buffer, size_t count) override;
  size_t Write(const void* buffer, size_t count) override;
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  void SetSize(int64_t size) override;
  const std::wstring& FileName() const { return FFileName; }

 private:
  std::wstring FFileName;
  TFileHandle FHandle;
};
