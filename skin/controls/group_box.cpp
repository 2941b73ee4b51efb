#include "skin/controls/group_box.h"

#include <algorithm>

#include "core/paint/block_transfer.h"
#include "core/paint/fill.h"
#include "core/paint/item_paint.h"
#include "core/paint/system_colors.h"
#include "skin/core/skin_broadcast.h"
#include "skin/core/skinned_windows.h"
#include "skin/paint/control_paint.h"
#include "skin/paint/skinned_text.h"
#include "skin/store/skin_manager.h"

using zelvan::paint::TCacheInfo;

namespace {

// The part of a cache at r filled with what the parent shows there.
void FillBehind(TBitmap& cache, const TCacheInfo& behind, const RECT& r, TColor parentColor) {
  const zelvan::paint::TRect part =
      zelvan::paint::ClipToSize({r.left, r.top, r.right, r.bottom}, cache.Width(), cache.Height());
  if (part.IsEmpty()) return;
  if (behind.Ready && behind.Bmp) {
    zelvan::paint::CopyBlock(cache.Image(), {part.Left, part.Top}, *behind.Bmp,
                             zelvan::paint::OffsetRect(part, behind.X, behind.Y));
  } else {
    zelvan::paint::FillRect32(cache.Image(), part, zelvan::paint::ColorToRGB(parentColor), 255);
  }
}

}  // namespace

void TsMargin::Set(int& field, int value) {
  if (field == value) return;
  field = value;
  if (!FControl->ComponentState().Contains(csLoading)) FControl->Invalidate();
}

TsGroupBox::TsGroupBox(TComponent* owner) : TGroupBox(owner), SkinData(this, true) { SkinData.COC = 74; }

void TsGroupBox::SetCaptionLayout(TsCaptionLayoutKind value) {
  if (value == FCaptionLayout) return;
  FCaptionLayout = value;
  if (!Text().empty()) SkinData.Invalidate();
}

void TsGroupBox::SetCaptionYOffset(int value) {
  if (value == FCaptionYOffset) return;
  FCaptionYOffset = value;
  SkinData.Invalidate();
}

void TsGroupBox::SetCaptionSkin(const std::string& value) {
  if (value == FCaptionSkin) return;
  FCaptionSkin = value;
  SkinData.Invalidate();
}

void TsGroupBox::SetCaptionWidth(int value) {
  if (value == FCaptionWidth) return;
  FCaptionWidth = value;
  SkinData.Invalidate();
}

RECT TsGroupBox::ClientRect() {
  RECT r = TGroupBox::ClientRect();
  if (SkinData.Skinned()) r.top += FCaptionYOffset;
  return r;
}

RECT TsGroupBox::CaptionRect() {
  SkinData.InitCacheBmp();
  TCanvas& canvas = SkinData.CacheBmp()->Canvas();
  canvas.Font().Assign(Font());
  SIZE w{0, 0};
  GetTextExtentPoint32W(canvas.Handle(), L"W", 1, &w);
  const int unit = std::max(4L, w.cy) + 2;
  RECT r{0, 0, 0, unit + FCaptionMargin.Top() + FCaptionMargin.Bottom()};
  if (SkinData.Skinned()) {
    if (FCaptionYOffset < 0) {
      r.top += FCaptionYOffset;
    } else {
      r.bottom += FCaptionYOffset;
    }
  }
  const bool rtl = (GetWindowLongPtrW(Handle(), GWL_EXSTYLE) & WS_EX_RTLREADING) != 0;
  const bool atLeft = (FCaptionLayout == clTopLeft && !rtl) || (FCaptionLayout == clTopRight && rtl);
  const int width = Width(), ml = FCaptionMargin.Left(), mr = FCaptionMargin.Right();
  if (FCaptionWidth > 0) {
    r.left = FCaptionLayout == clTopCenter ? (width - FCaptionWidth - 6) / 2
             : atLeft                      ? ml + 6
                                           : width - FCaptionWidth - mr - 6;
    r.left = std::max(0L, r.left);
    r.right = r.left + FCaptionWidth + ml;
  } else {
    SIZE text{0, 0};
    const std::wstring caption = Text();
    GetTextExtentPoint32W(canvas.Handle(), caption.c_str(), static_cast<int>(caption.size()), &text);
    const int m = ml + mr;
    r.left = FCaptionLayout == clTopCenter ? (width - text.cx - m - 6) / 2 : atLeft ? 6 : width - text.cx - 2 * m - 6;
    r.left = std::max(0L, r.left);
    r.right = r.left + text.cx + 2 * m;
  }
  r.right = std::min<LONG>(r.right, width);
  return r;
}

void TsGroupBox::WriteCaption(TBitmap& cache, const RECT& r, const TCacheInfo& behind) {
  const std::wstring caption = Text();
  UINT flags = FCaptionWidth > 0 ? DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS : DT_CENTER | DT_VCENTER | DT_SINGLELINE;
  if (GetWindowLongPtrW(Handle(), GWL_EXSTYLE) & WS_EX_RTLREADING) flags |= DT_RTLREADING;
  RECT text{r.left + FCaptionMargin.Left(), r.top + FCaptionMargin.Top(), r.right - FCaptionMargin.Right(),
                  r.bottom - FCaptionMargin.Bottom()};
  TsSkinManager* manager = SkinData.SkinManager();
  const int state = Focused() ? 1 : 0;
  TCanvas& canvas = cache.Canvas();
  canvas.Font().Assign(Font());
  const zelvan::paint::TRect patch =
      zelvan::paint::ClipToSize({r.left, r.top, r.right, r.bottom}, cache.Width(), cache.Height());
  const std::string patchSection = FCaptionSkin.empty() ? "CHECKBOX" : FCaptionSkin;
  const int patchIndex = manager->GetSkinIndex(patchSection);
  // The patch lies over what is behind it (the parent's picture, or the box's
  // own cache for a caption section of its own); a skin without the section
  // still hides the frame's top edge under the text.
  if (!FCaptionSkin.empty()) {
    TCacheInfo own;
    own.Bmp = &cache.Image();
    own.Ready = true;
    if (manager->IsValidSkinIndex(patchIndex) && !patch.IsEmpty()) {
      TBitmap block(patch.Width(), patch.Height(), pf32bit);
      own.X = patch.Left, own.Y = patch.Top;
      PaintItemToDC(patchIndex, patchSection, own, manager, block.Canvas().Handle(), {0, 0},
                    RECT{0, 0, patch.Width(), patch.Height()}, state);
      GdiFlush();
      zelvan::paint::CopyBlock(cache.Image(), {patch.Left, patch.Top}, block.Image(),
                               {0, 0, patch.Width(), patch.Height()});
    }
  } else {
    FillBehind(cache, behind, r, Parent() ? Parent()->Color() : clBtnFace);
    if (behind.Ready && manager->IsValidSkinIndex(patchIndex) && !patch.IsEmpty()) {
      zelvan::paint::PaintItemByIndex(patchIndex, patchSection, behind, -1, -1, manager, cache.Image(),
                                      {0, 0}, patch, state);
    }
  }
  if (!FCaptionSkin.empty() && SkinData.CustomFont()) {
    canvas.TextRect(text, caption, flags);
  } else {
    WriteTextEx(canvas, caption, Enabled(), state, &SkinData, flags, text);
  }
}

bool TsGroupBox::PrepareCache() {
  if (!SkinData.Skinned()) return false;
  SkinData.InitCacheBmp();
  TBitmap* cache = SkinData.CacheBmp();
  if (!cache || cache->Empty()) return false;
  TCacheInfo behind;
  SkinData.GetParentCache(behind);
  const RECT r = CaptionRect();
  const int width = cache->Width(), height = cache->Height();
  GdiFlush();
  if (behind.Ready && behind.Bmp) {
    FillBehind(*cache, behind, RECT{0, 0, width, r.bottom - r.top}, clBtnFace);
  } else if (Parent()) {
    FillBehind(*cache, behind, RECT{0, 0, width, r.bottom}, Parent()->Color());
  }
  const int top = FCaptionYOffset < 0 ? 0 : (r.bottom - r.top) / 2;
  zelvan::paint::PaintItem(ItemSkinOf(SkinData), behind, true, cache->Image(), {0, 0}, {0, top, width, height}, 0);
  if (!Text().empty()) WriteCaption(*cache, r, behind);
  SkinData.BGChanged = false;
  return true;
}

void TsGroupBox::PaintToDC(HDC dc) {
  if (!SkinData.Skinned() || ComponentState().Contains(csDestroying) || !Visible()) return;
  if (FormsLocked && dc != SkinData.PrintDC) return;
  if (SkinData.Updating()) return;
  if (!SkinData.UrgentPainting && !PrepareCache()) return;
  const RECT whole{0, 0, Width(), Height()};
  SkinData.CopyCacheToDC(whole, 0, 0, false, dc, whole);
  PaintControls(dc);
  for (int i = 0; i < ControlCount(); ++i) {
    auto* child = dynamic_cast<TWinControl*>(Controls(i));
    if (child && child->HandleAllocated()) SendSkinCommand(child->Handle(), SKC_PARENT_UPDATED);
  }
}

bool TsGroupBox::SkinCommand(TMessage& message) {
  const uint16_t code = SkinCommandCode(message.WParam);
  const bool own = message.LParam == reinterpret_cast<LPARAM>(SkinData.SkinManager());
  switch (code) {
    case SKC_SKIN_LOADED:
    case SKC_SKIN_REMOVED:
    case SKC_REFRESH:
      SkinData.CommandHandler(message);  // passes the broadcast to the children too
      if (own && code != SKC_SKIN_LOADED) SkinData.Invalidate();
      return true;
    case SKC_IS_SKINNED:
      message.Result = 1;
      return true;
    case SKC_GET_BG_INFO:
      if (!FCaptionSkin.empty()) {
        auto* request = reinterpret_cast<TBgRequest*>(message.LParam);
        if (request && SkinData.CacheBmp() && !SkinData.CacheBmp()->Empty()) {
          request->Kind = bgBitmap;
          request->Bmp = &SkinData.CacheBmp()->Image();
          request->X = request->Y = 0;
          return true;
        }
      }
      break;
    case SKC_PARENT_UPDATED:
      if (!SkinData.Skinned()) break;
      if (SkinData.Updating()) {
        SkinData.SetUpdating(false);
        if (Showing()) {
          RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_UPDATENOW);
        }
      }
      return true;
    case SKC_URGENT_PAINT:
      if (!SkinData.Skinned()) break;
      SkinData.CommandHandler(message);
      if (SkinData.UrgentPainting) PrepareCache();
      return true;
    case SKC_GET_UPDATING:
      if (!SkinData.Skinned()) break;
      message.Result = SkinData.BGChanged || SkinData.Updating() ? 1 : 0;
      return true;
    default:
      break;
  }
  return SkinData.CommandHandler(message);
}

void TsGroupBox::WndProc(TMessage& message) {
  if (message.Msg == SKM_COMMAND) {
    if (SkinCommand(message)) return;
    return TGroupBox::WndProc(message);
  }
  if (SkinData.Skinned()) {
    switch (message.Msg) {
      case WM_PAINT: {
        PAINTSTRUCT ps{};
        HDC given = reinterpret_cast<HDC>(message.WParam);
        HDC dc = given ? given : BeginPaint(Handle(), &ps);
        PaintToDC(dc);
        if (!given) EndPaint(Handle(), &ps);
        message.Result = 0;
        return;
      }
      case WM_PRINTCLIENT:
        SkinData.SetUpdating(false);
        PaintToDC(reinterpret_cast<HDC>(message.WParam));
        return;
      case WM_ERASEBKGND:
        message.Result = 1;
        return;
      case WM_WINDOWPOSCHANGED:
      case CM_VISIBLECHANGED:
        SkinData.BGChanged = true;
        break;
      case CM_TEXTCHANGED:
        SkinData.Invalidate();
        break;
      case CM_FONTCHANGED:
        if (!Text().empty()) SkinData.Invalidate();
        break;
      default:
        break;
    }
  }
  TGroupBox::WndProc(message);
  SkinData.CommonMessage(message);
}
