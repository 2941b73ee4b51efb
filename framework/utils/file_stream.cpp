#include "framework/utils/file_stream.h"

#include <algorithm>

TFileStream::TFileStream(const std::wstring& fileName, TFileMode mode) : FFileName(fileName) {
  DWORD access = GENERIC_READ;
  DWORD creation = OPEN_EXISTING;
  DWORD share = FILE_SHARE_READ;
  switch (mode) {
    case fmOpenRead: break;
    case fmOpenWrite: access = GENERIC_WRITE; share = 0; break;
    case fmOpenReadWrite: access = GENERIC_READ | GENERIC_WRITE; share = 0; break;
    case fmCreate: access = GENERIC_READ | GENERIC_WRITE; creation = CREATE_ALWAYS; share = 0; break;
  }
  HANDLE file = CreateFileW(fileName.c_str(), access, share, nullptr, creation,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    throw EFOpenError((mode == fmCreate ? L"Cannot create file " : L"Cannot open file ") + fileName);
  }
  FHandle.Reset(file);
}

size_t TFileStream::Read(void* buffer, size_t count) {
  DWORD done = 0;
  const auto chunk = static_cast<DWORD>(std::min<size_t>(count, 0x7FFFFFFF));
  if (!ReadFile(FHandle.Get(), buffer, chunk, &done, nullptr)) return 0;
  return done;
}

size_t TFileStream::Write(const void* buffer, size_t count) {
  DWORD done = 0;
  const auto chunk = static_cast<DWORD>(std::min<size_t>(count, 0x7FFFFFFF));
  if (!WriteFile(FHandle.Get(), buffer, chunk, &done, nullptr)) return 0;
  return done;
}

int64_t TFileStream::Seek(int64_t offset, TSeekOrigin origin) {
  static const DWORD kMethods[] = {FILE_BEGIN, FILE_CURRENT, FILE_END};
  LARGE_INTEGER distance{};
  distance.QuadPart = offset;
  LARGE_INTEGER position{};
  if (!SetFilePointerEx(FHandle.Get(), distance, &position, kMethods[origin])) return -1;
  return position.QuadPart;
}

void TFileStream::SetSize(int64_t size) {
  const int64_t position = Position();
  Seek(size, soBeginning);
  SetEndOfFile(FHandle.Get());
  Seek(std::min(position, size), soBeginning);
}
