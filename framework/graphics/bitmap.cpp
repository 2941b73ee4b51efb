#include "framework/graphics/bitmap.h"

#include <algorithm>
#include <cstring>

#include "framework/application/framework_setup.h"
#include "framework/graphics/bitmap_canvas.h"
#include "framework/graphics/bmp_format.h"
#include "framework/graphics/dib_storage.h"
#include "framework/system/exception.h"
#include "framework/utils/file_stream.h"
#include "framework/utils/memory_stream.h"

using zelvan::image::TWorkingBitmap;

namespace {

// Working bitmaps of a TBitmap are DIB sections, so GDI can draw into them.
// (Scratch bitmaps of the painters stay plain memory: a DIB section costs a
// GDI object and a mapping of its own.)
std::unique_ptr<TWorkingBitmap> NewImage(int width, int height, TPixelFormat format) {
  SetUpFramework();
  try {
    return std::make_unique<TWorkingBitmap>(width, height, format, &TDibStorage::Create);
  } catch (const std::invalid_argument&) {
    throw Exception(L"Invalid bitmap size");
  }
}

// The image itself when it is a DIB section, else a DIB-section copy of it.
std::unique_ptr<TWorkingBitmap> InDib(std::unique_ptr<TWorkingBitmap> image) {
  if (TDibStorage::Of(*image)) return image;
  auto dib = NewImage(image->Width(), image->Height(), image->PixelFormat());
  dib->Palette() = image->Palette();
  for (int y = 0; y < image->Height(); ++y) std::memcpy(dib->ScanLine(y), image->ScanLine(y), image->Stride());
  return dib;
}

bool SamePalette(const std::vector<TPaletteEntry>& a, const std::vector<TPaletteEntry>& b) {
  return a.size() == b.size() &&
         std::memcmp(a.data(), b.data(), a.size() * sizeof(TPaletteEntry)) == 0;
}

}  // namespace

TBitmap::TBitmap() : TBitmap(0, 0) {}

TBitmap::TBitmap(int width, int height, TPixelFormat format)
    : FImage(NewImage(width, height, format)), FCanvas(std::make_unique<TBitmapCanvas>(*this)) {}

TBitmap::~TBitmap() { FCanvas->FreeHandle(); }

void TBitmap::Replace(std::unique_ptr<TWorkingBitmap> image) {
  FCanvas->FreeHandle();
  FImage = InDib(std::move(image));
  FSyncedPalette.clear();
}

void TBitmap::SetSize(int width, int height) {
  if (width == Width() && height == Height()) return;
  auto image = NewImage(width, height, PixelFormat());
  image->Palette() = FImage->Palette();
  const int rows = std::min(height, Height());
  const size_t bytes =
      (static_cast<size_t>(std::min(width, Width())) * FImage->BitsPerPixel() + 7) / 8;
  for (int y = 0; y < rows; ++y) std::memcpy(image->ScanLine(y), FImage->ScanLine(y), bytes);
  Replace(std::move(image));
}

void TBitmap::SetPixelFormat(TPixelFormat format) {
  if (format == PixelFormat()) return;
  auto image = NewImage(Width(), Height(), format);
  if (!Empty()) {
    SyncPalette();
    FCanvas->FreeHandle();
    TDibStorage* target = TDibStorage::Of(*image);
    target->SetColorTable(image->Palette());
    TMemoryDcHandle source(CreateCompatibleDC(nullptr));
    TMemoryDcHandle dest(CreateCompatibleDC(nullptr));
    HGDIOBJ oldSource = SelectObject(source.Get(), DibHandle());
    HGDIOBJ oldDest = SelectObject(dest.Get(), target->Handle());
    BitBlt(dest.Get(), 0, 0, Width(), Height(), source.Get(), 0, 0, SRCCOPY);
    SelectObject(source.Get(), oldSource);
    SelectObject(dest.Get(), oldDest);
  }
  Replace(std::move(image));
}

uint8_t* TBitmap::ScanLine(int y) {
  if (y < 0 || y >= Height()) throw Exception(L"Scan line out of range");
  GdiFlush();  // GDI may still be drawing into the section
  return FImage->ScanLine(y);
}

HBITMAP TBitmap::DibHandle() {
  TDibStorage* storage = TDibStorage::Of(*FImage);
  return storage ? storage->Handle() : nullptr;
}

void TBitmap::SyncPalette() {
  if (FImage->BitsPerPixel() > 8 || SamePalette(FSyncedPalette, FImage->Palette())) return;
  if (TDibStorage* storage = TDibStorage::Of(*FImage)) {
    storage->SetColorTable(FImage->Palette(), FCanvas->HandleAllocated() ? FCanvas->Handle() : nullptr);
  }
  FSyncedPalette = FImage->Palette();
}

TCanvas& TBitmap::Canvas() {
  SyncPalette();
  return *FCanvas;
}

HBITMAP TBitmap::Handle() {
  SyncPalette();
  return DibHandle();
}

void TBitmap::ReleaseCanvasHandle() { FCanvas->FreeHandle(); }

TColor TBitmap::TransparentColor() {
  if (FTransparentColor != clDefault || Empty()) return FTransparentColor;
  return Canvas().Pixel(0, Height() - 1);
}

void TBitmap::Assign(const TBitmap& source) {
  if (&source == this) return;
  auto image = NewImage(source.Width(), source.Height(), source.PixelFormat());
  GdiFlush();
  image->Palette() = source.FImage->Palette();
  for (int y = 0; y < source.Height(); ++y) {
    std::memcpy(image->ScanLine(y), source.FImage->ScanLine(y), image->Stride());
  }
  Replace(std::move(image));
  FTransparent = source.FTransparent;
  FTransparentColor = source.FTransparentColor;
}

void TBitmap::LoadFromStream(TStream& stream) {
  std::vector<uint8_t> data(static_cast<size_t>(stream.Size() - stream.Position()));
  stream.ReadBuffer(data.data(), data.size());
  Replace(ReadBmp(data));
}

void TBitmap::SaveToStream(TStream& stream) const {
  GdiFlush();
  const std::vector<uint8_t> data = WriteBmp(*FImage);
  stream.WriteBuffer(data.data(), data.size());
}

void TBitmap::LoadFromFile(const std::wstring& fileName) {
  TFileStream stream(fileName, fmOpenRead);
  LoadFromStream(stream);
}

void TBitmap::SaveToFile(const std::wstring& fileName) const {
  TFileStream stream(fileName, fmCreate);
  SaveToStream(stream);
}
