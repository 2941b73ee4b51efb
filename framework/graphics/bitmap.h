#pragma once
// TBitmap: the framework's bitmap on the core's working bitmap. The pixels
// live in a DIB section (pixel formats 1, 4, 8, 24 and 32 bits, top row
// first), so the core's painters and GDI work on the same memory: ScanLine
// for the first, Canvas and Handle for the second. The palette is kept in the
// working bitmap and written into the DIB colour table before GDI uses it.

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "core/image/working_bitmap.h"
#include "framework/graphics/color.h"
#include "framework/system/object.h"

class TBitmapCanvas;
class TCanvas;
class TStream;

using TPixelFormat = zelvan::image::TPixelFormat;
using TPaletteEntry = zelvan::image::TPaletteEntry;
constexpr TPixelFormat pf1bit = TPixelFormat::pf1bit;
constexpr TPixelFormat pf4bit = TPixelFormat::pf4bit;
constexpr TPixelFormat pf8bit = TPixelFormat::pf8bit;
constexpr TPixelFormat pf24bit = TPixelFormat::pf24bit;
constexpr TPixelFormat pf32bit = TPixelFormat::pf32bit;

class TBitmap : public TObject {
 public:
  TBitmap();
  TBitmap(int width, int height, TPixelFormat format = pf32bit);
  ~TBitmap() override;
  TBitmap(const TBitmap&) = delete;
  TBitmap& operator=(const TBitmap&) = delete;
  std::wstring ClassName() const override { return L"TBitmap"; }

  bool Empty() const { return Width() == 0 || Height() == 0; }
  int Width() const { return FImage->Width(); }
  int Height() const { return FImage->Height(); }
  // The pixels that stay inside the new size are kept.
  void SetSize(int width, int height);
  void SetWidth(int width) { SetSize(width, Height()); }
  void SetHeight(int height) { SetSize(Width(), height); }
  TPixelFormat PixelFormat() const { return FImage->PixelFormat(); }
  // Converts the pixels (through GDI) into the new format.
  void SetPixelFormat(TPixelFormat format);

  uint8_t* ScanLine(int y);
  std::vector<TPaletteEntry>& Palette() { return FImage->Palette(); }
  zelvan::image::TWorkingBitmap& Image() { return *FImage; }

  TCanvas& Canvas();
  // The DIB section, with the palette written into its colour table.
  HBITMAP Handle();
  // Takes the bitmap out of the canvas's device context (for calls that need
  // a bitmap no context holds); the canvas makes a new context when used.
  void ReleaseCanvasHandle();

  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool transparent) { FTransparent = transparent; }
  // clDefault (the default) means the colour of the bottom-left pixel.
  TColor TransparentColor();
  void SetTransparentColor(TColor color) { FTransparentColor = color; }

  void Assign(const TBitmap& source);
  void LoadFromStream(TStream& stream);
  void SaveToStream(TStream& stream) const;
  void LoadFromFile(const std::wstring& fileName);
  void SaveToFile(const std::wstring& fileName) const;

 private:
  friend class TBitmapCanvas;
  HBITMAP DibHandle();
  void SyncPalette();
  void Replace(std::unique_ptr<zelvan::image::TWorkingBitmap> image);

  std::unique_ptr<zelvan::image::TWorkingBitmap> FImage;
  std::unique_ptr<TBitmapCanvas> FCanvas;
  std::vector<TPaletteEntry> FSyncedPalette;
  bool FTransparent = false;
  TColor FTransparentColor = clDefault;
};
