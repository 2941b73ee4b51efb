#pragma once
// TTreeView: the platform's tree view. Nodes with text and image indexes,
// children on demand (OnExpanding fills a node when it is first opened,
// whether the user or the code opens it), and a selection change event.

#include <windows.h>
#include <commctrl.h>

#include "framework/controls/win_control.h"
#include "framework/stdctrls/tree_nodes.h"

class TImageList;

using TTVExpandingEvent = std::function<void(TObject* sender, TTreeNode* node, bool& allowExpansion)>;
using TTVChangedEvent = std::function<void(TObject* sender, TTreeNode* node)>;

class TTreeView : public TWinControl {
 public:
  explicit TTreeView(TComponent* owner);
  ~TTreeView() override;
  std::wstring ClassName() const override { return L"TTreeView"; }

  TTreeNodes& Items() { return FItems; }
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
  TImageList* Images() const { return FImages; }
  void SetImages(TImageList* images);

  TTVExpandingEvent OnExpanding;
  TTVChangedEvent OnChange;

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

 private:
  static TTreeNode* NodeOf(const TVITEMW& item) { return reinterpret_cast<TTreeNode*>(item.lParam); }
  void ReflectedNotify(TMessage& message);
  void ChangeStyle();

  TTreeNodes FItems;
  bool FShowLines = true;
  bool FShowRoot = true;
  bool FShowButtons = true;
  bool FReadOnly = false;
  TImageList* FImages = nullptr;
  bool FExpandingByCode = false;
};
