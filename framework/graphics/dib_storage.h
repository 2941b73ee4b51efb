#pragma once
// The Win32 face of the core's working bitmap: its pixels live in a top-down
// DIB section, so the same memory can be selected into a device context and
// blitted. The storage of every TBitmap's image.

#include <windows.h>

#include <memory>
#include <vector>

#include "core/image/working_bitmap.h"
#include "framework/system/win_handles.h"

class TDibStorage : public zelvan::image::TPixelStorage {
 public:
  TDibStorage(int width, int height, int bitsPerPixel);
  uint8_t* Bits() override { return FBits; }
  HBITMAP Handle() const { return FBitmap.Get(); }

  // Writes the palette into the DIB's colour table (indexed formats only);
  // `selectedIn` is the device context holding the bitmap, if one does.
  void SetColorTable(const std::vector<zelvan::image::TPaletteEntry>& palette,
                     HDC selectedIn = nullptr);

  static std::unique_ptr<zelvan::image::TPixelStorage> Create(int width, int height,
                                                              int bitsPerPixel, size_t stride);
  // The DIB storage of a working bitmap, or null when it has another storage.
  static TDibStorage* Of(zelvan::image::TWorkingBitmap& bitmap);

 private:
  TBitmapHandle FBitmap;
  uint8_t* FBits = nullptr;
  uint8_t FZeroSize = 0;  // Bits() of an empty bitmap
};
