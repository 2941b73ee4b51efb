#include "framework/graphics/dib_storage.h"

#include <algorithm>

#include "framework/system/exception.h"

TDibStorage::TDibStorage(int width, int height, int bitsPerPixel) {
  if (width == 0 || height == 0) {
    FBits = &FZeroSize;  // GDI has no empty DIB section; nothing can be drawn from it anyway
    return;
  }
  struct {
    BITMAPINFOHEADER header;
    RGBQUAD colors[256];
  } info{};
  info.header.biSize = sizeof(BITMAPINFOHEADER);
  info.header.biWidth = width;
  info.header.biHeight = -height;  // top row first
  info.header.biPlanes = 1;
  info.header.biBitCount = static_cast<WORD>(bitsPerPixel);
  info.header.biCompression = BI_RGB;
  if (bitsPerPixel <= 8) info.header.biClrUsed = 1u << bitsPerPixel;
  void* bits = nullptr;
  FBitmap.Reset(CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS,
                                 &bits, nullptr, 0));
  if (!FBitmap || !bits) throw Exception(L"Cannot create a device-independent bitmap");
  FBits = static_cast<uint8_t*>(bits);
}

void TDibStorage::SetColorTable(const std::vector<zelvan::image::TPaletteEntry>& palette,
                                HDC selectedIn) {
  if (!FBitmap || palette.empty()) return;
  static_assert(sizeof(zelvan::image::TPaletteEntry) == sizeof(RGBQUAD));
  const auto* colors = reinterpret_cast<const RGBQUAD*>(palette.data());
  const auto count = static_cast<UINT>(std::min<size_t>(palette.size(), 256));
  if (selectedIn) {
    SetDIBColorTable(selectedIn, 0, count, colors);
    return;
  }
  TMemoryDcHandle dc(CreateCompatibleDC(nullptr));
  HGDIOBJ old = SelectObject(dc.Get(), FBitmap.Get());
  SetDIBColorTable(dc.Get(), 0, count, colors);
  SelectObject(dc.Get(), old);
}

std::unique_ptr<zelvan::image::TPixelStorage> TDibStorage::Create(int width, int height,
                                                                  int bitsPerPixel, size_t) {
  return std::make_unique<TDibStorage>(width, height, bitsPerPixel);
}

TDibStorage* TDibStorage::Of(zelvan::image::TWorkingBitmap& bitmap) {
  return dynamic_cast<TDibStorage*>(bitmap.Storage());
}
