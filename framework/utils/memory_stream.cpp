#include "framework/utils/memory_stream.h"

#include <algorithm>
#include <cstring>

#include "framework/utils/file_stream.h"

size_t TMemoryStream::Read(void* buffer, size_t count) {
  if (FPosition >= FData.size()) return 0;
  count = std::min(count, FData.size() - FPosition);
  std::memcpy(buffer, FData.data() + FPosition, count);
  FPosition += count;
  return count;
}

size_t TMemoryStream::Write(const void* buffer, size_t count) {
  if (FPosition + count > FData.size()) FData.resize(FPosition + count);
  std::memcpy(FData.data() + FPosition, buffer, count);
  FPosition += count;
  return count;
}

int64_t TMemoryStream::Seek(int64_t offset, TSeekOrigin origin) {
  int64_t base = 0;
  if (origin == soCurrent) base = static_cast<int64_t>(FPosition);
  if (origin == soEnd) base = static_cast<int64_t>(FData.size());
  FPosition = static_cast<size_t>(std::max<int64_t>(0, base + offset));
  return static_cast<int64_t>(FPosition);
}

void TMemoryStream::SetSize(int64_t size) {
  FData.resize(static_cast<size_t>(std::max<int64_t>(0, size)));
  FPosition = std::min(FPosition, FData.size());
}

void TMemoryStream::Clear() {
  FData.clear();
  FPosition = 0;
}

void TMemoryStream::LoadFromStream(TStream& stream) {
  stream.SetPosition(0);
  SetSize(stream.Size());
  stream.ReadBuffer(FData.data(), FData.size());
  FPosition = 0;
}

void TMemoryStream::SaveToStream(TStream& stream) { stream.WriteBuffer(FData.data(), FData.size()); }

void TMemoryStream::LoadFromFile(const std::wstring& fileName) {
  TFileStream file(fileName, fmOpenRead);
  LoadFromStream(file);
}

void TMemoryStream::SaveToFile(const std::wstring& fileName) {
  TFileStream file(fileName, fmCreate);
  SaveToStream(file);
}
