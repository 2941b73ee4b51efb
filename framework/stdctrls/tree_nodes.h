#pragma once
// The nodes of a tree view. Each node keeps its text, image indexes, data
// and children in the framework, so the tree outlives its window; a node that
// says it has children but holds none is filled when it is first expanded.

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

class TTreeView;

class TTreeNode {
 public:
  TTreeNode(TTreeView& owner, TTreeNode* parent) : FOwner(owner), FParent(parent) {}
  TTreeNode(const TTreeNode&) = delete;
  TTreeNode& operator=(const TTreeNode&) = delete;

  const std::wstring& Text() const { return FText; }
  void SetText(const std::wstring& text);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int index);
  int SelectedIndex() const { return FSelectedIndex; }
  void SetSelectedIndex(int index);
  // Shows an expand button even before any child exists (children on demand).
  bool HasChildren() const { return FHasChildren || !FChildren.empty(); }
  void SetHasChildren(bool value);
  void* Data() const { return FData; }
  void SetData(void* data) { FData = data; }

  TTreeNode* Parent() const { return FParent; }
  int Count() const { return static_cast<int>(FChildren.size()); }
  TTreeNode& Item(int index) const { return *FChildren.at(static_cast<size_t>(index)); }
  int Level() const { return FParent ? FParent->Level() + 1 : 0; }
  HTREEITEM ItemId() const { return FItem; }

  bool Expanded() const;
  // Fires the tree's OnExpanding (which may fill or refuse), then expands.
  void Expand();
  void Collapse();
  bool Selected() const;
  void SetSelected(bool selected);
  void DeleteChildren();
  // Starts editing the caption in place (the tree takes the focus).
  bool EditText();
  // Scrolls and expands the parents so that the node can be seen.
  void MakeVisible();

 private:
  friend class TTreeNodes;
  friend class TTreeView;
  TTreeNode& AddChild(const std::wstring& text);
  void Insert(HWND window);
  void UpdateItem(UINT mask);

  TTreeView& FOwner;
  TTreeNode* FParent;
  std::vector<std::unique_ptr<TTreeNode>> FChildren;
  std::wstring FText;
  int FImageIndex = -1;
  int FSelectedIndex = -1;
  bool FHasChildren = false;
  void* FData = nullptr;
  HTREEITEM FItem = nullptr;
  bool FIsRoot = false;
  // Open as last asked (kept while there is no window, and across a new window).
  bool FExpanded = false;
};

class TTreeNodes {
 public:
  explicit TTreeNodes(TTreeView& owner) : FRoot(owner, nullptr) { FRoot.FIsRoot = true; }
  // A node at the top level, or a child of `parent`.
  TTreeNode& Add(const std::wstring& text) { return FRoot.AddChild(text); }
  TTreeNode& AddChild(TTreeNode* parent, const std::wstring& text);
  int Count() const { return FRoot.Count(); }
  TTreeNode& operator[](int index) const { return FRoot.Item(index); }
  void Clear() { FRoot.DeleteChildren(); }
  // Puts every node into a newly made window; forgets the items of a window that went.
  void InsertAll(HWND window);
  void ForgetItems();

 private:
  TTreeNode FRoot;  // holds the top level; never in the window
};
