#pragma once
// TMemoryStream: a stream over a growable block of memory.

#include <string>
#include <vector>

#include "framework/utils/stream.h"

class TMemoryStream : public TStream {
 public:
  std::wstring ClassName() const override { return L"TMemoryStream"; }

  size_t Read(void* buffer, size_t count) override;
  size_t Write(const void* buffer, size_t count) override;
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  void SetSize(int64_t size) override;

  uint8_t* Memory() { return FData.data(); }
  const std::vector<uint8_t>& Data() const { return FData; }
  void Clear();
  void LoadFromStream(TStream& stream);
  void SaveToStream(TStream& stream);
  void LoadFromFile(const std::wstring& fileName);
  void SaveToFile(const std::wstring& fileName);

 private:
  std::vector<uint8_t> FData;
  size_t FPosition = 0;
};
