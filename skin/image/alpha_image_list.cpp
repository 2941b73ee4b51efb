#include "skin/image/alpha_image_list.h"

#include <algorithm>
#include <cstring>
#include <functional>

#include "core/image/bitmap32.h"
#include "core/image/pixel_format_conversion.h"
#include "core/image/png_graphic.h"
#include "core/io/stream.h"
#include "core/paint/alpha_blend.h"
#include "core/paint/button_glyph.h"
#include "core/store/skin_files.h"
#include "framework/application/application.h"
#include "framework/graphics/canvas.h"
#include "skin/image/png_draw.h"
#include "skin/store/builtin_shadows.h"

namespace {

using zelvan::image::TWorkingBitmap;
namespace image = zelvan::image;
namespace paint = zelvan::paint;

// ---- icons

// A mask bitmap (white: see-through) of picture's size.
HBITMAP MakeMask(const TWorkingBitmap& picture, const std::function<bool(uint32_t)>& seeThrough) {
  const int w = picture.Width(), h = picture.Height();
  const int stride = (w + 15) / 16 * 2;  // monochrome rows are word-aligned
  std::vector<uint8_t> bits(static_cast<size_t>(stride) * h, 0);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if (seeThrough(image::GetPixel32(picture, x, y))) bits[static_cast<size_t>(y) * stride + x / 8] |= 0x80 >> (x % 8);
  return CreateBitmap(w, h, 1, 1, bits.data());
}

HICON IconOf(TBitmap& colour, HBITMAP mask) {
  colour.ReleaseCanvasHandle();
  ICONINFO info{TRUE, 0, 0, mask, colour.Handle()};
  HICON icon = CreateIconIndirect(&info);
  DeleteObject(mask);
  return icon;
}

// A decoded PNG as an icon. The current conversion keeps the picture's alpha
// (a picture without an alpha channel is see-through where it is magenta);
// the older one masks by the top-left colour and leaves alpha as it is.
HICON PngIcon(const TWorkingBitmap& decoded, bool olderPlatform) {
  auto colour = ToBitmap(*image::ConvertToDirectColor(decoded, image::TPixelFormat::pf32bit));
  TWorkingBitmap& px = colour->Image();
  if (olderPlatform) {
    const uint32_t topLeft = px.Width() > 0 && px.Height() > 0 ? image::GetPixel32(px, 0, 0) : 0;
    return IconOf(*colour, MakeMask(px, [topLeft](uint32_t p) { return p == topLeft; }));
  }
  if (decoded.PixelFormat() != image::TPixelFormat::pf32bit) {
    for (int y = 0; y < px.Height(); ++y) {
      uint32_t* row = px.Row32(y);
      for (int x = 0; x < px.Width(); ++x)
        row[x] = (row[x] & 0x00FFFFFF) == paint::kKeyPixel ? (row[x] & 0x00FFFFFF) : (row[x] | 0xFF000000u);
    }
  }
  return IconOf(*colour, MakeMask(px, [](uint32_t p) { return (p >> 24) == 0; }));
}

std::unique_ptr<TWorkingBitmap> DecodePng(const std::vector<uint8_t>& bytes) {
  try {
    zelvan::io::TMemoryView stream(bytes.data(), bytes.size());
    image::TPNGGraphic png;
    png.LoadFromStream(stream);
    return png.Bitmap() ? image::CopyBitmap(*png.Bitmap()) : nullptr;
  } catch (const std::exception&) {
    return nullptr;
  }
}

// The entry of an icon file closest to the wanted size, as an icon.
HICON IcoIcon(const std::vector<uint8_t>& bytes, int width, int height) {
  if (bytes.size() < 6) return nullptr;
  const int count = bytes[4] | (bytes[5] << 8);
  size_t best = 0;
  for (int i = 0; i < count; ++i) {
    const size_t entry = 6 + 16 * static_cast<size_t>(i);
    if (entry + 16 > bytes.size()) break;
    const int w = bytes[entry] ? bytes[entry] : 256, h = bytes[entry + 1] ? bytes[entry + 1] : 256;
    if (best == 0 || (w == width && h == height)) best = entry;
  }
  if (best == 0) return nullptr;
  uint32_t size = 0, offset = 0;
  std::memcpy(&size, &bytes[best + 8], 4);
  std::memcpy(&offset, &bytes[best + 12], 4);
  if (offset > bytes.size() || size > bytes.size() - offset) return nullptr;
  return CreateIconFromResourceEx(const_cast<uint8_t*>(&bytes[offset]), size, TRUE, 0x00030000, width, height,
                                  LR_DEFAULTCOLOR);
}

// The colour bitmap of an icon as a 32-bit picture.
std::unique_ptr<TBitmap> IconColour(HICON icon) {
  ICONINFO info{};
  if (!icon || !GetIconInfo(icon, &info)) return nullptr;
  std::unique_ptr<TBitmap> result;
  BITMAP bm{};
  if (info.hbmColor && GetObjectW(info.hbmColor, sizeof bm, &bm)) {
    result = std::make_unique<TBitmap>(bm.bmWidth, bm.bmHeight, pf32bit);
    BITMAPINFO header{};
    header.bmiHeader = {sizeof(BITMAPINFOHEADER), bm.bmWidth, -bm.bmHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    HDC dc = GetDC(nullptr);
    GetDIBits(dc, info.hbmColor, 0, static_cast<UINT>(bm.bmHeight), result->ScanLine(0), &header, DIB_RGB_COLORS);
    ReleaseDC(nullptr, dc);
  }
  if (info.hbmColor) DeleteObject(info.hbmColor);
  if (info.hbmMask) DeleteObject(info.hbmMask);
  return result;
}

}  // namespace

// ---- items

TsImgListItem& TsImgListItems::Add() {
  FItems.push_back(std::make_unique<TsImgListItem>(this));
  return *FItems.back();
}

void TsImgListItems::Delete(int index) {
  if (index >= 0 && index < Count()) FItems.erase(FItems.begin() + index);
}

void TsImgListItems::Move(int from, int to) {
  if (from < 0 || from >= Count() || to < 0 || to >= Count() || from == to) return;
  auto item = std::move(FItems[static_cast<size_t>(from)]);
  FItems.erase(FItems.begin() + from);
  FItems.insert(FItems.begin() + to, std::move(item));
}

// ---- the list

TsAlphaImageList::TsAlphaImageList(TComponent* owner) : TImageList(owner) {}

void TsAlphaImageList::Loaded() {
  TImageList::Loaded();
  if (!StdListIsGenerated) GenerateStdList();
}

void TsAlphaImageList::SetUseCache(bool value) {
  FUseCache = value;
  for (int i = 0; i < FItems.Count(); ++i) FItems[i].Picture.DropCache();
}

void TsAlphaImageList::AcEndUpdate(bool doChange) {
  if (FAcChanging > 0) --FAcChanging;
  if (FAcChanging == 0 && doChange) Change();
}

void TsAlphaImageList::GenerateStdList() {
  AcBeginUpdate();
  Clear();
  for (int i = 0; i < FItems.Count(); ++i) {
    TsImgListItem& item = FItems[i];
    HICON icon = nullptr;
    if (item.ImageFormat == ifPNG) {
      if (auto decoded = DecodePng(item.Picture.Data)) {
        item.Picture.OrigWidth = decoded->Width();
        item.Picture.OrigHeight = decoded->Height();
        icon = PngIcon(*decoded, false);
      }
    } else {
      icon = IcoIcon(item.Picture.Data, Width(), Height());
      if (auto colour = IconColour(icon)) {
        item.Picture.OrigWidth = colour->Width();
        item.Picture.OrigHeight = colour->Height();
      }
    }
    if (icon) {
      AddIcon(icon);
      DestroyIcon(icon);
    }
  }
  if (FItems.Count() > 0) {
    StdListIsGenerated = true;
    if (!DoubleData) FItems.Clear();
  }
  AcEndUpdate(false);
}

void TsAlphaImageList::Change() {
  if (AcChanging() || ComponentState().Contains(csLoading) || !StdListIsGenerated) return;
  if (DoubleData && FItems.Count() >= Count()) {
    if (Count() < FItems.Count()) GenerateStdList();
  } else {
    FixPlatformAlpha();
  }
  TImageList::Change();
}

// Icons added from outside without alpha get it from their see-through
// colour. Changes are held back meanwhile, and icons that did not change are
// not put back, so that the fix-up itself raises no further change.
void TsAlphaImageList::FixPlatformAlpha() {
  AcBeginUpdate();
  for (int i = 0; i < Count(); ++i) {
    HICON icon = GetIcon(i);
    auto colour = IconColour(icon);
    if (icon) DestroyIcon(icon);
    if (!colour || image::HasAlpha(colour->Image())) continue;
    image::FixIconAlpha(colour->Image());
    if (!image::HasAlpha(colour->Image())) continue;
    HICON fixed = IconOf(*colour, MakeMask(colour->Image(), [](uint32_t p) { return (p >> 24) == 0; }));
    ReplaceIcon(i, fixed);
    DestroyIcon(fixed);
  }
  AcEndUpdate(false);
}

namespace {

// The platform's image i as a 32-bit picture of width x height.
std::unique_ptr<TWorkingBitmap> PlatformPicture(TImageList& list, int index, int width, int height) {
  HICON icon = list.GetIcon(index);
  auto colour = IconColour(icon);
  if (icon) DestroyIcon(icon);
  if (!colour) return nullptr;
  return image::ResizeTo32(colour->Image(), width, height);
}

}  // namespace

std::unique_ptr<TBitmap> TsAlphaImageList::CreateBitmap32(int index, int width, int height) {
  if (!HandleAllocated() || index < 0 || index >= Count()) return nullptr;
  std::unique_ptr<TWorkingBitmap> picture;
  if (DoubleData && index < FItems.Count() && FItems[index].ImageFormat == ifPNG &&
      !FItems[index].Picture.Data.empty()) {
    picture = FItems[index].Picture.Bitmap32(width, height, FUseCache);
  } else {
    picture = PlatformPicture(*this, index, width, height);
  }
  return picture ? ToBitmap(*picture) : nullptr;
}

bool TsAlphaImageList::GetBitmap32(int index, TBitmap& image) {
  if (!HandleAllocated() || index < 0 || index >= Count() || image.Empty()) return false;
  std::unique_ptr<TWorkingBitmap> picture;
  if (DoubleData && index < FItems.Count() && FItems[index].ImageFormat == ifPNG &&
      !FItems[index].Picture.Data.empty()) {
    // Only the list's own size is worth keeping.
    const bool keep = FUseCache && image.Width() == Width() && image.Height() == Height();
    picture = FItems[index].Picture.Bitmap32(image.Width(), image.Height(), keep);
  } else {
    picture = PlatformPicture(*this, index, image.Width(), image.Height());
  }
  if (!picture) return false;
  image.SetPixelFormat(pf32bit);
  for (int y = 0; y < picture->Height(); ++y) std::memcpy(image.ScanLine(y), picture->ScanLine(y), picture->Stride());
  return true;
}

bool TsAlphaImageList::AddImage(const std::vector<uint8_t>& bytes, const std::wstring& extension) {
  const std::u16string ext(extension.begin(), extension.end());
  const auto format = image::SniffImageFormat(bytes.data(), bytes.size(), ext);
  if (!format) return false;
  AcBeginUpdate();
  HICON icon = nullptr;
  if (*format == ifPNG) {
    if (auto decoded = DecodePng(bytes)) icon = PngIcon(*decoded, true);
  } else {
    icon = IcoIcon(bytes, Width(), Height());
  }
  if (DoubleData) {
    TsImgListItem& item = FItems.Add();
    item.ImageFormat = *format;
    item.Picture.Data = bytes;
    if (*format == ifPNG) {
      item.Picture.ReadSize();
    } else {
      auto colour = IconColour(icon);
      item.PixelFormat = colour && image::HasAlpha(colour->Image()) ? pf32bit : pf24bit;
      if (colour) item.Picture.OrigWidth = colour->Width(), item.Picture.OrigHeight = colour->Height();
    }
  }
  if (icon) {
    AddIcon(icon);
    DestroyIcon(icon);
  }
  AcEndUpdate(true);
  return true;
}

bool TsAlphaImageList::LoadFromFile(const std::wstring& fileName) {
  const std::vector<uint8_t> bytes =
      zelvan::store::ReadWholeFile(std::u16string(fileName.begin(), fileName.end())).value_or(std::vector<uint8_t>{});
  const size_t dot = fileName.find_last_of(L'.');
  const std::wstring extension = dot == std::wstring::npos ? L"" : fileName.substr(dot + 1);
  if (AddImage(bytes, extension)) return true;
  Application->MessageBox(L"Cannot load " + fileName + L"\r\nInvalid or unexpected image format.", L"Error",
                          MB_OK | MB_ICONERROR);
  return false;
}

void TsAlphaImageList::CopyImages(TsAlphaImageList& list) {
  AcBeginUpdate();
  Clear();
  FItems.Clear();
  if (list.DoubleData && list.FItems.Count() > 0) {
    for (int i = 0; i < list.FItems.Count(); ++i) {
      TsImgListItem& item = FItems.Add();
      item.ImageFormat = list.FItems[i].ImageFormat;
      item.PixelFormat = list.FItems[i].PixelFormat;
      item.Picture.Data = list.FItems[i].Picture.Data;
      item.Picture.OrigWidth = list.FItems[i].Picture.OrigWidth;
      item.Picture.OrigHeight = list.FItems[i].Picture.OrigHeight;
    }
    GenerateStdList();
  } else {
    for (int i = 0; i < list.Count(); ++i) {
      HICON icon = list.GetIcon(i);
      if (!icon) continue;
      AddIcon(icon);
      DestroyIcon(icon);
    }
  }
  AcEndUpdate(true);
}

void TsAlphaImageList::Assign(TsAlphaImageList& source) {
  if (&source == this) return;
  AcBeginUpdate();
  SetWidth(source.Width());
  SetHeight(source.Height());
  SetBkColor(source.BkColor());
  DoubleData = source.DoubleData;
  FUseCache = source.FUseCache;
  CopyImages(source);
  AcEndUpdate(true);
}

void TsAlphaImageList::MoveItem(int currentIndex, int newIndex) {
  if (currentIndex == newIndex || currentIndex < 0 || newIndex < 0 || currentIndex >= FItems.Count() ||
      newIndex >= FItems.Count())
    return;
  FItems.Move(currentIndex, newIndex);
  GenerateStdList();
  AcBeginUpdate();
  AcEndUpdate(true);
}

void TsAlphaImageList::SetNewDimensions(HIMAGELIST handle) {
  int width = 0, height = 0;
  if (!handle || !ImageList_GetIconSize(handle, &width, &height)) return;
  SetWidth(width);
  SetHeight(height);
}

void TsAlphaImageList::Draw(TCanvas& canvas, int x, int y, int index, bool enabled) {
  if (!HandleAllocated() || index < 0 || index >= Count()) return;
  if (!DoubleData || index >= FItems.Count() || FItems[index].ImageFormat == ifICO)
    return TImageList::Draw(canvas, x, y, index, enabled);
  auto picture = CreateBitmap32(index, Width(), Height());
  if (!picture) return;
  TBitmap block(Width(), Height(), pf32bit);
  BitBlt(block.Canvas().Handle(), 0, 0, Width(), Height(), canvas.Handle(), x, y, SRCCOPY);
  paint::TCacheInfo parent;
  parent.Bmp = &block.Image();
  parent.Ready = true;
  const paint::TRect all{0, 0, Width(), Height()};
  GdiFlush();
  paint::DrawAlphaImage(all, all, block.Image(), false, 0, paint::kNoColorValue, false, parent, picture->Image());
  BitBlt(canvas.Handle(), x, y, Width(), Height(), block.Canvas().Handle(), 0, 0, SRCCOPY);
}

// ---- the standard glyphs

TsAlphaImageList& StdGlyphList() {
  static TsAlphaImageList* list = [] {
    auto* made = new TsAlphaImageList(nullptr);
    made->SetWidth(48);
    made->SetHeight(16);
    made->Handle();
    for (const wchar_t* name : {L"SF", L"SR", L"SD", L"SE", L"SC"}) made->AddImage(EngineResourceBytes(name), L"png");
    made->GenerateStdList();
    return made;
  }();
  return *list;
}

// ---- drawing for skinned buttons

SIZE DrawListImage(TImageList& list, TBitmap& target, int x, int y, bool reflected, int stateCount, int state,
                   paint::TColor tint, int blend, int index) {
  if (target.Empty() || !list.HandleAllocated() || index < 0 || index >= list.Count()) return {0, 0};
  const int count = paint::ValidPictureCount(stateCount);
  const int width = list.Width() / count, height = list.Height();
  const int left = paint::AlphaPictureIndex(state, count) * width;
  if (auto* alpha = dynamic_cast<TsAlphaImageList*>(&list)) {
    auto picture = alpha->CreateBitmap32(index, list.Width(), list.Height());
    if (!picture) return {0, 0};
    target.SetPixelFormat(pf32bit);
    GdiFlush();
    paint::DrawAlphaImage({x, y, x + width, y + height}, {left, 0, left + width, height}, target.Image(), reflected,
                          blend, tint, false, paint::TCacheInfo{}, picture->Image());
  } else {
    TBitmap block(width, height, pf32bit);
    BitBlt(block.Canvas().Handle(), 0, 0, width, height, target.Canvas().Handle(), x, y, SRCCOPY);
    list.Draw(block.Canvas(), -left, 0, index);
    BitBlt(target.Canvas().Handle(), x, y, width, height, block.Canvas().Handle(), 0, 0, SRCCOPY);
  }
  return {width, height};
}

SIZE DrawListImageToDC(TImageList& list, HDC dc, int x, int y, bool reflected, int stateCount, int state,
                       paint::TColor tint, int blend, int index) {
  if (!dc || !list.HandleAllocated() || index < 0 || index >= list.Count()) return {0, 0};
  const int height = list.Height() + (reflected ? list.Height() / 2 : 0);
  TBitmap block(list.Width(), height, pf32bit);
  BitBlt(block.Canvas().Handle(), 0, 0, list.Width(), height, dc, x, y, SRCCOPY);
  const SIZE size = DrawListImage(list, block, 0, 0, reflected, stateCount, state, tint, blend, index);
  BitBlt(dc, x, y, list.Width(), height, block.Canvas().Handle(), 0, 0, SRCCOPY);
  return size;
}
