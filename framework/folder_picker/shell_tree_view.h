#pragma once
// TShellTreeView: a tree of the shell's folders. Root is a named root
// (rfDesktop, rfMyComputer...) or a folder path; each node stands for a
// shell item, its children are listed the first time it opens, and Path
// reads or selects the file-system folder of the selection. Captions edited
// in place rename the folder through the shell.

#include <map>
#include <memory>

#include "framework/folder_picker/root_folders.h"
#include "framework/folder_picker/shell_item.h"
#include "framework/graphics/image_list.h"
#include "framework/stdctrls/tree_view.h"

class TShellTreeView : public TTreeView {
 public:
  explicit TShellTreeView(TComponent* owner);
  ~TShellTreeView() override;
  std::wstring ClassName() const override { return L"TShellTreeView"; }

  const TacRoot& Root() const { return FRoot; }
  // Rebuilds the tree when the root differs (letter case aside). A root the
  // shell cannot resolve leaves an empty tree and raises its reason.
  void SetRoot(const TacRoot& root);
  // The file-system folder of the selected node; empty with no selection or
  // a virtual node.
  std::wstring Path();
  // Selects the node of that folder, opening the nodes on the way; raises
  // "Error Setting Path" when the shell cannot parse it.
  void SetPath(const std::wstring& path);

  // The shell item a node stands for, or null.
  const TShellItem* ItemOf(const TTreeNode* node) const;
  // The node's file-system folder (empty for virtual nodes).
  std::wstring FolderOf(const TTreeNode* node) const;
  // Lists the node's children again from the shell.
  void RefreshNode(TTreeNode& node);

  bool CanExpand(TTreeNode& node) override;
  void WndProc(TMessage& message) override;

 protected:
  void CreateWnd() override;
  void Edited(TTreeNode& node, const std::wstring& text) override;

 private:
  struct TFolderNode {
    TShellItem Item;
    bool Listed = false;
  };
  TTreeNode& AddFolderNode(TTreeNode* parent, TShellItem item, const std::wstring& caption, bool hasChildren);
  void ListChildren(TTreeNode& node);
  void ForgetDescendants(TTreeNode& node);

  // After a rename, once the platform is done with the edited item.
  void RefreshAfterRename();

  TacRoot FRoot;
  const TTreeNode* FRenamedParent = nullptr;
  std::wstring FRenamedPath;
  TImageList FSystemImages;
  std::map<const TTreeNode*, std::unique_ptr<TFolderNode>> FFolders;
};
