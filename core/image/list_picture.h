#pragma once
// The platform-free half of the alpha image list: recognising the stored
// file formats, giving alpha to pictures that have none, the arithmetic of a
// glyph list's states, and an item's stored PNG decoded at a size with a
// cached copy.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/image/working_bitmap.h"

namespace zelvan::image {

enum class TsImageFormat { ifPNG, ifICO };

// PNG by its signature; ICO when the first two bytes are 0 and the extension
// (without the dot) is "ico" in any case; otherwise none.
std::optional<TsImageFormat> SniffImageFormat(const uint8_t* data, size_t size, const std::u16string& extension);

// A 32-bit bitmap without any non-zero alpha byte: pixels of the bottom-left
// colour stay at alpha 0, all others get 255. Bitmaps with alpha, of another
// format or empty are left alone.
void FixIconAlpha(TWorkingBitmap& bitmap);

// True when some pixel of a 32-bit bitmap has a non-zero alpha byte.
bool HasAlpha(const TWorkingBitmap& bitmap);

// A glyph list of square state images side by side: width div height images
// when the width is a multiple of the height, else one. A height of 0 or less
// makes one image as wide as the list.
struct TGlyphModeSize {
  int ImageCount = 1;
  int Width = 0;
  int Height = 0;
};
TGlyphModeSize GlyphModeSize(int listWidth, int listHeight);

// A 32-bit copy at width x height: resampled with the Mitchell filter, or
// stretched to the nearest pixel when the source is narrower or lower than 2
// pixels (too small to filter). Null for a size of 0 or less or an empty source.
std::unique_ptr<TWorkingBitmap> ResizeTo32(const TWorkingBitmap& source, int width, int height);

// An item's stored PNG: the file bytes, the size of the picture they hold
// and the copy made for the last size asked for.
class TListPicture {
 public:
  std::vector<uint8_t> Data;
  int OrigWidth = 0;
  int OrigHeight = 0;

  // The picture at width x height as a new 32-bit bitmap (a picture without
  // alpha gets it by FixIconAlpha), or null when the data do not decode or
  // the size is not positive. Never throws. With useCache the result is also
  // kept, and a request of the kept size copies it without decoding.
  std::unique_ptr<TWorkingBitmap> Bitmap32(int width, int height, bool useCache);
  // Decodes the header only and stores the size; false when the data are no PNG.
  bool ReadSize();
  const TWorkingBitmap* CacheBmp() const { return cache_.get(); }
  void DropCache() { cache_.reset(); }

 private:
  std::unique_ptr<TWorkingBitmap> cache_;
};

}  // namespace zelvan::image
