#include "core/image/working_bitmap.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "core/image/bitmap32.h"

namespace zelvan::image {
namespace {

struct StrideCase {
  int width;
  TPixelFormat format;
  size_t stride;
};

TEST(WorkingBitmap, StrideIsRoundedUpToWholeDwords) {
  const StrideCase cases[] = {
      {0, TPixelFormat::pf32bit, 0},  {1, TPixelFormat::pf1bit, 4},   {33, TPixelFormat::pf1bit, 8},
      {9, TPixelFormat::pf4bit, 8},   {5, TPixelFormat::pf8bit, 8},   {1, TPixelFormat::pf24bit, 4},
      {3, TPixelFormat::pf24bit, 12}, {5, TPixelFormat::pf24bit, 16}, {3, TPixelFormat::pf32bit, 12},
  };
  for (const auto& c : cases) {
    const TWorkingBitmap bitmap(c.width, 2, c.format);
    EXPECT_EQ(bitmap.Stride(), c.stride) << c.width << " px at " << bitmap.BitsPerPixel() << " bpp";
  }
}

TEST(WorkingBitmap, RejectsNegativeAndOversizedDimensions) {
  const int sizes[][2] = {{-1, 1}, {1, -1}, {0x7FFFFFFF, 0x7FFFFFFF}, {0x7FFFFFFF, 1}, {16385, 4097}};
  for (const auto& size : sizes)
    EXPECT_THROW(TWorkingBitmap(size[0], size[1]), std::invalid_argument) << size[0] << " x " << size[1];
}

TEST(WorkingBitmap, EmptyBitmapsAreAllowed) {
  const TWorkingBitmap empty(0, 0);
  EXPECT_EQ(empty.Width(), 0);
  EXPECT_EQ(empty.Height(), 0);
  const TWorkingBitmap noRows(7, 0, TPixelFormat::pf24bit);
  EXPECT_EQ(noRows.Stride(), 24u);
}

TEST(WorkingBitmap, PixelsStartZeroedAndLieAsBgra) {
  auto bitmap = CreateBmp32(3, 2);
  EXPECT_EQ(bitmap->PixelFormat(), TPixelFormat::pf32bit);
  EXPECT_EQ(GetPixel32(*bitmap, 2, 1), 0u);
  SetPixel32(*bitmap, 2, 1, 0x80112233);
  const uint8_t* row = bitmap->ScanLine(1);
  EXPECT_EQ(row[8], 0x33);  // B
  EXPECT_EQ(row[9], 0x22);  // G
  EXPECT_EQ(row[10], 0x11);  // R
  EXPECT_EQ(row[11], 0x80);  // A
  EXPECT_EQ(bitmap->ScanLine(1) - bitmap->ScanLine(0), 12);
}

TEST(WorkingBitmap, IndexedFormatsCarryAGrayPalette) {
  EXPECT_EQ(TWorkingBitmap(1, 1, TPixelFormat::pf1bit).Palette().size(), 2u);
  const TWorkingBitmap gray(1, 1, TPixelFormat::pf8bit);
  ASSERT_EQ(gray.Palette().size(), 256u);
  EXPECT_EQ(gray.Palette()[200].R, 200);
  EXPECT_EQ(gray.Palette()[200].B, 200);
  EXPECT_EQ(TWorkingBitmap(1, 1, TPixelFormat::pf4bit).Palette()[15].G, 255);
  EXPECT_TRUE(TWorkingBitmap(1, 1, TPixelFormat::pf24bit).Palette().empty());
}

TEST(WorkingBitmap, CloneKeepsFormatAndPalette) {
  TWorkingBitmap source(5, 4, TPixelFormat::pf8bit);
  source.Palette()[3] = {1, 2, 3, 0};
  const auto clone = CloneBmpFormat(source);
  EXPECT_EQ(clone->Width(), 5);
  EXPECT_EQ(clone->Height(), 4);
  EXPECT_EQ(clone->PixelFormat(), TPixelFormat::pf8bit);
  EXPECT_EQ(clone->Palette()[3].G, 2);
  EXPECT_NE(clone->ScanLine(0), source.ScanLine(0));
}

// Storage that records what it was asked for, standing in for a DIB section.
struct RecordedRequest {
  int width, height, bits;
  size_t stride;
};
RecordedRequest g_request;

class TRecordingStorage : public TPixelStorage {
 public:
  explicit TRecordingStorage(size_t bytes) : bytes_(bytes, 0xAB) {}
  uint8_t* Bits() override { return bytes_.data(); }

 private:
  std::vector<uint8_t> bytes_;
};

std::unique_ptr<TPixelStorage> RecordingFactory(int width, int height, int bits, size_t stride) {
  g_request = {width, height, bits, stride};
  return std::make_unique<TRecordingStorage>(stride * static_cast<size_t>(height));
}

TEST(WorkingBitmap, StorageComesFromTheInstalledFactory) {
  SetPixelStorageFactory(RecordingFactory);
  TWorkingBitmap bitmap(3, 2, TPixelFormat::pf24bit);
  SetPixelStorageFactory(nullptr);
  EXPECT_NE(dynamic_cast<TRecordingStorage*>(bitmap.Storage()), nullptr);
  EXPECT_EQ(g_request.width, 3);
  EXPECT_EQ(g_request.height, 2);
  EXPECT_EQ(g_request.bits, 24);
  EXPECT_EQ(g_request.stride, 12u);
  EXPECT_EQ(bitmap.ScanLine(1)[0], 0xAB);
  EXPECT_EQ(bitmap.ScanLine(0), bitmap.Storage()->Bits());

  const TWorkingBitmap plain(1, 1);
  EXPECT_EQ(plain.ScanLine(0)[0], 0);
}

std::unique_ptr<TPixelStorage> FailingFactory(int, int, int, size_t) { return nullptr; }

TEST(WorkingBitmap, FailedStorageThrowsBadAlloc) {
  SetPixelStorageFactory(FailingFactory);
  EXPECT_THROW(TWorkingBitmap(2, 2), std::bad_alloc);
  SetPixelStorageFactory(nullptr);
}

}  // namespace
}  // namespace zelvan::image
