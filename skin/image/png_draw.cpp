#include "skin/image/png_draw.h"

#include <cstring>
#include <memory>

#include "core/paint/alpha_blend.h"
#include "core/paint/alpha_channel.h"
#include "framework/graphics/bitmap.h"

using zelvan::image::TWorkingBitmap;

std::unique_ptr<TBitmap> ToBitmap(const TWorkingBitmap& image) {
  auto bitmap = std::make_unique<TBitmap>(image.Width(), image.Height(), image.PixelFormat());
  for (int y = 0; y < image.Height(); ++y) {
    std::memcpy(bitmap->ScanLine(y), image.ScanLine(y), image.Stride());
  }
  bitmap->Palette() = image.Palette();
  return bitmap;
}

namespace {

void Stretch(TBitmap& target, TBitmap& source) {
  HDC dc = target.Canvas().Handle();
  SetStretchBltMode(dc, COLORONCOLOR);
  StretchBlt(dc, 0, 0, target.Width(), target.Height(), source.Canvas().Handle(), 0, 0, source.Width(),
             source.Height(), SRCCOPY);
  GdiFlush();
}

// GDI's stretch drops the alpha byte, so the alpha plane is stretched on its
// own as an 8-bit picture and put back.
std::unique_ptr<TBitmap> StretchWithAlpha(TBitmap& picture, int width, int height) {
  auto stretched = std::make_unique<TBitmap>(width, height, pf32bit);
  Stretch(*stretched, picture);
  TBitmap sourcePlane(picture.Width(), picture.Height(), pf8bit);
  TBitmap targetPlane(width, height, pf8bit);
  namespace paint = zelvan::paint;
  paint::CopyChannel(picture.Image(), sourcePlane.Image(), 3, paint::TChannelCopy::ToPlane);
  Stretch(targetPlane, sourcePlane);
  paint::CopyChannel(stretched->Image(), targetPlane.Image(), 3, paint::TChannelCopy::FromPlane);
  return stretched;
}

}  // namespace

void DrawPNGGraphic(TCanvas& canvas, const RECT& rect, const zelvan::image::TPNGGraphic& png) {
  const TWorkingBitmap* image = png.Bitmap();
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (image == nullptr || image->Width() == 0 || image->Height() == 0 || width <= 0 || height <= 0) return;
  std::unique_ptr<TBitmap> picture = ToBitmap(*image);
  if (picture->PixelFormat() != pf32bit) {
    canvas.StretchDraw(rect, *picture);
    return;
  }
  // Compose over a copy of what the canvas shows, then put the block back.
  const int blockHeight = height + (png.Reflected ? height / 2 : 0);
  TBitmap block(width, blockHeight, pf32bit);
  BitBlt(block.Canvas().Handle(), 0, 0, width, blockHeight, canvas.Handle(), rect.left, rect.top, SRCCOPY);
  GdiFlush();

  std::unique_ptr<TBitmap> stretched;
  TBitmap* overlay = picture.get();
  if (width != picture->Width() || height != picture->Height()) {
    stretched = StretchWithAlpha(*picture, width, height);
    overlay = stretched.get();
  }
  const zelvan::paint::TRect area{0, 0, width, height};
  zelvan::paint::DrawAlphaImage(area, area, block.Image(), png.Reflected, 0, zelvan::paint::kNoColorValue,
                                false, zelvan::paint::TCacheInfo{}, overlay->Image());
  BitBlt(canvas.Handle(), rect.left, rect.top, width, blockHeight, block.Canvas().Handle(), 0, 0, SRCCOPY);
}
