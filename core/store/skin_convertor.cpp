#include "core/store/skin_convertor.h"

#include <zlib.h>

#include <cstring>

#include "core/store/ini_file.h"
#include "core/store/skin_files.h"

namespace zelvan::store {

namespace {

constexpr int64_t kMinEntryBytes = 4 + 4 + 8;  // L, S and the smallest zlib stream
const std::string kOptionsName = "OPTIONS.DAT";

[[noreturn]] void Damaged(const std::string& what) { throw EPackedSkinError("Packed skin file is damaged: " + what); }

class TArchiveCursor {
 public:
  explicit TArchiveCursor(const std::vector<uint8_t>& bytes) : bytes_(bytes) {}

  int64_t Left() const { return static_cast<int64_t>(bytes_.size() - pos_); }
  int32_t Int32() {
    if (Left() < 4) Damaged("unexpected end");
    const uint8_t* p = bytes_.data() + pos_;
    pos_ += 4;
    return static_cast<int32_t>(p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24));
  }
  std::string Text(int32_t length) {
    if (length < 0 || length > Left()) Damaged("file name longer than the archive");
    std::string text(reinterpret_cast<const char*>(bytes_.data() + pos_), static_cast<size_t>(length));
    pos_ += static_cast<size_t>(length);
    return text;
  }
  // Inflates one zlib stream to exactly size bytes and steps past it.
  std::vector<uint8_t> Inflate(int32_t size) {
    if (size < 0 || size > kMaxArchiveEntry || size > Left() * kMaxDeflateRatio) {
      Damaged("stored size larger than the archive can hold");
    }
    // One spare byte tells a stream that goes on past S from one that ends there.
    std::vector<uint8_t> out(static_cast<size_t>(size) + 1);
    z_stream z{};
    if (inflateInit(&z) != Z_OK) Damaged("inflater unavailable");
    z.next_in = const_cast<Bytef*>(bytes_.data() + pos_);
    z.avail_in = static_cast<uInt>(Left());
    z.next_out = out.data();
    z.avail_out = static_cast<uInt>(out.size());
    const int result = inflate(&z, Z_FINISH);
    const uLong consumed = z.total_in;
    const uLong produced = z.total_out;
    inflateEnd(&z);
    if (produced > static_cast<uLong>(size)) Damaged("entry inflates to more than its stored size");
    if (result != Z_STREAM_END) Damaged(produced < static_cast<uLong>(size) && result == Z_BUF_ERROR
                                            ? "entry ends before its stored size"
                                            : "bad zlib stream");
    if (produced < static_cast<uLong>(size)) Damaged("entry inflates to fewer bytes than its stored size");
    out.pop_back();
    pos_ += consumed;
    return out;
  }

 private:
  const std::vector<uint8_t>& bytes_;
  size_t pos_ = 0;
};

}  // namespace

void TacSkinConvertor::Clear() {
  ImageCount = 0;
  Files.clear();
  Options.reset();
  PackedData.reset();
  BorrowedData = nullptr;
}

void TacSkinConvertor::ParseFile() {
  const io::TMemoryStream* data = PackedData ? PackedData.get() : BorrowedData;
  static const std::vector<uint8_t> kEmpty;
  const std::vector<uint8_t>& bytes = data ? data->Bytes() : kEmpty;
  if (bytes.size() < 4 || std::memcmp(bytes.data(), kArchiveMagic, 4) != 0) {
    Clear();
    throw EPackedSkinError(kNotPackedSkin);
  }
  try {
    TArchiveCursor cursor(bytes);
    cursor.Text(4);
    const int32_t count = cursor.Int32();
    if (count < 0 || count > cursor.Left() / kMinEntryBytes) Damaged("more entries than the archive can hold");
    ImageCount = count - 1;
    Files.clear();
    Options.reset();
    for (int32_t i = 0; i < count; ++i) {
      std::string name = cursor.Text(cursor.Int32());
      auto stream = std::make_unique<io::TMemoryStream>(cursor.Inflate(cursor.Int32()));
      if (UpperCase(name) == kOptionsName) {
        Options = std::move(stream);
      } else {
        const bool is_bitmap = UpperCase(name).ends_with(".BMP");
        Files.push_back({std::move(name), is_bitmap, std::move(stream)});
      }
    }
  } catch (...) {
    Clear();
    throw;
  }
}

const TacImageItem* TacSkinConvertor::FindFile(const std::string& name) const {
  for (const TacImageItem& item : Files) {
    if (UpperCase(item.FileName) == name) return &item;
  }
  return nullptr;
}

bool LoadSkinFromFile(const std::u16string& fileName, TacSkinConvertor& reader, bool freeAfter) {
  auto bytes = ReadWholeFile(fileName);
  if (!bytes) return false;
  reader.Clear();
  reader.PackedData = std::make_unique<io::TMemoryStream>(std::move(*bytes));
  reader.ParseFile();
  if (freeAfter) reader.PackedData.reset();
  return true;
}

}  // namespace zelvan::store
