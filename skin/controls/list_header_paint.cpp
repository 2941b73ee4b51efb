// TsListView's column header: hooked with a window subclass, painted section
// by section from "COLHEADER" (or "BUTTON") with the hovered and pressed
// columns lit, sort arrows from the scroll buttons' glyphs, and images.
#include <windowsx.h>

#include <algorithm>
#include <unordered_map>
#include <exception>
#include <vector>

#include "core/controls/header_layout.h"
#include "core/paint/image_part.h"
#include "core/paint/mask_painting.h"
#include "framework/application/callback_guard.h"
#include "framework/graphics/bitmap.h"
#include "skin/controls/list_view.h"
#include "skin/paint/control_paint.h"
#include "skin/paint/skinned_text.h"
#include "skin/store/skin_manager.h"
#include "skin/window/scroll_attach.h"

namespace {

// The hooked headers by window. The procedure finds its list here on every
// message: the platform's subclass records and window properties each ask
// Wine's server, and the list asks its header for every row it draws.
struct THeaderHook {
  TsListView* List;  // null once the list let go while a later hook sat above ours
  WNDPROC Previous;
};
std::unordered_map<HWND, THeaderHook>& HookedHeaders() {
  static std::unordered_map<HWND, THeaderHook> headers;
  return headers;
}

zelvan::controls::THeaderAlign AlignOf(int format) {
  switch (format & HDF_JUSTIFYMASK) {
    case HDF_RIGHT: return zelvan::controls::THeaderAlign::Right;
    case HDF_CENTER: return zelvan::controls::THeaderAlign::Center;
    default: return zelvan::controls::THeaderAlign::Left;
  }
}

}  // namespace

void TsListView::HookHeader(HWND header) {
  if (header == FhWndHeader) return;
  UnhookHeader();
  FhWndHeader = header;
  // Without full drag the header tells each step of a column resize.
  SetWindowLongPtrW(header, GWL_STYLE, GetWindowLongPtrW(header, GWL_STYLE) & ~HDS_FULLDRAG);
  if (auto found = HookedHeaders().find(header); found != HookedHeaders().end()) {
    found->second.List = this;  // still in the chain from an earlier list: ours again
    FhDefHeaderProc = found->second.Previous;
    return;
  }
  FhDefHeaderProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(header, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TsListView::HeaderProc)));
  HookedHeaders()[header] = THeaderHook{this, FhDefHeaderProc};
}

void TsListView::UnhookHeader() {
  if (!FhWndHeader) return;
  const auto found = HookedHeaders().find(FhWndHeader);
  if (found != HookedHeaders().end()) {
    if (IsWindow(FhWndHeader) && GetWindowLongPtrW(FhWndHeader, GWLP_WNDPROC) ==
                                     reinterpret_cast<LONG_PTR>(&TsListView::HeaderProc)) {
      SetWindowLongPtrW(FhWndHeader, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(found->second.Previous));
      HookedHeaders().erase(found);
    } else {
      // A procedure installed after ours still calls it: it passes messages on until the header goes.
      found->second.List = nullptr;
    }
  }
  FhWndHeader = nullptr;
  FhDefHeaderProc = nullptr;
  HoverColIndex = -2;
  FPressedColumn = -1;
}

LRESULT CALLBACK TsListView::HeaderProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  const auto found = HookedHeaders().find(window);
  if (found == HookedHeaders().end()) return DefWindowProcW(window, msg, wParam, lParam);
  const THeaderHook hook = found->second;
  if (msg == WM_NCDESTROY) {
    HookedHeaders().erase(found);
    if (hook.List && hook.List->FhWndHeader == window) {
      hook.List->FhWndHeader = nullptr;
      hook.List->FhDefHeaderProc = nullptr;
    }
    // The header is gone: the procedure it had before ours ends its life.
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(hook.Previous));
    return CallWindowProcW(hook.Previous, window, msg, wParam, lParam);
  }
  if (!hook.List) return CallWindowProcW(hook.Previous, window, msg, wParam, lParam);
  try {
    return hook.List->HeaderMessage(window, msg, wParam, lParam);
  } catch (...) {
    // No exception crosses the platform's call; the application shows it.
    HandleCallbackException();
    return CallWindowProcW(hook.Previous, window, msg, wParam, lParam);
  }
}

LRESULT TsListView::CallHeader(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  return CallWindowProcW(FhDefHeaderProc, window, msg, wParam, lParam);
}

int TsListView::ColumnAt(POINT screen) {
  HDHITTESTINFO hit{};
  hit.pt = screen;
  ::ScreenToClient(FhWndHeader, &hit.pt);
  // The header's client scrolls with the list in report view: its hit test knows.
  const int index = static_cast<int>(SendMessageW(FhWndHeader, HDM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
  return index >= 0 && (hit.flags & (HHT_ONHEADER | HHT_ONDIVIDER | HHT_ONDIVOPEN)) ? index : -2;
}

LRESULT TsListView::HeaderMessage(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (!ReportSkinned()) return CallHeader(window, msg, wParam, lParam);
  switch (msg) {
    case WM_PAINT: {
      PAINTSTRUCT ps{};
      HDC dc = wParam ? reinterpret_cast<HDC>(wParam) : BeginPaint(window, &ps);
      PaintHeader(dc);
      if (!wParam) EndPaint(window, &ps);
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;
    case WM_PRINTCLIENT:
      PaintHeader(reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_NCHITTEST: {
      const LRESULT result = CallHeader(window, msg, wParam, lParam);
      if (FHighlightHeaders) {
        const int column = ColumnAt(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        if (column != HoverColIndex) {
          HoverColIndex = column;
          if (TsSkinManager* manager = SkinData.SkinManager()) manager->SetActiveControl(window);
          InvalidateRect(window, nullptr, FALSE);
        }
      }
      return result;
    }
    case WM_MOUSEMOVE: {
      const LRESULT result = CallHeader(window, msg, wParam, lParam);
      TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, window, 0};
      TrackMouseEvent(&track);
      if (FFlag) RefreshScrollBars(ListSW.get());
      return result;
    }
    case WM_MOUSELEAVE:
      if (HoverColIndex != -2) {
        HoverColIndex = -2;
        InvalidateRect(window, nullptr, FALSE);
      }
      return CallHeader(window, msg, wParam, lParam);
    case WM_LBUTTONDOWN: {
      const LRESULT result = CallHeader(window, msg, wParam, lParam);
      FFlag = true;
      HDHITTESTINFO hit{};
      hit.pt = POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      const int index = static_cast<int>(SendMessageW(window, HDM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
      // A press on a divider resizes: no column looks pressed.
      FPressedColumn = (hit.flags & (HHT_ONDIVIDER | HHT_ONDIVOPEN)) || index < 0 ? -1 : index;
      InvalidateRect(window, nullptr, FALSE);
      return result;
    }
    case WM_LBUTTONUP:
      FPressedColumn = -1;
      FFlag = false;
      InvalidateRect(window, nullptr, FALSE);
      return CallHeader(window, msg, wParam, lParam);
    case SKM_COMMAND:
      if (SkinCommandCode(wParam) == SKC_MOUSE_LEAVE) {
        HoverColIndex = -2;
        InvalidateRect(window, nullptr, FALSE);
        return 0;
      }
      if (SkinCommandCode(wParam) == SKC_MOUSE_ENTER) return 0;
      return CallHeader(window, msg, wParam, lParam);
    default:
      return CallHeader(window, msg, wParam, lParam);
  }
}

void TsListView::PaintHeader(HDC dc) {
  if (!FhWndHeader || FStyleChanging || !dc) return;
  ++HeaderPaints;
  const int count = static_cast<int>(SendMessageW(FhWndHeader, HDM_GETITEMCOUNT, 0, 0));
  std::vector<int> order(static_cast<size_t>(std::max(count, 0)));
  if (count > 0) {
    SendMessageW(FhWndHeader, HDM_GETORDERARRAY, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(order.data()));
  }
  RECT client{};
  GetClientRect(FhWndHeader, &client);
  int right = client.left;
  for (int position = 0; position < count; ++position) {
    const int column = order[static_cast<size_t>(position)];
    RECT r{};
    SendMessageW(FhWndHeader, HDM_GETITEMRECT, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&r));
    right = std::max<int>(right, r.right);
    if (IsRectEmpty(&r)) continue;
    ListLineHeight = r.bottom - r.top;
    PaintSection(dc, r, column);
  }
  if (right < client.right) PaintSection(dc, RECT{right, client.top, client.right, client.bottom}, -1);
}

void TsListView::PaintSection(HDC dc, const RECT& rect, int column) {
  TsSkinManager* manager = SkinData.SkinManager();
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (!manager || width <= 0 || height <= 0) return;
  const int state = zelvan::controls::HeaderSectionState(column, FPressedColumn, HoverColIndex);
  TBitmap picture(width, height, pf32bit);
  const int section = ::PaintSection(picture.Image(), "COLHEADER", "BUTTON", nullptr,
                                     ColorToRGB(Color()), RECT{0, 0, width, height}, manager, state);
  if (column >= 0) {
    wchar_t text[259]{};
    HDITEMW item{};
    item.mask = HDI_TEXT | HDI_FORMAT | HDI_IMAGE;
    item.pszText = text;
    item.cchTextMax = 258;
    SendMessageW(FhWndHeader, HDM_GETITEMW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&item));
    HIMAGELIST images = reinterpret_cast<HIMAGELIST>(SendMessageW(Handle(), LVM_GETIMAGELIST, LVSIL_SMALL, 0));
    int imageWidth = 0, imageHeight = 0;
    const bool withImage = images && (item.fmt & HDF_IMAGE) && item.iImage >= 0;
    if (withImage) ImageList_GetIconSize(images, &imageWidth, &imageHeight);
    const char* arrowSection = (item.fmt & HDF_SORTDOWN) ? "SCROLLBTNBOTTOM" : (item.fmt & HDF_SORTUP) ? "SCROLLBTNTOP" : nullptr;
    const int arrowMask = arrowSection ? manager->GetMaskIndex(arrowSection, "GLYPHMASK") : -1;
    const zelvan::store::TsMaskData* arrow =
        manager->IsValidImgIndex(arrowMask) ? &manager->ma[static_cast<size_t>(arrowMask)] : nullptr;
    TCanvas& canvas = picture.Canvas();
    canvas.Font().Assign(Font());
    const std::wstring caption = text;
    zelvan::controls::THeaderSectionInput in;
    in.Width = width;
    in.Height = height;
    in.Align = AlignOf(item.fmt);
    in.TextWidth = TextSizeOnDC(canvas.Handle(), caption).cx;
    in.ImageSpace = withImage ? imageWidth + 4 : 0;
    in.ArrowWidth = arrow ? zelvan::paint::StateWidth(*arrow) : 0;
    in.ArrowHeight = arrow ? zelvan::paint::StateHeight(*arrow) : 0;
    in.Pressed = state == 2;
    const zelvan::controls::THeaderSectionLayout layout = zelvan::controls::LayoutHeaderSection(in);
    GdiFlush();
    if (arrow) {
      zelvan::paint::TCacheInfo own;
      own.Bmp = &picture.Image();
      own.Ready = true;
      zelvan::paint::DrawMaskGlyph(picture.Image(), layout.Arrow, state, own, *arrow, 1);
    }
    UINT flags = DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS | DT_END_ELLIPSIS | (layout.TextRight ? DT_RIGHT : DT_LEFT);
    if (GetWindowLongPtrW(Handle(), GWL_EXSTYLE) & WS_EX_RTLREADING) flags |= DT_RTLREADING;
    const RECT textRect{layout.Text.Left, layout.Text.Top, layout.Text.Right, layout.Text.Bottom};
    WriteSectionText(canvas, caption, true, manager, state > 0 ? 1 : 0, section, flags, textRect);
    if (withImage) {
      ImageList_DrawEx(images, item.iImage, canvas.Handle(), layout.ImageLeft,
                       (height - imageHeight) / 2 + (state == 2 ? 1 : 0), 0, 0, CLR_NONE, CLR_NONE,
                       Enabled() ? ILD_TRANSPARENT : ILD_TRANSPARENT | ILD_BLEND50);
    }
  }
  CopyBitmapToDC(picture, dc, rect, POINT{0, 0});
}
