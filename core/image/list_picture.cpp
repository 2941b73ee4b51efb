#include "core/image/list_picture.h"

#include <algorithm>
#include <cstring>
#include <exception>

#include "core/image/bitmap32.h"
#include "core/image/pixel_format_conversion.h"
#include "core/image/png_graphic.h"
#include "core/io/stream.h"
#include "core/paint/resample.h"

namespace zelvan::image {

std::optional<TsImageFormat> SniffImageFormat(const uint8_t* data, size_t size, const std::u16string& extension) {
  static const uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  if (size >= 8 && std::memcmp(data, kPngSignature, 8) == 0) return TsImageFormat::ifPNG;
  std::u16string lower = extension;
  for (char16_t& c : lower)
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
  if (size >= 2 && data[0] == 0 && data[1] == 0 && lower == u"ico") return TsImageFormat::ifICO;
  return std::nullopt;
}

bool HasAlpha(const TWorkingBitmap& bitmap) {
  if (!Is32(bitmap)) return false;
  for (int y = 0; y < bitmap.Height(); ++y) {
    const uint32_t* row = bitmap.Row32(y);
    for (int x = 0; x < bitmap.Width(); ++x)
      if (row[x] >> 24) return true;
  }
  return false;
}

void FixIconAlpha(TWorkingBitmap& bitmap) {
  if (!Is32(bitmap) || bitmap.Width() <= 0 || bitmap.Height() <= 0 || HasAlpha(bitmap)) return;
  const uint32_t seeThrough = GetPixel32(bitmap, 0, bitmap.Height() - 1);
  for (int y = 0; y < bitmap.Height(); ++y) {
    uint32_t* row = bitmap.Row32(y);
    for (int x = 0; x < bitmap.Width(); ++x)
      if (row[x] != seeThrough) row[x] |= 0xFF000000u;
  }
}

TGlyphModeSize GlyphModeSize(int listWidth, int listHeight) {
  if (listHeight <= 0) return {1, listWidth, listHeight};
  const int count = listWidth > 0 && listWidth % listHeight == 0 ? std::max(1, listWidth / listHeight) : 1;
  return {count, listWidth / count, listHeight};
}

namespace {

std::unique_ptr<TWorkingBitmap> NearestStretch(const TWorkingBitmap& source, int width, int height) {
  auto result = CreateBmp32(width, height);
  for (int y = 0; y < height; ++y) {
    const uint32_t* from = source.Row32(static_cast<int>(int64_t{y} * source.Height() / height));
    uint32_t* to = result->Row32(y);
    for (int x = 0; x < width; ++x) to[x] = from[int64_t{x} * source.Width() / width];
  }
  return result;
}

}  // namespace

std::unique_ptr<TWorkingBitmap> ResizeTo32(const TWorkingBitmap& source, int width, int height) {
  if (width <= 0 || height <= 0 || source.Width() <= 0 || source.Height() <= 0) return nullptr;
  std::unique_ptr<TWorkingBitmap> holder;
  const TWorkingBitmap& src = InFormat(source, TPixelFormat::pf32bit, holder);
  if (src.Width() == width && src.Height() == height) return CopyBitmap(src);
  if (src.Width() < 2 || src.Height() < 2) return NearestStretch(src, width, height);
  std::unique_ptr<TWorkingBitmap> result;
  paint::Resample(src, result, width, paint::TFilterKind::fkMitchell, height);
  return result;
}

bool TListPicture::ReadSize() {
  try {
    io::TMemoryView stream(Data.data(), Data.size());
    TPNGGraphic png;
    if (!TPNGGraphic::CanLoad(stream) || !png.ReadImageProperties(stream)) return false;
    OrigWidth = static_cast<int>(png.ImageProperties().Width);
    OrigHeight = static_cast<int>(png.ImageProperties().Height);
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

std::unique_ptr<TWorkingBitmap> TListPicture::Bitmap32(int width, int height, bool useCache) {
  if (width <= 0 || height <= 0 || Data.empty()) return nullptr;
  if (cache_ && useCache && cache_->Width() == width && cache_->Height() == height) return CopyBitmap(*cache_);
  cache_.reset();
  std::unique_ptr<TWorkingBitmap> result;
  try {
    io::TMemoryView stream(Data.data(), Data.size());
    TPNGGraphic png;
    png.LoadFromStream(stream);
    if (!png.Bitmap()) return nullptr;
    auto decoded = ConvertToDirectColor(*png.Bitmap(), TPixelFormat::pf32bit);
    // Alpha before resampling, so that the see-through colour never bleeds
    // into the picture's edges.
    FixIconAlpha(*decoded);
    OrigWidth = decoded->Width();
    OrigHeight = decoded->Height();
    result = ResizeTo32(*decoded, width, height);
  } catch (const std::exception&) {
    return nullptr;
  }
  if (result && useCache) cache_ = CopyBitmap(*result);
  return result;
}

}  // namespace zelvan::image
