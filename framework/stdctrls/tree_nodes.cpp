#include "framework/stdctrls/tree_nodes.h"

#include "framework/stdctrls/tree_view.h"

TTreeNode& TTreeNode::AddChild(const std::wstring& text) {
  // Top-level nodes have no parent node: the holder of the top level is not one.
  FChildren.push_back(std::make_unique<TTreeNode>(FOwner, FIsRoot ? nullptr : this));
  TTreeNode& child = *FChildren.back();
  child.FText = text;
  if (FOwner.HandleAllocated() && (FItem || FIsRoot)) {
    child.Insert(FOwner.Handle());
    if (FItem) UpdateItem(TVIF_CHILDREN);
  }
  return child;
}

void TTreeNode::Insert(HWND window) {
  TVINSERTSTRUCTW insert{};
  insert.hParent = FParent && FParent->FItem ? FParent->FItem : TVI_ROOT;
  insert.hInsertAfter = TVI_LAST;
  TVITEMW& item = insert.item;
  item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_CHILDREN;
  item.pszText = const_cast<wchar_t*>(FText.c_str());
  item.lParam = reinterpret_cast<LPARAM>(this);
  item.iImage = FImageIndex;
  item.iSelectedImage = FSelectedIndex;
  item.cChildren = HasChildren() ? 1 : 0;
  FItem = reinterpret_cast<HTREEITEM>(SendMessageW(window, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
  for (auto& child : FChildren) child->Insert(window);
  if (FExpanded && !FChildren.empty()) FOwner.ExpandItem(FItem);
}

void TTreeNode::UpdateItem(UINT mask) {
  if (!FItem || !FOwner.HandleAllocated()) return;
  TVITEMW item{};
  item.mask = mask | TVIF_HANDLE;
  item.hItem = FItem;
  item.pszText = const_cast<wchar_t*>(FText.c_str());
  item.iImage = FImageIndex;
  item.iSelectedImage = FSelectedIndex;
  item.cChildren = HasChildren() ? 1 : 0;
  SendMessageW(FOwner.Handle(), TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

void TTreeNode::SetText(const std::wstring& text) {
  FText = text;
  UpdateItem(TVIF_TEXT);
}

void TTreeNode::SetImageIndex(int index) {
  FImageIndex = index;
  UpdateItem(TVIF_IMAGE);
}

void TTreeNode::SetSelectedIndex(int index) {
  FSelectedIndex = index;
  UpdateItem(TVIF_SELECTEDIMAGE);
}

void TTreeNode::SetHasChildren(bool value) {
  FHasChildren = value;
  UpdateItem(TVIF_CHILDREN);
}

bool TTreeNode::Expanded() const {
  if (!FItem) return FExpanded;
  const auto state = SendMessageW(FOwner.Handle(), TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(FItem), TVIS_EXPANDED);
  return (state & TVIS_EXPANDED) != 0;
}

void TTreeNode::Expand() {
  if (Expanded()) return;
  FOwner.ExpandNode(*this);
}

void TTreeNode::Collapse() {
  FExpanded = false;
  if (FItem) SendMessageW(FOwner.Handle(), TVM_EXPAND, TVE_COLLAPSE, reinterpret_cast<LPARAM>(FItem));
}

bool TTreeNode::Selected() const { return FOwner.Selected() == this; }

void TTreeNode::SetSelected(bool selected) {
  if (!FItem) {
    if (selected) {
      FOwner.FSelectionWanted = this;
    } else if (FOwner.FSelectionWanted == this) {
      FOwner.FSelectionWanted = nullptr;
    }
    return;
  }
  SendMessageW(FOwner.Handle(), TVM_SELECTITEM, TVGN_CARET,
               selected ? reinterpret_cast<LPARAM>(FItem) : 0);
}

void TTreeNode::DeleteChildren() {
  // A selection kept for the next window must not outlive its node.
  for (TTreeNode* node = FOwner.FSelectionWanted; node; node = node->FParent) {
    if (node->FParent == this || (FIsRoot && !node->FParent)) {
      FOwner.FSelectionWanted = nullptr;
      break;
    }
  }
  if (FOwner.HandleAllocated()) {
    for (auto& child : FChildren) {
      if (child->FItem) SendMessageW(FOwner.Handle(), TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(child->FItem));
    }
  }
  FChildren.clear();
}

bool TTreeNode::EditText() {
  if (!FItem) return false;
  FOwner.SetFocus();
  return SendMessageW(FOwner.Handle(), TVM_EDITLABELW, 0, reinterpret_cast<LPARAM>(FItem)) != 0;
}

void TTreeNode::MakeVisible() {
  if (FItem) SendMessageW(FOwner.Handle(), TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(FItem));
}

TTreeNode& TTreeNodes::AddChild(TTreeNode* parent, const std::wstring& text) {
  return (parent ? *parent : FRoot).AddChild(text);
}

void TTreeNodes::InsertAll(HWND window) {
  for (auto& node : FRoot.FChildren) node->Insert(window);
}

void TTreeNodes::ForgetItems() {
  std::vector<TTreeNode*> stack{&FRoot};
  while (!stack.empty()) {
    TTreeNode* node = stack.back();
    stack.pop_back();
    node->FItem = nullptr;
    for (auto& child : node->FChildren) stack.push_back(child.get());
  }
}
