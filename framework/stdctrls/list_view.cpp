#include "framework/stdctrls/list_view.h"

#include <algorithm>

#include "framework/stdctrls/common_controls.h"

namespace {

constexpr DWORD kViewStyles[] = {LVS_ICON, LVS_SMALLICON, LVS_LIST, LVS_REPORT};

}  // namespace

TListView::TListView(TComponent* owner)
    : TWinControl(owner), FColumns(*this), FItems(*this), FGroups(*this) {
  ControlStyle() = TControlStyle{csCaptureMouse, csClickEvents, csDoubleClicks};
  SetTabStop(true);
  SetBounds(0, 0, 250, 150);
}

TListView::~TListView() {
  // The window goes first: its last notifications still find the rows.
  Destroying();
  DestroyHandle();
}

void TListView::CreateParams(TCreateParams& params) {
  EnsureCommonControls(ICC_LISTVIEW_CLASSES);
  TWinControl::CreateParams(params);
  params.SubClass(WC_LISTVIEWW);
  params.Style |= kViewStyles[FViewStyle] | LVS_SHAREIMAGELISTS;
  if (!FMultiSelect) params.Style |= LVS_SINGLESEL;
  if (!FReadOnly) params.Style |= LVS_EDITLABELS;
  if (!FHideSelection) params.Style |= LVS_SHOWSELALWAYS;
  if (FOwnerData) params.Style |= LVS_OWNERDATA;
  params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TListView::CreateWnd() {
  TWinControl::CreateWnd();
  HWND window = Handle();
  SendMessageW(window, LVM_SETEXTENDEDLISTVIEWSTYLE, FExStyle, FExStyle);
  SendMessageW(window, LVM_SETBKCOLOR, 0, static_cast<LPARAM>(ColorToRGB(Color())));
  SendMessageW(window, LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(ColorToRGB(Color())));
  SendMessageW(window, LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(ColorToRGB(Font().Color())));
  FColumns.InsertAll(window);
  // Groups before rows: a row names its group as it goes in.
  if (FGroupHeaderImages) SendMessageW(window, LVM_SETIMAGELIST, LVSIL_GROUPHEADER, reinterpret_cast<LPARAM>(FGroupHeaderImages));
  FGroups.InsertAll(window);
  if (FGroupView) SendMessageW(window, LVM_ENABLEGROUPVIEW, TRUE, 0);
  FItems.InsertAll(window);
  if (FOwnerData && OnData) SendMessageW(window, LVM_SETITEMCOUNT, static_cast<WPARAM>(FDataCount), 0);
}

void TListView::SetDataCount(int count) {
  FDataCount = count < 0 ? 0 : count;
  if (!HandleAllocated() || !FOwnerData) return;
  SendMessageW(Handle(), LVM_SETITEMCOUNT, static_cast<WPARAM>(FDataCount), LVSICF_NOSCROLL);
  InvalidateRect(Handle(), nullptr, FALSE);
}

void TListView::UpdateRows(int first, int last) {
  if (!HandleAllocated()) return;
  // Only the rows on screen are redrawn: the others are asked for when they
  // come into view, and invalidating each of thousands of rows costs the
  // platform a round trip apiece.
  if (FViewStyle == vsReport) {
    const int top = static_cast<int>(SendMessageW(Handle(), LVM_GETTOPINDEX, 0, 0));
    const int page = static_cast<int>(SendMessageW(Handle(), LVM_GETCOUNTPERPAGE, 0, 0));
    first = std::max(first, top);
    last = std::min(last, top + page);  // the partly shown row below the page too
    if (first > last) return;
  }
  SendMessageW(Handle(), LVM_REDRAWITEMS, static_cast<WPARAM>(first), static_cast<LPARAM>(last));
}

void TListView::SetExStyle(DWORD flag, bool on) {
  FExStyle = on ? (FExStyle | flag) : (FExStyle & ~flag);
  if (HandleAllocated()) {
    SendMessageW(Handle(), LVM_SETEXTENDEDLISTVIEWSTYLE, flag, on ? flag : 0);
  }
}

void TListView::ChangeStyle() {
  if (!HandleAllocated()) return;
  FItems.StoreStates(Handle());
  RecreateWnd();
}

void TListView::SetViewStyle(TViewStyle style) {
  if (style == FViewStyle) return;
  FViewStyle = style;
  if (!HandleAllocated()) return;
  // The platform changes views on a style change; making the window again
  // would cost every row a new insert and lose what hooks it.
  const LONG_PTR current = GetWindowLongPtrW(Handle(), GWL_STYLE);
  SetWindowLongPtrW(Handle(), GWL_STYLE, (current & ~static_cast<LONG_PTR>(LVS_TYPEMASK)) | kViewStyles[style]);
}

void TListView::SetGroupView(bool value) {
  if (value == FGroupView) return;
  FGroupView = value;
  if (HandleAllocated()) SendMessageW(Handle(), LVM_ENABLEGROUPVIEW, value ? TRUE : FALSE, 0);
}

void TListView::SetGroupHeaderImages(HIMAGELIST images) {
  if (images == FGroupHeaderImages) return;
  FGroupHeaderImages = images;
  if (HandleAllocated()) {
    SendMessageW(Handle(), LVM_SETIMAGELIST, LVSIL_GROUPHEADER, reinterpret_cast<LPARAM>(images));
  }
}

void TListView::SetMultiSelect(bool value) {
  if (value == FMultiSelect) return;
  FMultiSelect = value;
  ChangeStyle();
}

void TListView::SetReadOnly(bool value) {
  if (value == FReadOnly) return;
  FReadOnly = value;
  ChangeStyle();
}

void TListView::SetOwnerData(bool value) {
  if (value == FOwnerData) return;
  FOwnerData = value;
  ChangeStyle();
}

void TListView::SetHideSelection(bool value) {
  if (value == FHideSelection) return;
  FHideSelection = value;
  ChangeStyle();
}

TListItem* TListView::Selected() {
  if (!HandleAllocated()) {
    for (int i = 0; i < FItems.Count(); ++i) {
      if (FItems[i].Selected()) return &FItems[i];
    }
    return nullptr;
  }
  const auto index = static_cast<int>(SendMessageW(Handle(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
  return index >= 0 && index < FItems.Count() ? &FItems[index] : nullptr;
}

LRESULT TListView::CustomDraw(NMLVCUSTOMDRAW& draw) {
  const DWORD stage = draw.nmcd.dwDrawStage;
  const bool subItems = OnAdvancedCustomDrawSubItem || OnCustomDrawSubItem;
  const bool items = OnAdvancedCustomDrawItem || subItems;
  bool defaultDraw = true;
  switch (stage) {
    case CDDS_PREPAINT: {
      if (OnAdvancedCustomDraw) OnAdvancedCustomDraw(this, draw, cdPrePaint, defaultDraw);
      if (!defaultDraw) return CDRF_SKIPDEFAULT;
      LRESULT result = items ? CDRF_NOTIFYITEMDRAW : CDRF_DODEFAULT;
      if (OnAdvancedCustomDraw) result |= CDRF_NOTIFYPOSTPAINT;
      return result;
    }
    case CDDS_POSTPAINT:
      if (OnAdvancedCustomDraw) OnAdvancedCustomDraw(this, draw, cdPostPaint, defaultDraw);
      return CDRF_DODEFAULT;
    case CDDS_ITEMPREPAINT: {
      if (OnAdvancedCustomDrawItem) OnAdvancedCustomDrawItem(this, draw, cdPrePaint, defaultDraw);
      if (!defaultDraw) return CDRF_SKIPDEFAULT;
      LRESULT result = subItems ? CDRF_NOTIFYSUBITEMDRAW : CDRF_DODEFAULT;
      if (OnAdvancedCustomDrawItem) result |= CDRF_NOTIFYPOSTPAINT;
      return result;
    }
    case CDDS_ITEMPOSTPAINT:
      if (OnAdvancedCustomDrawItem) OnAdvancedCustomDrawItem(this, draw, cdPostPaint, defaultDraw);
      return CDRF_DODEFAULT;
    case CDDS_SUBITEM | CDDS_ITEMPREPAINT:
      if (OnCustomDrawSubItem) OnCustomDrawSubItem(this, draw, defaultDraw);
      if (defaultDraw && OnAdvancedCustomDrawSubItem) OnAdvancedCustomDrawSubItem(this, draw, cdPrePaint, defaultDraw);
      if (!defaultDraw) return CDRF_SKIPDEFAULT;
      return OnAdvancedCustomDrawSubItem ? CDRF_NOTIFYPOSTPAINT : CDRF_DODEFAULT;
    case CDDS_SUBITEM | CDDS_ITEMPOSTPAINT:
      if (OnAdvancedCustomDrawSubItem) OnAdvancedCustomDrawSubItem(this, draw, cdPostPaint, defaultDraw);
      return CDRF_DODEFAULT;
    default:
      return CDRF_DODEFAULT;
  }
}

void TListView::ReflectedNotify(TMessage& message) {
  const auto* header = reinterpret_cast<const NMHDR*>(message.LParam);
  switch (header->code) {
    case NM_CUSTOMDRAW:
      message.Result = CustomDraw(*reinterpret_cast<NMLVCUSTOMDRAW*>(message.LParam));
      return;
    case LVN_GETDISPINFOW: {
      auto* info = reinterpret_cast<NMLVDISPINFOW*>(message.LParam);
      LVITEMW& item = info->item;
      if (FOwnerData && OnData) {
        if (!(item.mask & LVIF_TEXT) || item.iItem < 0 || item.iItem >= FDataCount) return;
        if (!item.pszText || item.cchTextMax <= 0) return;
        FDataText.clear();
        OnData(item.iItem, item.iSubItem, FDataText);
        lstrcpynW(item.pszText, FDataText.c_str(), item.cchTextMax);
        return;
      }
      if (!(item.mask & LVIF_TEXT) || item.iItem < 0 || item.iItem >= FItems.Count()) return;
      if (!item.pszText || item.cchTextMax <= 0) return;
      lstrcpynW(item.pszText, FItems[item.iItem].ColumnText(item.iSubItem).c_str(), item.cchTextMax);
      return;
    }
    case LVN_ITEMCHANGED: {
      const auto* change = reinterpret_cast<const NMLISTVIEW*>(message.LParam);
      const bool wasSelected = (change->uOldState & LVIS_SELECTED) != 0;
      const bool selected = (change->uNewState & LVIS_SELECTED) != 0;
      if ((change->uChanged & LVIF_STATE) && wasSelected != selected && OnSelectItem &&
          change->iItem >= 0 && change->iItem < FItems.Count()) {
        OnSelectItem(this, &FItems[change->iItem], selected);
      }
      return;
    }
    default:
      return;
  }
}

void TListView::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CN_NOTIFY:
      ReflectedNotify(message);
      return;
    case CM_COLORCHANGED:
      if (HandleAllocated()) {
        SendMessageW(Handle(), LVM_SETBKCOLOR, 0, static_cast<LPARAM>(ColorToRGB(Color())));
        SendMessageW(Handle(), LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(ColorToRGB(Color())));
        Invalidate();
      }
      break;
    case CM_FONTCHANGED:
      if (HandleAllocated()) {
        SendMessageW(Handle(), LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(ColorToRGB(Font().Color())));
      }
      break;
    default:
      break;
  }
  TWinControl::WndProc(message);
}
