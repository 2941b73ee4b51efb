#include "skin/controls/tree_view.h"

#include <algorithm>

#include "framework/application/application.h"
#include "skin/controls/selection_label.h"
#include "skin/store/skin_manager.h"
#include "skin/window/scroll_attach.h"

TsTreeView::TsTreeView(TComponent* owner) : TTreeView(owner), SkinData(this, true), FBoundLabel(this, &SkinData) {
  SkinData.COC = 96;
  if (SkinData.SkinSection().empty()) SkinData.SetSkinSection("EDIT");
}

TsTreeView::~TsTreeView() { ListSW.reset(); }

void TsTreeView::Loaded() {
  TTreeView::Loaded();
  SkinData.Loaded();
  AttachWrapper();
  TakeOverItemDrawing();
}

bool TsTreeView::SkinActive() const {
  TsSkinManager* manager = SkinData.SkinManager();
  return manager && manager->Active() && SkinData.Skinned();
}

void TsTreeView::CreateWnd() {
  TTreeView::CreateWnd();
  TakeOverItemDrawing();
  if (SkinActive()) ApplySkinColors();
}

void TsTreeView::TakeOverItemDrawing() {
  if (FDrawingTaken) return;
  FDrawingTaken = true;
  // A handler assigned before is kept and still called first.
  FKeptCustomDrawItem = std::move(OnAdvancedCustomDrawItem);
  OnAdvancedCustomDrawItem = [this](TTreeView* sender, NMTVCUSTOMDRAW& draw, bool prePaint, bool& defaultDraw) {
    if (FKeptCustomDrawItem) FKeptCustomDrawItem(sender, draw, prePaint, defaultDraw);
    if (!defaultDraw || prePaint || !SkinActive()) return;
    DrawSelection(draw);
  };
}

void TsTreeView::ApplySkinColors() {
  const auto* section = SkinData.Section();
  if (!section) return;
  if (!SkinData.CustomColor()) SetColor(SkinData.BackgroundColor(0));
  if (!SkinData.CustomFont()) Font().SetColor(section->Props[0].FontColor.Color);
}

void TsTreeView::AttachWrapper() {
  if (HandleAllocated()) AttachScrollBars(SkinData, ListSW, TScrollWndKind::Tree, true);
}

void TsTreeView::DrawSelection(NMTVCUSTOMDRAW& draw) {
  HWND window = Handle();
  const auto item = reinterpret_cast<HTREEITEM>(draw.nmcd.dwItemSpec);
  if (reinterpret_cast<HTREEITEM>(SendMessageW(window, TVM_GETNEXTITEM, TVGN_CARET, 0)) != item) return;
  const bool focused = GetFocus() == window;
  if (!focused && HideSelection()) return;
  TSelectionLabel label;
  label.Rect = ItemRect(item, true);
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
  label.Enabled = Enabled();
  label.Background = Color();
  if (PaintSelectionLabel(draw.nmcd.hdc, label, Font(), SkinData.SkinManager())) ++SelectionPaints;
}

bool TsTreeView::SkinCommand(TMessage& message) {
  const uint16_t code = SkinCommandCode(message.WParam);
  const bool own = message.LParam == reinterpret_cast<LPARAM>(SkinData.SkinManager());
  switch (code) {
    case SKC_SKIN_REMOVED:
      if (!own) return SkinData.CommandHandler(message);
      ListSW.reset();
      if (HandleAllocated()) {
        SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                     SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      }
      SkinData.CommandHandler(message);
      if (!SkinData.CustomColor()) SetColor(clWindow);
      if (!SkinData.CustomFont()) Font().SetColor(clWindowText);
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
        if (HandleAllocated()) SendMessageW(Handle(), WM_NCPAINT, 1, 0);
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

void TsTreeView::WndProc(TMessage& message) {
  if (message.Msg == SKM_COMMAND) {
    if (!SkinCommand(message)) TTreeView::WndProc(message);
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
  TTreeView::WndProc(message);
  SkinData.CommonMessage(message);
  FBoundLabel.Follow(message.Msg);
  if (message.Msg == CM_SHOWINGCHANGED) AttachWrapper();
}
