#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include <cstring>

#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"
#include "framework/graphics/image_list.h"
#include "framework/utils/memory_stream.h"
#include "test_support.h"

namespace {

uint32_t Pixel32(TBitmap& bitmap, int x, int y) {
  return reinterpret_cast<const uint32_t*>(bitmap.ScanLine(y))[x] & 0x00FFFFFF;
}

TEST(Canvas, FillFrameAndTextLandInTheBitmapsPixels) {
  TBitmap bitmap(12, 8);
  TCanvas& canvas = bitmap.Canvas();
  canvas.Brush().SetColor(clWhite);
  canvas.FillRect(RECT{0, 0, 12, 8});
  canvas.Brush().SetColor(RGB(0x12, 0x34, 0x56));
  canvas.FillRect(RECT{2, 1, 5, 3});
  canvas.Brush().SetColor(clBlue);
  canvas.FrameRect(RECT{6, 2, 10, 7});
  EXPECT_EQ(Pixel32(bitmap, 2, 1), 0x123456u);  // B,G,R in memory: 0x00RRGGBB
  EXPECT_EQ(Pixel32(bitmap, 4, 2), 0x123456u);
  EXPECT_EQ(Pixel32(bitmap, 5, 1), 0xFFFFFFu);  // right edge excluded
  EXPECT_EQ(Pixel32(bitmap, 6, 2), 0x0000FFu);
  EXPECT_EQ(Pixel32(bitmap, 9, 6), 0x0000FFu);
  EXPECT_EQ(Pixel32(bitmap, 7, 4), 0xFFFFFFu);  // a frame leaves the inside alone
  EXPECT_EQ(canvas.Pixel(3, 2), RGB(0x12, 0x34, 0x56));

  TBitmap text(60, 20);
  text.Canvas().Brush().SetColor(clWhite);
  text.Canvas().FillRect(RECT{0, 0, 60, 20});
  text.Canvas().Font().SetColor(clBlack);
  text.Canvas().Font().SetHeight(-14);
  const SIZE extent = text.Canvas().TextExtent(L"Wg");
  EXPECT_GT(extent.cx, 0);
  EXPECT_GE(extent.cy, 14);
  text.Canvas().Brush().SetStyle(bsClear);
  RECT box{0, 0, 60, 20};
  text.Canvas().TextRect(box, L"Wg", DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  int dark = 0;
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 60; ++x) dark += Pixel32(text, x, y) != 0xFFFFFFu;
  EXPECT_GT(dark, 10);
  // Changing the font while it is selected leaves no stale handle behind.
  text.Canvas().Font().SetHeight(-20);
  EXPECT_GT(text.Canvas().TextHeight(L"W"), extent.cy);
}

TEST(Canvas, ClippingKeepsDrawingInside) {
  TBitmap bitmap(10, 10);
  TCanvas& canvas = bitmap.Canvas();
  const int saved = canvas.SaveState();
  canvas.IntersectClip(RECT{2, 2, 8, 8});
  canvas.ExcludeClip(RECT{4, 4, 6, 6});
  EXPECT_EQ(canvas.ClipRect().left, 2);
  canvas.Brush().SetColor(clRed);
  canvas.FillRect(RECT{0, 0, 10, 10});
  canvas.RestoreState(saved);
  EXPECT_EQ(Pixel32(bitmap, 1, 1), 0u);
  EXPECT_EQ(Pixel32(bitmap, 2, 2), 0xFF0000u);
  EXPECT_EQ(Pixel32(bitmap, 4, 4), 0u);
  EXPECT_EQ(canvas.ClipRect().right, 10);
}

TEST(Bitmap, EveryPixelFormatKeepsPixelsAndPaletteThroughBmp) {
  for (TPixelFormat format : {pf1bit, pf4bit, pf8bit, pf24bit, pf32bit}) {
    SCOPED_TRACE(static_cast<int>(format));
    TBitmap bitmap(5, 3, format);
    const int bits = static_cast<int>(format);
    if (bits <= 8) {
      bitmap.Palette()[0] = TPaletteEntry{0, 0, 0, 0};
      bitmap.Palette()[1] = TPaletteEntry{0x56, 0x34, 0x12, 0};  // B, G, R
    }
    // Second row: the first pixel set to palette index 1 or colour 0x123456.
    uint8_t* row = bitmap.ScanLine(1);
    switch (bits) {
      case 1: row[0] = 0x80; break;
      case 4: row[0] = 0x10; break;
      case 8: row[0] = 1; break;
      default: row[0] = 0x56; row[1] = 0x34; row[2] = 0x12; break;
    }
    EXPECT_EQ(bitmap.Canvas().Pixel(0, 1), RGB(0x12, 0x34, 0x56));
    EXPECT_EQ(bitmap.Canvas().Pixel(1, 1), RGB(0, 0, 0));

    TMemoryStream stream;
    bitmap.SaveToStream(stream);
    stream.SetPosition(0);
    TBitmap loaded;
    loaded.LoadFromStream(stream);
    EXPECT_EQ(loaded.PixelFormat(), format);
    EXPECT_EQ(loaded.Width(), 5);
    EXPECT_EQ(loaded.Height(), 3);
    for (int y = 0; y < 3; ++y) {
      EXPECT_EQ(std::memcmp(loaded.ScanLine(y), bitmap.ScanLine(y), (5 * bits + 7) / 8), 0);
    }
    EXPECT_EQ(loaded.Canvas().Pixel(0, 1), RGB(0x12, 0x34, 0x56));
  }
}

// Painters make many short-lived working bitmaps: they must not cost a GDI
// object each (a DIB section per scratch bitmap made skinned painting slow).
TEST(Bitmap, OnlyBitmapsImagesAreDibSections) {
  TBitmap first(4, 4, pf32bit);  // the framework is set up
  const unsigned before = GdiObjectCount();
  {
    std::vector<std::unique_ptr<zelvan::image::TWorkingBitmap>> scratch;
    for (int i = 0; i < 50; ++i) scratch.push_back(std::make_unique<zelvan::image::TWorkingBitmap>(64, 64));
    EXPECT_EQ(GdiObjectCount(), before);
    TBitmap bitmap(64, 64, pf32bit);
    EXPECT_EQ(GdiObjectCount(), before + 1);
  }
  EXPECT_EQ(GdiObjectCount(), before);
}

TEST(Bitmap, MalformedFilesAreReadErrors) {
  TBitmap good(4, 4, pf8bit);
  TMemoryStream stream;
  good.SaveToStream(stream);
  const std::vector<uint8_t> file = stream.Data();
  auto patched = [&](size_t offset, std::vector<uint8_t> bytes) {
    std::vector<uint8_t> copy = file;
    for (size_t i = 0; i < bytes.size(); ++i) copy.at(offset + i) = bytes[i];
    return copy;
  };
  const std::vector<std::vector<uint8_t>> bad{
      {'B', 'M'},                                 // no headers
      patched(0, {'X', 'X'}),                     // not a bitmap
      patched(28, {7, 0}),                        // 7 bits per pixel
      patched(30, {1, 0, 0, 0}),                  // run-length compressed
      patched(18, {0xFF, 0xFF, 0xFF, 0x7F}),      // absurd width
      std::vector<uint8_t>(file.begin(), file.end() - 1),  // truncated pixels
  };
  for (const auto& bytes : bad) {
    TMemoryStream input;
    input.WriteBuffer(bytes.data(), bytes.size());
    input.SetPosition(0);
    TBitmap bitmap;
    EXPECT_THROW(bitmap.LoadFromStream(input), EReadError);
  }
}

TEST(Bitmap, ResizeConvertAssignAndTransparentDraw) {
  TBitmap source(4, 4);
  source.Canvas().Brush().SetColor(clFuchsia);
  source.Canvas().FillRect(RECT{0, 0, 4, 4});
  source.Canvas().SetPixel(1, 1, clRed);
  source.SetSize(6, 2);
  EXPECT_EQ(Pixel32(source, 1, 1), 0xFF0000u);   // kept
  EXPECT_EQ(Pixel32(source, 5, 0), 0u);          // new, empty
  source.SetSize(4, 4);
  source.Canvas().Brush().SetColor(clFuchsia);
  source.Canvas().FillRect(RECT{0, 1, 4, 4});
  source.Canvas().FillRect(RECT{0, 0, 4, 1});
  source.Canvas().SetPixel(1, 1, clRed);

  TBitmap copy;
  copy.Assign(source);
  copy.SetPixelFormat(pf24bit);
  EXPECT_EQ(copy.PixelFormat(), pf24bit);
  EXPECT_EQ(copy.Canvas().Pixel(1, 1), RGB(255, 0, 0));
  EXPECT_EQ(copy.TransparentColor(), RGB(255, 0, 255));  // the bottom-left pixel

  copy.SetTransparent(true);
  TBitmap target(4, 4);
  target.Canvas().Brush().SetColor(clWhite);
  target.Canvas().FillRect(RECT{0, 0, 4, 4});
  target.Canvas().Draw(0, 0, copy);
  EXPECT_EQ(Pixel32(target, 1, 1), 0xFF0000u);
  EXPECT_EQ(Pixel32(target, 2, 2), 0xFFFFFFu);  // magenta stayed out
}

TEST(ImageList, ImagesAreCutFromAStripAndDrawn) {
  TImageList list(nullptr);
  list.SetWidth(4);
  list.SetHeight(4);
  TBitmap strip(8, 4, pf24bit);
  strip.Canvas().Brush().SetColor(clLime);
  strip.Canvas().FillRect(RECT{0, 0, 4, 4});
  strip.Canvas().Brush().SetColor(clBlue);
  strip.Canvas().FillRect(RECT{4, 0, 8, 4});
  EXPECT_EQ(list.Add(strip, nullptr), 0);
  EXPECT_EQ(list.Count(), 2);
  TBitmap target(4, 4);
  list.Draw(target.Canvas(), 0, 0, 1);
  EXPECT_EQ(Pixel32(target, 2, 2), 0x0000FFu);
  list.Delete(0);
  EXPECT_EQ(list.Count(), 1);
  list.SetWidth(8);  // a new size empties the list
  EXPECT_EQ(list.Count(), 0);
}

// A 32-bit icon w x h: the given pixel everywhere, mask all opaque.
HICON SolidIcon(int size, uint32_t pixel) {
  TBitmap colour(size, size, pf32bit);
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) reinterpret_cast<uint32_t*>(colour.ScanLine(y))[x] = pixel;
  TBitmap mask(size, size, pf1bit);  // all zero: every pixel shows
  colour.ReleaseCanvasHandle();
  mask.ReleaseCanvasHandle();
  ICONINFO info{TRUE, 0, 0, mask.Handle(), colour.Handle()};
  return CreateIconIndirect(&info);
}

TEST(ImageList, IconsGoInAndComeBackWithTheirAlpha) {
  TImageList list(nullptr);
  list.SetWidth(4);
  list.SetHeight(4);
  HICON icon = SolidIcon(4, 0x80204060);
  EXPECT_EQ(list.AddIcon(icon), 0);
  EXPECT_EQ(list.AddIcon(icon), 1);
  DestroyIcon(icon);
  HICON replacement = SolidIcon(4, 0xFF0000FF);
  EXPECT_TRUE(list.ReplaceIcon(1, replacement));
  EXPECT_FALSE(list.ReplaceIcon(2, replacement));
  DestroyIcon(replacement);
  EXPECT_EQ(list.GetIcon(2), nullptr);
  EXPECT_EQ(list.GetIcon(-1), nullptr);
  for (const auto& [index, pixel] : {std::pair{0, 0x80204060u}, {1, 0xFF0000FFu}}) {
    HICON back = list.GetIcon(index);
    ASSERT_NE(back, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(back, &info));
    HDC dc = GetDC(nullptr);
    BITMAPINFO header{};
    header.bmiHeader = {sizeof(BITMAPINFOHEADER), 4, -4, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    uint32_t pixels[16] = {};
    GetDIBits(dc, info.hbmColor, 0, 4, pixels, &header, DIB_RGB_COLORS);
    ReleaseDC(nullptr, dc);
    EXPECT_EQ(pixels[5], pixel) << "image " << index;
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(back);
  }
}

TEST(ImageList, EveryChangeIsToldOnceUpdatesAreOver) {
  TImageList list(nullptr);
  int changes = 0;
  list.OnChange = [&](TImageList* sender) {
    EXPECT_EQ(sender, &list);
    ++changes;
  };
  TBitmap strip(16, 16, pf24bit);
  list.Add(strip, nullptr);
  list.Delete(0);
  list.SetBkColor(clRed);  // a colour is no change of the images
  EXPECT_EQ(list.BkColor(), clRed);
  EXPECT_EQ(ImageList_GetBkColor(list.Handle()), ColorToRGB(clRed));
  EXPECT_EQ(changes, 2);
  list.BeginUpdate();
  list.Add(strip, nullptr);
  list.Add(strip, nullptr);
  EXPECT_EQ(changes, 2);
  list.EndUpdate();
  EXPECT_EQ(changes, 3);
  list.BeginUpdate();
  list.EndUpdate();
  list.SetWidth(20);
  EXPECT_EQ(changes, 4);
}

TEST(ImageList, ChangeLinksAreToldUntilEitherSideGoes) {
  TBitmap strip(16, 16, pf24bit);
  auto list = std::make_unique<TImageList>(nullptr);
  TImageList other(nullptr);
  int first = 0, second = 0;
  TChangeLink a;
  a.OnChange = [&] { ++first; };
  auto b = std::make_unique<TChangeLink>();
  b->OnChange = [&] { ++second; };
  list->RegisterChanges(&a);
  list->RegisterChanges(b.get());
  list->RegisterChanges(&a);  // twice is once
  list->Add(strip, nullptr);
  EXPECT_EQ(first, 1);
  EXPECT_EQ(second, 1);

  b.reset();  // a freed link leaves the list
  list->Add(strip, nullptr);
  EXPECT_EQ(first, 2);

  other.RegisterChanges(&a);  // a link moves to the list it registers with
  EXPECT_EQ(a.Sender(), &other);
  list->Add(strip, nullptr);
  EXPECT_EQ(first, 2);
  other.Add(strip, nullptr);
  EXPECT_EQ(first, 3);

  list->RegisterChanges(&a);
  list.reset();  // a freed list lets its links go
  EXPECT_EQ(a.Sender(), nullptr);
}

}  // namespace
