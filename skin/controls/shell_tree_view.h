#pragma once
// TsShellTreeView: the shell's folder tree with the skinned tree's look.

#include "framework/folder_picker/shell_tree_view.h"
#include "skin/controls/tree_view.h"

class TsShellTreeView : public TsTreeViewOf<TShellTreeView> {
 public:
  using TsTreeViewOf::TsTreeViewOf;
  std::wstring ClassName() const override { return L"TsShellTreeView"; }
};
