#include "skin/paint/control_paint.h"

#include <algorithm>

#include "core/image/bitmap32.h"
#include "core/paint/item_frame.h"
#include "framework/controls/win_control.h"
#include "framework/graphics/dib_storage.h"
#include "framework/forms/custom_form.h"
#include "skin/core/common_data.h"
#include "skin/store/skin_manager.h"

using zelvan::image::TWorkingBitmap;
using zelvan::paint::TCacheInfo;
using zelvan::paint::TPoint;
using zelvan::paint::TRect;

namespace {

TRect ToRect(const RECT& r) { return TRect{r.left, r.top, r.right, r.bottom}; }

// Asks a parent control (its window, or its object without one) for what it shows behind.
TBgRequest AskParent(TControl* parent, int width, int height) {
  TBgRequest request;
  request.R = RECT{0, 0, width, height};
  if (!parent) return request;
  const WPARAM wParam = SkinCommandWParam(SKC_GET_BG_INFO);
  auto* windowed = dynamic_cast<TWinControl*>(parent);
  if (windowed && windowed->HandleAllocated()) {
    SendMessageW(windowed->Handle(), SKM_COMMAND, wParam, reinterpret_cast<LPARAM>(&request));
  } else {
    parent->Perform(SKM_COMMAND, wParam, reinterpret_cast<LPARAM>(&request));
  }
  return request;
}

}  // namespace

zelvan::paint::TItemSkin ItemSkinOf(const TsCommonData& data) {
  zelvan::paint::TItemSkin skin;
  skin.Manager = data.SkinManager();
  skin.SkinIndex = data.SkinIndex;
  skin.SkinSection = data.SkinSection();
  skin.BorderIndex = data.BorderIndex;
  skin.Texture = data.Texture;
  skin.HotTexture = data.HotTexture;
  if (data.CustomColor()) {
    TControl* owner = data.OwnerControl();
    TColor color = data.ProviderForm ? data.ProviderForm->Color() : owner ? owner->Color() : clBtnFace;
    skin.CustomColor = ColorToRGB(color);
  }
  skin.HUEOffset = data.HUEOffset();
  skin.Saturation = data.Saturation();
  return skin;
}

bool PaintItemWithParent(TsCommonData& data, TControl* parent, bool cornersFromParent, TWorkingBitmap& bitmap,
                         TPoint offset, const TRect& rect, int state) {
  TControl* owner = data.OwnerControl();
  TBgRequest request = AskParent(parent, owner ? owner->Width() : rect.Width(), owner ? owner->Height() : rect.Height());
  if (request.Kind == bgHoldBack) return false;
  if (request.Kind == bgNoAnswer) {
    request.Kind = bgColor;
    request.Color = parent ? ColorToRGB(parent->Color()) : ColorToRGB(clBtnFace);
  }
  TCacheInfo info = CacheInfoFromRequest(request);
  if (info.Ready && owner) info.X += owner->Left(), info.Y += owner->Top();
  zelvan::paint::PaintItem(ItemSkinOf(data), info, cornersFromParent, bitmap, offset, rect, state);
  return true;
}

bool PrepareCache(TsCommonData& data, int state) {
  if (!data.Skinned()) return false;
  data.InitCacheBmp();
  TBitmap* cache = data.CacheBmp();
  if (!cache || cache->Empty()) return false;
  TControl* owner = data.OwnerControl();
  TControl* parent = owner ? owner->Parent() : nullptr;
  const TRect whole{0, 0, cache->Width(), cache->Height()};
  if (!PaintItemWithParent(data, parent, true, cache->Image(), TPoint{0, 0}, whole, state)) return false;
  data.BGChanged = false;
  return true;
}

void CopyBitmapToDC(TBitmap& bitmap, HDC dc, const RECT& destination, POINT source) {
  const int width = destination.right - destination.left, height = destination.bottom - destination.top;
  // A bitmap its canvas holds cannot be selected into a second context:
  // copy from the canvas's own then.
  if (bitmap.Canvas().HandleAllocated()) {
    BitBlt(dc, destination.left, destination.top, width, height, bitmap.Canvas().Handle(), source.x, source.y,
           SRCCOPY);
    return;
  }
  HDC memory = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(memory, bitmap.Handle());
  BitBlt(dc, destination.left, destination.top, width, height, memory, source.x, source.y, SRCCOPY);
  SelectObject(memory, old);
  DeleteDC(memory);
}

TCacheInfo ControlParentCache(TControl& control) {
  TWinControl* parent = control.Parent();
  TBgRequest request = AskParent(parent, control.Width(), control.Height());
  TCacheInfo info;
  if (request.Kind == bgHoldBack) return info;  // the key colour: nothing ready
  if (request.Kind == bgNoAnswer) {
    request.Kind = bgColor;
    request.Color = ColorToRGB(parent ? parent->Color() : clBtnFace);
  }
  info = CacheInfoFromRequest(request);
  if (info.Ready) info.X += control.Left(), info.Y += control.Top();
  return info;
}

TCacheInfo WindowParentCache(HWND window) {
  TCacheInfo info;
  HWND parent = GetParent(window);
  RECT bounds{};
  GetWindowRect(window, &bounds);
  if (!parent) {
    info.FillColor = ColorToRGB(clBtnFace);
    return info;
  }
  TBgRequest request;
  request.R = RECT{0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top};
  SendMessageW(parent, SKM_COMMAND, SkinCommandWParam(SKC_GET_BG_INFO), reinterpret_cast<LPARAM>(&request));
  if (request.Kind == bgHoldBack) {
    info.FillColor = zelvan::paint::kKeyColor;
    return info;
  }
  if (request.Kind == bgNoAnswer) {
    // A parent that knows nothing of skins: its colour.
    request.Kind = bgColor;
    const auto answer = static_cast<TColor>(SendSkinCommand(parent, SKC_GET_BG_COLOR));
    TWinControl* control = TWinControl::FindControl(parent);
    request.Color = answer ? answer : ColorToRGB(control ? control->Color() : clBtnFace);
  }
  info = CacheInfoFromRequest(request);
  if (info.Ready) {
    POINT at{bounds.left, bounds.top};
    ScreenToClient(parent, &at);
    info.X += at.x;
    info.Y += at.y;
  }
  return info;
}

bool PrepareWindowCache(TsCommonData& data, HWND window, int state, TCacheInfo& behind) {
  if (!data.Skinned()) return false;
  data.InitCacheBmp();
  TBitmap* cache = data.CacheBmp();
  if (!cache || cache->Empty()) return false;
  if (data.OwnerControl()) {
    data.GetParentCache(behind);
  } else {
    behind = WindowParentCache(window);
  }
  if (!behind.Ready && behind.FillColor == zelvan::paint::kKeyColor) return false;  // the parent is busy
  zelvan::paint::PaintItem(ItemSkinOf(data), behind, true, cache->Image(), TPoint{0, 0},
                           TRect{0, 0, cache->Width(), cache->Height()}, state);
  data.BGChanged = false;
  return true;
}

void PaintItemToDC(int skinIndex, const std::string& section, const TCacheInfo& parent, TsSkinManager* manager,
                   HDC dc, TPoint offset, const RECT& rect, int state) {
  if (!manager) manager = DefaultManager();
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (!manager || !dc || width <= 0 || height <= 0) return;
  TBitmap picture(width, height, pf32bit);
  zelvan::paint::PaintItemByIndex(skinIndex, section, parent, -1, -1, manager, picture.Image(), offset,
                                  TRect{0, 0, width, height}, state);
  const int saved = SaveDC(dc);
  CopyBitmapToDC(picture, dc, rect, POINT{0, 0});
  RestoreDC(dc, saved);
}

int PaintSection(TWorkingBitmap& bitmap, const std::string& section, const std::string& fallback, HDC dc,
                 zelvan::paint::TColor fillColor, const RECT& rect, TsSkinManager* manager, int state) {
  if (!manager) manager = DefaultManager();
  if (!manager) return -1;
  int index = manager->GetSkinIndex(section);
  std::string name = section;
  if (!manager->IsValidSkinIndex(index)) {
    index = manager->GetSkinIndex(fallback);
    name = fallback;
  }
  if (!manager->IsValidSkinIndex(index)) return index;
  TCacheInfo info;
  info.FillColor = fillColor;
  if (dc) {
    // What the context shows at rect is the background behind the section.
    if (TDibStorage* storage = TDibStorage::Of(bitmap)) {
      HDC memory = CreateCompatibleDC(dc);
      HGDIOBJ old = SelectObject(memory, storage->Handle());
      BitBlt(memory, 0, 0, bitmap.Width(), bitmap.Height(), dc, rect.left, rect.top, SRCCOPY);
      SelectObject(memory, old);
      DeleteDC(memory);
      info.Bmp = &bitmap;
      info.Ready = true;
    }
  }
  zelvan::paint::PaintItemByIndex(index, name, info, -1, -1, manager, bitmap, TPoint{0, 0},
                                  TRect{0, 0, bitmap.Width(), bitmap.Height()}, state);
  return index;
}

void FillParentCorners(TsCommonData& data, int state, int corners) {
  TBitmap* cache = data.CacheBmp();
  TControl* owner = data.OwnerControl();
  if (!cache || cache->Empty() || !owner) return;
  TCacheInfo info;
  data.GetParentCache(info);
  zelvan::paint::FillParentCorners(data.SkinManager(), data.BorderIndex, state, corners, cache->Image(), info);
}

RECT PaintFrameOnly(HDC dc, const RECT& rect, int innerBorder, int state, TsCommonData& data) {
  const zelvan::paint::TColor background = ColorToRGB(data.BackgroundColor(state));
  TCacheInfo info;
  data.GetParentCache(info);
  TBitmap* cache = data.CacheBmp();
  TsSkinManager* manager = data.SkinManager();
  const bool framed = manager && manager->IsValidImgIndex(data.BorderIndex) && cache && !cache->Empty();
  if (!framed) {
    RECT inner = rect;
    if (innerBorder > 0 && dc) {
      // Four strips of the band, straight into the context.
      HBRUSH brush = CreateSolidBrush(background);
      const RECT strips[] = {{rect.left, rect.top, rect.right, rect.top + innerBorder},
                             {rect.left, rect.bottom - innerBorder, rect.right, rect.bottom},
                             {rect.left, rect.top, rect.left + innerBorder, rect.bottom},
                             {rect.right - innerBorder, rect.top, rect.right, rect.bottom}};
      for (const RECT& strip : strips) FillRect(dc, &strip, brush);
      DeleteObject(brush);
      InflateRect(&inner, -innerBorder, -innerBorder);
    }
    return inner;
  }
  const TRect inner = zelvan::paint::PaintFrameOnly(manager, data.BorderIndex, cache->Image(), ToRect(rect),
                                                    innerBorder, state, info, background);
  if (dc && innerBorder > 0) {
    // A context other than the cache's own receives the band from the cache.
    const RECT strips[] = {{rect.left, rect.top, rect.right, inner.Top},
                           {rect.left, inner.Bottom, rect.right, rect.bottom},
                           {rect.left, inner.Top, inner.Left, inner.Bottom},
                           {inner.Right, inner.Top, rect.right, inner.Bottom}};
    for (const RECT& strip : strips) {
      if (strip.right > strip.left && strip.bottom > strip.top) {
        CopyBitmapToDC(*cache, dc, strip, POINT{strip.left, strip.top});
      }
    }
  }
  return RECT{inner.Left, inner.Top, std::max(inner.Left, inner.Right), std::max(inner.Top, inner.Bottom)};
}
