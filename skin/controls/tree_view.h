#pragma once
// TsTreeView: the framework's tree view with a skinned frame and scroll bars
// (a scroll wrapper), the section's colours (section "EDIT") and its selected
// node drawn from "SELECTION" (else the skin's highlight colours). The
// platform still draws the tree; the selection is laid over the node's text
// after the platform drew the item, because skipping the platform's drawing
// of an item loses its icon, lines and button too.

#include <memory>

#include "framework/stdctrls/tree_view.h"
#include "skin/controls/label.h"
#include "skin/core/common_data.h"
#include "skin/window/scroll_wnd.h"

// The skin's look over any tree of the framework (the plain one, the shell's
// folder tree), so the skinned classes keep the ordinary ones' behaviour.
template <class Tree>
class TsTreeViewOf : public Tree {
 public:
  explicit TsTreeViewOf(TComponent* owner);
  ~TsTreeViewOf() override;

  TsCtrlSkinData SkinData;
  TsBoundLabel& BoundLabel() { return FBoundLabel; }
  TacScrollWnd* ScrollWnd() const { return ListSW.get(); }
  // Selections painted by the skin so far (for the idleness checks).
  int SelectionPaints = 0;

  void WndProc(TMessage& message) override;
  void Loaded() override;

 protected:
  void CreateWnd() override;

 private:
  bool SkinActive() const;
  void AttachWrapper();
  void ApplySkinColors();
  void TakeOverItemDrawing();
  bool SkinCommand(TMessage& message);
  void DrawSelection(NMTVCUSTOMDRAW& draw);

  TTVAdvancedCustomDrawItemEvent FKeptCustomDrawItem;
  bool FDrawingTaken = false;
  std::unique_ptr<TacScrollWnd> ListSW;
  TsBoundLabel FBoundLabel;
};

class TsTreeView : public TsTreeViewOf<TTreeView> {
 public:
  using TsTreeViewOf::TsTreeViewOf;
  std::wstring ClassName() const override { return L"TsTreeView"; }
};
