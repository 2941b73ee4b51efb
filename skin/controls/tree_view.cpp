#include "skin/controls/tree_view.h"

#include "framework/folder_picker/shell_tree_view.h"

#include <algorithm>

#include "framework/application/application.h"
#include "skin/controls/selection_label.h"
#include "skin/store/skin_manager.h"
#include "skin/window/scroll_attach.h"

template <class Tree>
TsTreeViewOf<Tree>::TsTreeViewOf(TComponent* owner) : Tree(owner), SkinData(this, true), FBoundLabel(this, &SkinData) {
  SkinData.COC = 96;
  if (SkinData.SkinSection().empty()) SkinData.SetSkinSection("EDIT");
}

template <class Tree>
TsTreeViewOf<Tree>::~TsTreeViewOf() { ListSW.reset(); }

template <class Tree>
void TsTreeViewOf<Tree>::Loaded() {
  Tree::Loaded();
  SkinData.Loaded();
  AttachWrapper();
  TakeOverItemDrawing();
}

template <class Tree>
bool TsTreeViewOf<Tree>::SkinActive() const {
  TsSkinManager* manager = SkinData.SkinManager();
  return manager && manager->Active() && SkinData.Skinned();
}

template <class Tree>
void TsTreeViewOf<Tree>::CreateWnd() {
  Tree::CreateWnd();
  TakeOverItemDrawing();
  if (SkinActive()) ApplySkinColors();
}

template <class Tree>
void TsTreeViewOf<Tree>::TakeOverItemDrawing() {
  if (FDrawingTaken) return;
  FDrawingTaken = true;
  // A handler assigned before is kept and still called first.
  FKeptCustomDrawItem = std::move(this->OnAdvancedCustomDrawItem);
  this->OnAdvancedCustomDrawItem = [this](TTreeView* sender, NMTVCUSTOMDRAW& draw, bool prePaint, bool& defaultDraw) {
    if (FKeptCustomDrawItem) FKeptCustomDrawItem(sender, draw, prePaint, defaultDraw);
    if (!defaultDraw || prePaint || !SkinActive()) return;
    DrawSelection(draw);
  };
}

template <class Tree>
void TsTreeViewOf<Tree>::ApplySkinColors() {
  const auto* section = SkinData.Section();
  if (!section) return;
  if (!SkinData.CustomColor()) this->SetColor(SkinData.BackgroundColor(0));
  if (!SkinData.CustomFont()) this->Font().SetColor(section->Props[0].FontColor.Color);
}

template <class Tree>
void TsTreeViewOf<Tree>::AttachWrapper() {
  if (this->HandleAllocated()) AttachScrollBars(SkinData, ListSW, TScrollWndKind::Tree, true);
}

template <class Tree>
void TsTreeViewOf<Tree>::DrawSelection(NMTVCUSTOMDRAW& draw) {
  HWND window = this->Handle();
  const auto item = reinterpret_cast<HTREEITEM>(draw.nmcd.dwItemSpec);
  if (reinterpret_cast<HTREEITEM>(SendMessageW(window, TVM_GETNEXTITEM, TVGN_CARET, 0)) != item) return;
  const bool focused = GetFocus() == window;
  if (!focused && this->HideSelection()) return;
  TSelectionLabel label;
  label.Rect = this->ItemRect(item, true);
  wchar_t text[261]{};
  TVITEMW info{};
  info.mask = TVIF_TEXT | TVIF_HANDLE;
  info.hItem = item;
  info.pszText = text;
  info.cchTextMax = 260;
  SendMessageW(window, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&info));
  label.Text = text;
  label.TextRect = RECT{2, 0, label.Rect.right - label.Rect.left - 1, label.Rect.bottom - label.Rect.top};
  label.Format = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_NOCLIP | DT_EXPANDTABS;
  label.Focused = focused;
  label.FocusState = (draw.nmcd.uItemState & CDIS_FOCUS) != 0;
  label.Enabled = this->Enabled();
  label.Background = this->Color();
  if (PaintSelectionLabel(draw.nmcd.hdc, label, this->Font(), SkinData.SkinManager())) ++SelectionPaints;
}

template <class Tree>
bool TsTreeViewOf<Tree>::SkinCommand(TMessage& message) {
  const uint16_t code = SkinCommandCode(message.WParam);
  const bool own = message.LParam == reinterpret_cast<LPARAM>(SkinData.SkinManager());
  switch (code) {
    case SKC_SKIN_REMOVED:
      if (!own) return SkinData.CommandHandler(message);
      ListSW.reset();
      if (this->HandleAllocated()) {
        SetWindowPos(this->Handle(), nullptr, 0, 0, 0, 0,
                     SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      }
      SkinData.CommandHandler(message);
      if (!SkinData.CustomColor()) this->SetColor(clWindow);
      if (!SkinData.CustomFont()) this->Font().SetColor(clWindowText);
      return true;
    case SKC_REFRESH:
      SkinData.CommandHandler(message);
      if (own && SkinActive()) {
        ApplySkinColors();
        AttachWrapper();
      }
      return true;
    case SKC_PARENT_UPDATED:
      if (SkinData.Updating()) {
        SkinData.SetUpdating(false);
        if (this->HandleAllocated()) SendMessageW(this->Handle(), WM_NCPAINT, 1, 0);
      }
      return true;
    case SKC_IS_SKINNED:
      message.Result = 1;
      return true;
    case SKC_GET_APPLICATION:
      message.Result = reinterpret_cast<LRESULT>(Application);
      return true;
    default:
      return SkinData.CommandHandler(message);
  }
}

template <class Tree>
void TsTreeViewOf<Tree>::WndProc(TMessage& message) {
  if (message.Msg == SKM_COMMAND) {
    if (!SkinCommand(message)) Tree::WndProc(message);
    return;
  }
  if (SkinActive()) {
    switch (message.Msg) {
      case WM_MOVE:
      case CM_VISIBLECHANGED:
      case CM_ENABLEDCHANGED:
        SkinData.BGChanged = true;
        break;
      case WM_SETREDRAW:
        SkinData.SetUpdating(message.WParam == 0);
        break;
      default:
        break;
    }
  }
  Tree::WndProc(message);
  SkinData.CommonMessage(message);
  FBoundLabel.Follow(message.Msg);
  if (message.Msg == CM_SHOWINGCHANGED) AttachWrapper();
}

template class TsTreeViewOf<TTreeView>;
template class TsTreeViewOf<TShellTreeView>;
