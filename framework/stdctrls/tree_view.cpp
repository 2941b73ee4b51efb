#include "framework/stdctrls/tree_view.h"

#include <cstring>

#include "framework/graphics/image_list.h"
#include "framework/stdctrls/common_controls.h"

TTreeView::TTreeView(TComponent* owner) : TWinControl(owner), FItems(*this) {
  ControlStyle() = TControlStyle{csCaptureMouse, csClickEvents, csDoubleClicks};
  SetTabStop(true);
  SetBounds(0, 0, 121, 97);
}

TTreeView::~TTreeView() {
  // The window goes first: its last notifications still find the nodes.
  Destroying();
  DestroyHandle();
}

void TTreeView::CreateParams(TCreateParams& params) {
  EnsureCommonControls(ICC_TREEVIEW_CLASSES);
  TWinControl::CreateParams(params);
  params.SubClass(WC_TREEVIEWW);
  if (FShowLines) params.Style |= TVS_HASLINES;
  if (FShowRoot) params.Style |= TVS_LINESATROOT;
  if (FShowButtons) params.Style |= TVS_HASBUTTONS;
  if (!FReadOnly) params.Style |= TVS_EDITLABELS;
  if (!FHideSelection) params.Style |= TVS_SHOWSELALWAYS;
  params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TTreeView::CreateWnd() {
  TWinControl::CreateWnd();
  HWND window = Handle();
  if (FImages) {
    SendMessageW(window, TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(FImages->Handle()));
  }
  ApplyColors();
  if (FIndent > 0) SendMessageW(window, TVM_SETINDENT, static_cast<WPARAM>(FIndent), 0);
  FItems.InsertAll(window);
  if (TTreeNode* wanted = FSelectionWanted) {
    FSelectionWanted = nullptr;
    wanted->SetSelected(true);
  }
}

void TTreeView::ApplyColors() {
  if (!HandleAllocated()) return;
  // The window and window-text colours stay the platform's own (-1), so they follow the system.
  const TColor back = Color(), text = Font().Color();
  SendMessageW(Handle(), TVM_SETBKCOLOR, 0, back == clWindow ? -1 : static_cast<LPARAM>(ColorToRGB(back)));
  SendMessageW(Handle(), TVM_SETTEXTCOLOR, 0, text == clWindowText ? -1 : static_cast<LPARAM>(ColorToRGB(text)));
  Invalidate();
}

void TTreeView::SetIndent(int indent) {
  FIndent = indent;
  if (HandleAllocated() && indent > 0) SendMessageW(Handle(), TVM_SETINDENT, static_cast<WPARAM>(indent), 0);
}

RECT TTreeView::ItemRect(HTREEITEM item, bool textOnly) {
  RECT r{};
  if (!HandleAllocated() || !item) return r;
  // The request carries the item in the rectangle's first bytes.
  std::memcpy(&r, &item, sizeof(item));
  if (!SendMessageW(Handle(), TVM_GETITEMRECT, textOnly ? TRUE : FALSE, reinterpret_cast<LPARAM>(&r))) r = RECT{};
  return r;
}

bool TTreeView::IsEditing() {
  return HandleAllocated() && SendMessageW(Handle(), TVM_GETEDITCONTROL, 0, 0) != 0;
}

void TTreeView::EndEditing(bool cancel) {
  if (IsEditing()) SendMessageW(Handle(), TVM_ENDEDITLABELNOW, cancel ? TRUE : FALSE, 0);
}

void TTreeView::Edited(TTreeNode& node, const std::wstring& text) { node.SetText(text); }

void TTreeView::ChangeStyle() { RecreateWnd(); }

void TTreeView::SetShowLines(bool value) {
  if (value == FShowLines) return;
  FShowLines = value;
  ChangeStyle();
}

void TTreeView::SetShowRoot(bool value) {
  if (value == FShowRoot) return;
  FShowRoot = value;
  ChangeStyle();
}

void TTreeView::SetShowButtons(bool value) {
  if (value == FShowButtons) return;
  FShowButtons = value;
  ChangeStyle();
}

void TTreeView::SetReadOnly(bool value) {
  if (value == FReadOnly) return;
  FReadOnly = value;
  ChangeStyle();
}

void TTreeView::SetHideSelection(bool value) {
  if (value == FHideSelection) return;
  FHideSelection = value;
  ChangeStyle();
}

void TTreeView::SetImages(TImageList* images) {
  if (FImages) FImages->RemoveFreeNotification(this);
  FImages = images;
  if (images) images->FreeNotification(this);
  if (HandleAllocated()) {
    SendMessageW(Handle(), TVM_SETIMAGELIST, TVSIL_NORMAL,
                 reinterpret_cast<LPARAM>(images ? images->Handle() : nullptr));
  }
}

void TTreeView::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation == opRemove && component == FImages) SetImages(nullptr);
}

TTreeNode* TTreeView::Selected() {
  if (!HandleAllocated()) return FSelectionWanted;
  TVITEMW item{};
  item.mask = TVIF_PARAM | TVIF_HANDLE;
  item.hItem = reinterpret_cast<HTREEITEM>(SendMessageW(Handle(), TVM_GETNEXTITEM, TVGN_CARET, 0));
  if (!item.hItem || !SendMessageW(Handle(), TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item))) return nullptr;
  return NodeOf(item);
}

void TTreeView::SetSelected(TTreeNode* node) {
  if (node) {
    node->SetSelected(true);
  } else if (HandleAllocated()) {
    SendMessageW(Handle(), TVM_SELECTITEM, TVGN_CARET, 0);
  } else {
    FSelectionWanted = nullptr;
  }
}

bool TTreeView::CanExpand(TTreeNode& node) {
  bool allow = true;
  if (OnExpanding) OnExpanding(this, &node, allow);
  // A node that turned out to have no children loses its button.
  if (allow && node.Count() == 0 && node.HasChildren()) node.SetHasChildren(false);
  return allow;
}

void TTreeView::ExpandNode(TTreeNode& node) {
  if (!CanExpand(node)) return;
  node.FExpanded = true;
  if (node.ItemId()) ExpandItem(node.ItemId());
}

void TTreeView::ExpandItem(HTREEITEM item) {
  // Some platforms tell the parent of a first expansion even when code asks for it.
  FExpandingByCode = true;
  SendMessageW(Handle(), TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item));
  FExpandingByCode = false;
}

LRESULT TTreeView::CustomDraw(NMTVCUSTOMDRAW& draw) {
  if (!OnAdvancedCustomDrawItem) return CDRF_DODEFAULT;
  bool defaultDraw = true;
  switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
      return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT:
      OnAdvancedCustomDrawItem(this, draw, true, defaultDraw);
      return defaultDraw ? CDRF_NOTIFYPOSTPAINT : CDRF_SKIPDEFAULT;
    case CDDS_ITEMPOSTPAINT:
      OnAdvancedCustomDrawItem(this, draw, false, defaultDraw);
      return CDRF_DODEFAULT;
    default:
      return CDRF_DODEFAULT;
  }
}

void TTreeView::ReflectedNotify(TMessage& message) {
  const auto* header = reinterpret_cast<const NMHDR*>(message.LParam);
  const auto* tree = reinterpret_cast<const NMTREEVIEWW*>(message.LParam);
  switch (header->code) {
    case NM_CUSTOMDRAW:
      message.Result = CustomDraw(*reinterpret_cast<NMTVCUSTOMDRAW*>(message.LParam));
      return;
    case TVN_ITEMEXPANDINGW:
      if (tree->action == TVE_EXPAND && NodeOf(tree->itemNew) && !FExpandingByCode) {
        message.Result = CanExpand(*NodeOf(tree->itemNew)) ? FALSE : TRUE;
      }
      return;
    case TVN_ITEMEXPANDEDW:
      if (TTreeNode* node = NodeOf(tree->itemNew)) node->FExpanded = tree->action == TVE_EXPAND;
      return;
    case TVN_SELCHANGEDW:
      if (OnChange) OnChange(this, NodeOf(tree->itemNew));
      return;
    case TVN_BEGINLABELEDITW: {
      const auto* info = reinterpret_cast<const NMTVDISPINFOW*>(message.LParam);
      bool allow = !FReadOnly;
      if (allow && OnEditing) OnEditing(this, NodeOf(info->item), allow);
      message.Result = allow ? FALSE : TRUE;
      return;
    }
    case TVN_ENDLABELEDITW: {
      const auto* info = reinterpret_cast<const NMTVDISPINFOW*>(message.LParam);
      TTreeNode* node = NodeOf(info->item);
      // The node sets its own caption; FALSE keeps the platform from writing
      // the typed text over what Edited decided.
      message.Result = FALSE;
      if (!node || !info->item.pszText) return;  // cancelled
      std::wstring text = info->item.pszText;
      if (OnEdited) OnEdited(this, node, text);
      Edited(*node, text);
      return;
    }
    default:
      return;
  }
}

void TTreeView::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CN_NOTIFY:
      return ReflectedNotify(message);
    case CM_COLORCHANGED:
    case CM_FONTCHANGED:
      TWinControl::WndProc(message);
      ApplyColors();
      return;
    case WM_DESTROY:
      // The selection goes over to the next window.
      if (!ComponentState().Contains(csDestroying)) FSelectionWanted = Selected();
      TWinControl::WndProc(message);
      FItems.ForgetItems();
      return;
    default:
      break;
  }
  TWinControl::WndProc(message);
}
