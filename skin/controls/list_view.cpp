#include "skin/controls/list_view.h"

#include <shlwapi.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "framework/application/application.h"
#include "skin/core/skinned_windows.h"
#include "skin/store/skin_manager.h"
#include "skin/window/scroll_attach.h"

namespace {

bool CommonControls6() {
  HMODULE library = GetModuleHandleW(L"comctl32.dll");
  if (!library) return false;
  auto getVersion = reinterpret_cast<DLLGETVERSIONPROC>(
      reinterpret_cast<void*>(GetProcAddress(library, "DllGetVersion")));
  if (!getVersion) return false;
  DLLVERSIONINFO info{sizeof(info), 0, 0, 0, 0};
  return SUCCEEDED(getVersion(&info)) && info.dwMajorVersion >= 6;
}

// Flat scroll bars paint past the wrapper's layout; off while skinned.
void FlatScrollBarsOff(HWND window) {
  HMODULE library = GetModuleHandleW(L"comctl32.dll");
  if (!library) return;
  using Switch = BOOL(WINAPI*)(HWND);
  if (auto call = reinterpret_cast<Switch>(reinterpret_cast<void*>(GetProcAddress(library, "UninitializeFlatSB")))) {
    call(window);
  }
}

}  // namespace

TsListView::TsListView(TComponent* owner)
    : TListView(owner), SkinData(this, true), FBoundLabel(this, &SkinData) {
  SkinData.COC = 10;
  SkinData.BGChanged = true;
  NewStyleItems = CommonControls6();
  ListLineHeight = std::abs(Font().Height());
}

TsListView::~TsListView() {
  ListSW.reset();
  UnhookHeader();
  InitControl(false);
}

void TsListView::Loaded() {
  TListView::Loaded();
  SkinData.Loaded();
}

bool TsListView::SkinActive() const {
  TsSkinManager* manager = SkinData.SkinManager();
  return manager && manager->Active() && SkinData.Skinned();
}

bool TsListView::ReportSkinned() const { return ViewStyle() == vsReport && SkinActive(); }

void TsListView::CreateWnd() {
  TListView::CreateWnd();
  HWND header = reinterpret_cast<HWND>(SendMessageW(Handle(), LVM_GETHEADER, 0, 0));
  if (header) HookHeader(header);
  if (SkinActive()) {
    ApplySkinColors();
    InitControl(true);
  }
}

void TsListView::InitControl(bool skinned) {
  if (skinned == FSkinHandlers) return;
  FSkinHandlers = skinned;
  if (skinned) {
    FOldAdvancedCustomDraw = std::move(OnAdvancedCustomDraw);
    FOldAdvancedCustomDrawItem = std::move(OnAdvancedCustomDrawItem);
    OnAdvancedCustomDraw = [this](TListView*, NMLVCUSTOMDRAW& draw, TCustomDrawStage stage, bool& defaultDraw) {
      ListCustomDraw(draw, stage, defaultDraw);
    };
    OnAdvancedCustomDrawItem = [this](TListView*, NMLVCUSTOMDRAW& draw, TCustomDrawStage stage, bool& defaultDraw) {
      ItemCustomDraw(draw, stage, defaultDraw);
    };
  } else {
    OnAdvancedCustomDraw = std::move(FOldAdvancedCustomDraw);
    OnAdvancedCustomDrawItem = std::move(FOldAdvancedCustomDrawItem);
    FOldAdvancedCustomDraw = nullptr;
    FOldAdvancedCustomDrawItem = nullptr;
  }
}

void TsListView::ApplySkinColors() {
  const auto* section = SkinData.Section();
  if (!section) return;
  if (!SkinData.CustomColor()) SetColor(SkinData.BackgroundColor(0));
  if (!SkinData.CustomFont()) Font().SetColor(section->Props[0].FontColor.Color);
}

void TsListView::AttachWrapper() {
  if (!HandleAllocated()) return;
  if (SkinActive()) FlatScrollBarsOff(Handle());
  AttachScrollBars(SkinData, ListSW, TScrollWndKind::Edit, true);
  GridColor = static_cast<TColor>(GetSysColor(COLOR_BTNFACE));
  TsSkinManager* manager = SkinData.SkinManager();
  iSelectIndex = manager && SkinActive() ? manager->GetSkinIndex("SELECTION") : -1;
}

void TsListView::RepaintHeader() {
  if (FhWndHeader && IsWindowVisible(FhWndHeader)) {
    RedrawWindow(FhWndHeader, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  }
}

void TsListView::SetViewStyle(TViewStyle style) {
  if (style == ViewStyle()) return;
  if (!HandleAllocated()) {
    TListView::SetViewStyle(style);
    return;
  }
  FStyleChanging = true;
  SkinData.BeginUpdate();
  TListView::SetViewStyle(style);
  FStyleChanging = false;
  // A list made in another view may get its header only now.
  if (!FhWndHeader) {
    if (HWND header = reinterpret_cast<HWND>(SendMessageW(Handle(), LVM_GETHEADER, 0, 0))) HookHeader(header);
  }
  SendMessageW(Handle(), LVM_ARRANGE, LVA_DEFAULT, 0);
  SkinData.EndUpdate(false);
  if (!SkinActive()) return;
  RedrawWindow(Handle(), nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  if (style == vsReport) RepaintHeader();
}

void TsListView::SelectItem(int index) {
  if (!HandleAllocated() || index < 0 || index >= ListCount()) return;
  LVITEMW item{};
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  item.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageW(Handle(), LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  SendMessageW(Handle(), LVM_ENSUREVISIBLE, static_cast<WPARAM>(index), FALSE);
}

int TsListView::ListCount() {
  return HandleAllocated() ? static_cast<int>(SendMessageW(Handle(), LVM_GETITEMCOUNT, 0, 0)) : 0;
}

int TsListView::ColumnLeft(int index) {
  if (!HandleAllocated() || !FhWndHeader) return 0;
  RECT r{};
  // The header knows where a column starts in display order, dragged or not.
  if (!SendMessageW(FhWndHeader, HDM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r))) return 0;
  return r.left;
}

void TsListView::SetSortArrow(int column, TsSortArrow arrow) {
  if (!FhWndHeader) return;
  HDITEMW item{};
  item.mask = HDI_FORMAT;
  if (!SendMessageW(FhWndHeader, HDM_GETITEMW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&item))) return;
  item.fmt &= ~(HDF_SORTUP | HDF_SORTDOWN);
  if (arrow == saAscending) item.fmt |= HDF_SORTUP;
  if (arrow == saDescending) item.fmt |= HDF_SORTDOWN;
  SendMessageW(FhWndHeader, HDM_SETITEMW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&item));
  InvalidateRect(FhWndHeader, nullptr, FALSE);
}

void TsListView::ResizeNotify(const NMHEADERW& header) {
  const TsColumnResizeEvent* event = nullptr;
  switch (header.hdr.code) {
    case HDN_TRACKW: event = &OnColumnResize; break;
    case HDN_ENDTRACKW: event = &OnEndColumnResize; break;
    case HDN_BEGINTRACKW: event = &OnBeginColumnResize; break;
    default: return;
  }
  if (!*event) return;
  const int width = header.pitem && (header.pitem->mask & HDI_WIDTH) ? header.pitem->cxy : -1;
  (*event)(this, header.iItem, width);
}

void TsListView::TrackHotItem() {
  if (!NewStyleItems || !ReportSkinned() || GetCapture()) return;
  POINT at{};
  GetCursorPos(&at);
  ::ScreenToClient(Handle(), &at);
  LVHITTESTINFO hit{};
  hit.pt = at;
  const int index = static_cast<int>(SendMessageW(Handle(), LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
  if (index == HotItem) return;
  // The old hot row loses its mark; the new one is painted and becomes hot there.
  ForgetHotItem();
  RECT r{LVIR_BOUNDS, 0, 0, 0};
  if (index >= 0 && SendMessageW(Handle(), LVM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r))) {
    InvalidateRect(Handle(), &r, FALSE);
  }
}

void TsListView::InvalidateSelectedRows() {
  HWND window = Handle();
  // Only the rows on screen: a long list may hold many selected rows.
  const int top = ViewStyle() == vsReport ? static_cast<int>(SendMessageW(window, LVM_GETTOPINDEX, 0, 0)) : 0;
  const int last = ViewStyle() == vsReport ? top + static_cast<int>(SendMessageW(window, LVM_GETCOUNTPERPAGE, 0, 0))
                                           : ListCount() - 1;
  int index = static_cast<int>(SendMessageW(window, LVM_GETNEXTITEM, static_cast<WPARAM>(top - 1), LVNI_SELECTED));
  while (index >= 0 && index <= last) {
    RECT r{LVIR_BOUNDS, 0, 0, 0};
    if (SendMessageW(window, LVM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r))) {
      InvalidateRect(window, &r, FALSE);
    }
    index = static_cast<int>(SendMessageW(window, LVM_GETNEXTITEM, static_cast<WPARAM>(index), LVNI_SELECTED));
  }
}

void TsListView::ForgetHotItem() {
  if (HotItem < 0) return;
  RECT r{LVIR_BOUNDS, 0, 0, 0};
  if (HandleAllocated() &&
      SendMessageW(Handle(), LVM_GETITEMRECT, static_cast<WPARAM>(HotItem), reinterpret_cast<LPARAM>(&r))) {
    InvalidateRect(Handle(), &r, FALSE);
  }
  HotItem = -1;
}

void TsListView::Scroll(TMessage& message) {
  HWND window = Handle();
  const bool vertical = message.Msg == WM_VSCROLL;
  const int code = LOWORD(message.WParam);
  if (vertical) RefreshScrollBars(ListSW.get(), false);
  if (code != SB_THUMBTRACK && code != SB_THUMBPOSITION) {
    message.LParam = 0;
    TListView::WndProc(message);
    if (!vertical) RepaintHeader();
    return;
  }
  // The 32-bit position from the wrapper (the message's 16-bit field wraps past 65,535 rows).
  SCROLLINFO info{sizeof(info), SIF_TRACKPOS | SIF_POS, 0, 0, 0, 0, 0};
  GetScrollInfo(window, vertical ? SB_VERT : SB_HORZ, &info);
  const int position = message.LParam ? static_cast<int>(message.LParam) : info.nTrackPos;
  // A report list with groups scrolls by pixels, as its bar counts; without
  // them the bar counts rows.
  const bool byRows = vertical && ViewStyle() == vsReport && !GroupView();
  const int last = byRows ? static_cast<int>(SendMessageW(window, LVM_GETTOPINDEX, 0, 0)) : info.nPos;
  int d = position - last;
  if (d == 0) return;
  if (byRows) {
    RECT r{LVIR_BOUNDS, 0, 0, 0};
    SendMessageW(window, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&r));
    d *= std::max<int>(1, r.bottom - r.top);
  }
  if (vertical) {
    // The platform moves the picture and invalidates only the strip uncovered.
    SendMessageW(window, LVM_SCROLL, 0, d);
    UpdateWindow(window);
  } else {
    SendMessageW(window, LVM_SCROLL, d, 0);
    UpdateWindow(window);
    RepaintHeader();
  }
  message.Result = 0;
}

void TsListView::PrintClient(TMessage& message) {
  HDC dc = reinterpret_cast<HDC>(message.WParam);
  HWND window = Handle();
  const int saved = SaveDC(dc);
  if (message.LParam & PRF_NONCLIENT) {
    // Handed on from WM_PRINT: the context is the whole window's, and the
    // rows belong inside the wrapper's edges.
    RECT bounds{};
    GetWindowRect(window, &bounds);
    POINT client{0, 0};
    ::ClientToScreen(window, &client);
    OffsetViewportOrgEx(dc, client.x - bounds.left, client.y - bounds.top, nullptr);
  }
  RECT client{};
  GetClientRect(window, &client);
  IntersectClipRect(dc, client.left, client.top, client.right, client.bottom);
  TListView::WndProc(message);
  // The header is a child: printing the list alone leaves it out.
  if (FhWndHeader && IsWindowVisible(FhWndHeader)) {
    RECT header{};
    GetWindowRect(FhWndHeader, &header);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&header), 2);
    const int inner = SaveDC(dc);
    OffsetViewportOrgEx(dc, header.left, header.top, nullptr);
    IntersectClipRect(dc, 0, 0, header.right - header.left, header.bottom - header.top);
    PaintHeader(dc);
    RestoreDC(dc, inner);
  }
  RestoreDC(dc, saved);
  message.Result = 0;
}

bool TsListView::SkinCommand(TMessage& message) {
  const uint16_t code = SkinCommandCode(message.WParam);
  const bool own = message.LParam == reinterpret_cast<LPARAM>(SkinData.SkinManager());
  switch (code) {
    case SKC_SKIN_LOADED:
      SkinData.CommandHandler(message);
      if (own) InitControl(SkinActive());
      return true;
    case SKC_SKIN_REMOVED:
      if (!own) return SkinData.CommandHandler(message);
      SkinData.CommandHandler(message);
      ListSW.reset();
      if (!SkinData.CustomColor()) SetColor(clWindow);
      if (!SkinData.CustomFont()) Font().SetColor(clWindowText);
      InitControl(false);
      HotItem = -1;
      HoverColIndex = -2;
      FPressedColumn = -1;
      if (HandleAllocated()) {
        SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                     SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        RedrawWindow(Handle(), nullptr, nullptr,
                     RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
      }
      return true;
    case SKC_REFRESH:
      if (!own) return SkinData.CommandHandler(message);
      SkinData.CommandHandler(message);
      InitControl(SkinActive());
      if (SkinActive() && !ComponentState().Contains(csLoading)) {
        ApplySkinColors();
        AttachWrapper();
        if (HandleAllocated()) {
          RedrawWindow(Handle(), nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
        }
        RepaintHeader();
      }
      return true;
    case SKC_PARENT_UPDATED:
      if (!SkinData.Updating()) {
        SkinData.PrintDC = nullptr;
        RepaintHeader();
      }
      return true;
    case SKC_IS_SKINNED:
      message.Result = 1;
      return true;
    case SKC_BEFORE_SCROLL:
      // The wrapper then passes the 32-bit position along with the scroll message.
      message.Result = 1;
      return true;
    case SKC_AFTER_SCROLL:
      message.Result = 1;
      return true;
    case SKC_GET_UPDATING:
      message.Result = SkinData.Updating() ? 1 : 0;
      return true;
    case SKC_GET_APPLICATION:
      message.Result = reinterpret_cast<LRESULT>(Application);
      return true;
    default:
      return SkinData.CommandHandler(message);
  }
}

HIMAGELIST TsListView::DragImage(int index, POINT* at) {
  HWND window = Handle();
  if (index < 0 || index >= static_cast<int>(SendMessageW(window, LVM_GETITEMCOUNT, 0, 0))) return nullptr;
  RECT bounds{LVIR_BOUNDS, 0, 0, 0};
  if (!SendMessageW(window, LVM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&bounds))) {
    return nullptr;
  }
  const int width = bounds.right - bounds.left, height = bounds.bottom - bounds.top;
  if (width <= 0 || height <= 0) return nullptr;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HDC screen = GetDC(window);
  HBITMAP picture = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HIMAGELIST images = nullptr;
  if (picture) {
    HDC memory = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(memory, picture);
    BitBlt(memory, 0, 0, width, height, screen, bounds.left, bounds.top, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
    GdiFlush();
    auto* pixel = static_cast<uint32_t*>(bits);
    for (int i = 0; i < width * height; ++i) pixel[i] |= 0xFF000000u;
    images = ImageList_Create(width, height, ILC_COLOR32, 1, 1);
    if (images && ImageList_Add(images, picture, nullptr) < 0) {
      ImageList_Destroy(images);
      images = nullptr;
    }
    DeleteObject(picture);
  }
  ReleaseDC(window, screen);
  if (images && at) *at = POINT{bounds.left, bounds.top};
  return images;
}

void TsListView::WndProc(TMessage& message) {
  if (message.Msg == SKM_COMMAND) {
    if (!SkinCommand(message)) TListView::WndProc(message);
    return;
  }
  if (message.Msg == WM_DESTROY) UnhookHeader();
  if (!SkinActive() || !HandleAllocated()) {
    TListView::WndProc(message);
    FBoundLabel.Follow(message.Msg);
    if (message.Msg == CM_SHOWINGCHANGED) AttachWrapper();  // frees a wrapper left from a skin gone
    SkinData.CommonMessage(message);
    return;
  }
  switch (message.Msg) {
    case WM_VSCROLL:
    case WM_HSCROLL:
      // A list has no scroll bar controls: LParam is 0 or the wrapper's 32-bit position.
      Scroll(message);
      return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      TListView::WndProc(message);
      SkinData.CommonMessage(message);
      InvalidateSelectedRows();  // their mark follows the focus
      return;
    case WM_PARENTNOTIFY:
      if (LOWORD(message.WParam) == WM_CREATE) {
        wchar_t name[32]{};
        GetClassNameW(reinterpret_cast<HWND>(message.LParam), name, 32);
        if (lstrcmpiW(name, WC_HEADERW) == 0) HookHeader(reinterpret_cast<HWND>(message.LParam));
      }
      break;
    case WM_MEASUREITEM:
    case CN_MEASUREITEM:
      if (ViewStyle() == vsReport && OnMeasureItem) {
        auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(message.LParam);
        int height = static_cast<int>(measure->itemHeight);
        OnMeasureItem(this, height);
        measure->itemHeight = static_cast<UINT>(height);
        message.Result = 1;
        return;
      }
      break;
    case WM_PRINTCLIENT:
    case WM_PAINT:  // the wrapper hands a print on as a paint into the given context
      if (ViewStyle() == vsReport && ListSW && message.WParam) {
        PrintClient(message);
        SkinData.CommonMessage(message);
        return;
      }
      break;
    case LVM_CREATEDRAGIMAGE:
      message.Result = reinterpret_cast<LRESULT>(
          DragImage(static_cast<int>(message.WParam), reinterpret_cast<POINT*>(message.LParam)));
      return;
    case LVM_SETCOLUMNW:
    case LVM_INSERTCOLUMNW: {
      // A column without image does not ask for one.
      auto* column = reinterpret_cast<LVCOLUMNW*>(message.LParam);
      if (column && (column->mask & LVCF_IMAGE) && column->iImage < 0) column->mask &= ~LVCF_IMAGE;
      break;
    }
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(message.LParam);
      if (header->hwndFrom == FhWndHeader && FhWndHeader) {
        ResizeNotify(*reinterpret_cast<const NMHEADERW*>(message.LParam));
      }
      break;
    }
    default:
      break;
  }
  TListView::WndProc(message);
  FBoundLabel.Follow(message.Msg);
  SkinData.CommonMessage(message);
  if (!HandleAllocated()) return;
  switch (message.Msg) {
    case LVM_INSERTITEMA:
    case LVM_INSERTITEMW:
    case LVM_DELETEITEM:
    case LVM_DELETEALLITEMS:
    case LVM_SETITEMCOUNT:
    case LVM_REDRAWITEMS:
      if (!SkinData.Updating()) RefreshScrollBars(ListSW.get());
      break;
    case WM_STYLECHANGED:
      // A view change may move the rows: the list settles and the bars follow.
      if (!ComponentState().Contains(csReading)) {
        SendMessageW(Handle(), LVM_SCROLL, 0, 0);
        RefreshScrollBars(ListSW.get());
      }
      break;
    case WM_MOUSEMOVE:
      TrackHotItem();
      break;
    case CM_MOUSELEAVE:
      ForgetHotItem();
      if (HoverColIndex != -2 || FPressedColumn != -1) {
        HoverColIndex = -2;
        FPressedColumn = -1;
        RepaintHeader();
      }
      break;
    case CM_SHOWINGCHANGED:
      AttachWrapper();
      break;
    case WM_SIZE:
    case WM_MOVE:
    case WM_WINDOWPOSCHANGED:
    case CM_VISIBLECHANGED:
    case CM_ENABLEDCHANGED:
      if (!ComponentState().Contains(csDestroying)) {
        if (message.Msg == WM_SIZE) SkinData.BGChanged = true;
        SendMessageW(Handle(), WM_NCPAINT, 1, 0);
      }
      break;
    default:
      break;
  }
}
