#include "framework/utils/stream.h"

#include <algorithm>
#include <vector>

int64_t TStream::Size() {
  const int64_t position = Seek(0, soCurrent);
  const int64_t size = Seek(0, soEnd);
  Seek(position, soBeginning);
  return size;
}

void TStream::ReadBuffer(void* buffer, size_t count) {
  if (count && Read(buffer, count) != count) throw EReadError(L"Stream read error");
}

void TStream::WriteBuffer(const void* buffer, size_t count) {
  if (count && Write(buffer, count) != count) throw EWriteError(L"Stream write error");
}

int64_t TStream::CopyFrom(TStream& source, int64_t count) {
  if (count == 0) {
    source.SetPosition(0);
    count = source.Size();
  }
  std::vector<uint8_t> buffer(64 * 1024);
  for (int64_t left = count; left > 0;) {
    const auto chunk = static_cast<size_t>(std::min<int64_t>(left, static_cast<int64_t>(buffer.size())));
    source.ReadBuffer(buffer.data(), chunk);
    WriteBuffer(buffer.data(), chunk);
    left -= static_cast<int64_t>(chunk);
  }
  return count;
}
