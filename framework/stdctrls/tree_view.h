#pragma once
// TTreeView: the platform's tree view. Nodes with text and image indexes,
// children on demand (OnExpanding fills a node when it is first opened,
// whether the user or the code opens it), a selection change event, and
// captions edited in place (OnEditing may refuse, OnEdited may change the
// text; Edited decides what the node keeps).

#include <windows.h>
#include <commctrl.h>

#include "framework/controls/win_control.h"
#include "framework/stdctrls/tree_nodes.h"

class TImageList;

using TTVExpandingEvent = std::function<void(TObject* sender, TTreeNode* node, bool& allowExpansion)>;
using TTVChangedEvent = std::function<void(TObject* sender, TTreeNode* node)>;
using TTVEditingEvent = std::function<void(TObject* sender, TTreeNode* node, bool& allowEdit)>;
using TTVEditedEvent = std::function<void(TObject* sender, TTreeNode* node, std::wstring& text)>;
class TTreeView;
// One item before (prePaint) or after it is painted; draw.nmcd.dwItemSpec is
// its HTREEITEM. Clearing defaultDraw at pre-paint skips the platform's drawing.
using TTVAdvancedCustomDrawItemEvent =
    std::function<void(TTreeView* sender, NMTVCUSTOMDRAW& draw, bool prePaint, bool& defaultDraw)>;

class TTreeView : public TWinControl {
 public:
  explicit TTreeView(TComponent* owner);
  ~TTreeView() override;
  std::wstring ClassName() const override { return L"TTreeView"; }

  TTreeNodes& Items() { return FItems; }
  // Without a window the selection is kept and given to the window made next.
  TTreeNode* Selected();
  void SetSelected(TTreeNode* node);
  bool ShowLines() const { return FShowLines; }
  void SetShowLines(bool value);
  bool ShowRoot() const { return FShowRoot; }
  void SetShowRoot(bool value);
  bool ShowButtons() const { return FShowButtons; }
  void SetShowButtons(bool value);
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool value);
  // The selection shows only while the tree has the focus; off by default,
  // as the folder picker has always shown its chosen folder.
  bool HideSelection() const { return FHideSelection; }
  void SetHideSelection(bool value);
  TImageList* Images() const { return FImages; }
  void SetImages(TImageList* images);
  // Pixels each level is indented by; 0 keeps the platform's.
  int Indent() const { return FIndent; }
  void SetIndent(int indent);

  // The item's rectangle in client coordinates (textOnly: its caption's);
  // empty when the item is not shown.
  RECT ItemRect(HTREEITEM item, bool textOnly);

  // A caption is being edited in place now.
  bool IsEditing();
  // Ends the editing of a caption: accepted, or cancelled.
  void EndEditing(bool cancel);

  TTVExpandingEvent OnExpanding;
  TTVChangedEvent OnChange;
  TTVEditingEvent OnEditing;
  TTVEditedEvent OnEdited;
  // Asked only when set: an unset tree costs the platform no notifications.
  TTVAdvancedCustomDrawItemEvent OnAdvancedCustomDrawItem;

  // Asks OnExpanding whether the node may open (it may add the children first).
  virtual bool CanExpand(TTreeNode& node);
  // Expands a node for the code: asks CanExpand once, whatever the platform sends.
  void ExpandNode(TTreeNode& node);
  // Opens the item in the window without asking OnExpanding again.
  void ExpandItem(HTREEITEM item);
  void WndProc(TMessage& message) override;
  void Notification(TComponent* component, TOperation operation) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  // An edit of the node's caption ended with `text` (OnEdited already ran):
  // the node takes it. Overrides may refuse (keep the old caption) or raise.
  virtual void Edited(TTreeNode& node, const std::wstring& text);

 private:
  static TTreeNode* NodeOf(const TVITEMW& item) { return reinterpret_cast<TTreeNode*>(item.lParam); }
  void ReflectedNotify(TMessage& message);
  LRESULT CustomDraw(NMTVCUSTOMDRAW& draw);
  void ApplyColors();
  void ChangeStyle();

  TTreeNodes FItems;
  bool FShowLines = true;
  bool FShowRoot = true;
  bool FShowButtons = true;
  bool FReadOnly = false;
  bool FHideSelection = false;
  TImageList* FImages = nullptr;
  int FIndent = 0;
  friend class TTreeNode;
  TTreeNode* FSelectionWanted = nullptr;
  bool FExpandingByCode = false;
};
