#include "framework/folder_picker/shell_tree_view.h"

#include "framework/system/exception.h"
#include "framework/system/file_names.h"

namespace {

constexpr UINT kRefreshAfterRename = WM_APP + 0x51;

// The last component of a folder path ("C:\a\b\" -> "b", "C:\" -> "C:").
std::wstring LastComponent(std::wstring path) {
  while (path.size() > 1 && path.back() == L'\\') path.pop_back();
  const size_t slash = path.find_last_of(L'\\');
  return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

// Shows the hourglass while the shell lists a folder.
class TWaitCursor {
 public:
  TWaitCursor() : FPrevious(SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_WAIT)))) {}
  ~TWaitCursor() { SetCursor(FPrevious); }
  TWaitCursor(const TWaitCursor&) = delete;
  TWaitCursor& operator=(const TWaitCursor&) = delete;

 private:
  HCURSOR FPrevious;
};

}  // namespace

TShellTreeView::TShellTreeView(TComponent* owner) : TTreeView(owner), FSystemImages(nullptr) {
  FSystemImages.SetHandle(SystemImageList(false), true);
  SetImages(&FSystemImages);
}

TShellTreeView::~TShellTreeView() {
  // The nodes go with the window; their items after them.
  Destroying();
  DestroyHandle();
  Items().Clear();
}

void TShellTreeView::CreateWnd() {
  TTreeView::CreateWnd();
  // The root comes first: a tree that was never given one shows the desktop.
  if (FRoot.empty()) SetRoot(RootFolderName(rfDesktop));
}

const TShellItem* TShellTreeView::ItemOf(const TTreeNode* node) const {
  const auto found = FFolders.find(node);
  return found == FFolders.end() ? nullptr : &found->second->Item;
}

std::wstring TShellTreeView::FolderOf(const TTreeNode* node) const {
  const TShellItem* item = ItemOf(node);
  return item ? item->FileSystemPath() : std::wstring();
}

TTreeNode& TShellTreeView::AddFolderNode(TTreeNode* parent, TShellItem item, const std::wstring& caption,
                                         bool hasChildren) {
  TTreeNode& node = Items().AddChild(parent, caption);
  node.SetImageIndex(item.IconIndex(false));
  node.SetSelectedIndex(item.IconIndex(true));
  node.SetHasChildren(hasChildren);
  auto folder = std::make_unique<TFolderNode>();
  folder->Item = std::move(item);
  FFolders[&node] = std::move(folder);
  return node;
}

void TShellTreeView::SetRoot(const TacRoot& root) {
  if (!FRoot.empty() && SameFileName(root, FRoot)) return;
  FRoot = root;
  Items().Clear();
  FFolders.clear();
  std::wstring error;
  try {
    const auto named = RootFolderByName(root);
    TShellItem item = named ? TShellItem::SpecialFolder(RootFolderCsidl(*named))
                            : TShellItem::Parse(ExpandFileName(root));
    const std::wstring caption = named ? item.DisplayName() : LastComponent(root);
    const bool hasChildren = item.Attributes(SFGAO_HASSUBFOLDER) != 0;
    TTreeNode& node = AddFolderNode(nullptr, std::move(item), caption, hasChildren);
    node.Expand();
    node.SetSelected(true);
  } catch (const Exception& e) {
    error = e.Message();
  }
  // The tree is rebuilt (possibly empty) before the reason is told.
  if (!error.empty()) throw Exception(error);
}

void TShellTreeView::ListChildren(TTreeNode& node) {
  auto found = FFolders.find(&node);
  if (found == FFolders.end() || found->second->Listed) return;
  found->second->Listed = true;
  TWaitCursor wait;
  for (TShellChild& child : found->second->Item.SubFolders()) {
    AddFolderNode(&node, std::move(child.Item), child.Name, child.HasSubFolders);
  }
}

bool TShellTreeView::CanExpand(TTreeNode& node) {
  ListChildren(node);
  return TTreeView::CanExpand(node);
}

void TShellTreeView::ForgetDescendants(TTreeNode& node) {
  for (int i = 0; i < node.Count(); ++i) {
    ForgetDescendants(node.Item(i));
    FFolders.erase(&node.Item(i));
  }
}

void TShellTreeView::RefreshNode(TTreeNode& node) {
  auto found = FFolders.find(&node);
  if (found == FFolders.end()) return;
  const bool wasOpen = node.Expanded();
  ForgetDescendants(node);
  node.DeleteChildren();
  found->second->Listed = false;
  ListChildren(node);
  node.SetHasChildren(node.Count() > 0);
  if (wasOpen && node.Count() > 0) ExpandNode(node);
}

std::wstring TShellTreeView::Path() { return FolderOf(Selected()); }

void TShellTreeView::SetPath(const std::wstring& path) {
  TShellItem target;
  try {
    target = TShellItem::Parse(ExpandFileName(path));
  } catch (const Exception&) {
    throw Exception(L"Error Setting Path");
  }
  const std::wstring targetPath = IncludeTrailingBackslash(target.FileSystemPath());
  // A node leads to the target when its item is an ancestor of it; by path
  // when the shell's identifiers of the two differ in form.
  auto leadsTo = [&](const TTreeNode& node) {
    const TShellItem* item = ItemOf(&node);
    if (!item) return false;
    if (item->Contains(target)) return true;
    const std::wstring folder = IncludeTrailingBackslash(item->FileSystemPath());
    return folder.size() > 1 && targetPath.size() >= folder.size() &&
           SameFileName(targetPath.substr(0, folder.size()), folder);
  };
  auto reached = [&](const TTreeNode& node) {
    const TShellItem* item = ItemOf(&node);
    if (!item) return false;
    return item->Equals(target) ||
           (!targetPath.empty() && SameFileName(IncludeTrailingBackslash(item->FileSystemPath()), targetPath));
  };
  TTreeNode* node = nullptr;
  for (int i = 0; i < Items().Count() && !node; ++i) {
    if (leadsTo(Items()[i])) node = &Items()[i];
  }
  while (node && !reached(*node)) {
    ListChildren(*node);
    node->Expand();
    TTreeNode* next = nullptr;
    for (int i = 0; i < node->Count() && !next; ++i) {
      if (leadsTo(node->Item(i))) next = &node->Item(i);
    }
    if (!next) break;
    node = next;
  }
  if (!node) return;
  node->SetSelected(true);
  node->MakeVisible();
}

void TShellTreeView::Edited(TTreeNode& node, const std::wstring& text) {
  auto found = FFolders.find(&node);
  if (found == FFolders.end() || text.empty() || text == node.Text()) return;
  // A folder the shell will not rename keeps its caption.
  if (!found->second->Item.Attributes(SFGAO_CANRENAME)) return;
  TShellItem renamed;
  try {
    renamed = found->second->Item.Rename(text, Handle());
  } catch (const Exception&) {
    wchar_t message[512];
    _snwprintf(message, 511, L"Rename to %ls failed", text.c_str());
    message[511] = 0;
    throw Exception(message);
  }
  found->second->Item = std::move(renamed);
  node.SetText(text);
  if (node.Parent()) {
    // The platform still works on the edited item: its parent's children are
    // listed again after this notification.
    FRenamedParent = node.Parent();
    FRenamedPath = found->second->Item.FileSystemPath();
    PostMessageW(Handle(), kRefreshAfterRename, 0, 0);
  }
}

void TShellTreeView::RefreshAfterRename() {
  const TTreeNode* parentKey = FRenamedParent;
  FRenamedParent = nullptr;
  if (!parentKey || !FFolders.count(parentKey)) return;
  // The key is only compared until it is known to be a node of this tree.
  TTreeNode& parent = *const_cast<TTreeNode*>(parentKey);
  RefreshNode(parent);
  for (int i = 0; i < parent.Count(); ++i) {
    if (SameFileName(FolderOf(&parent.Item(i)), FRenamedPath)) {
      parent.Item(i).SetSelected(true);
      break;
    }
  }
}

void TShellTreeView::WndProc(TMessage& message) {
  if (message.Msg == kRefreshAfterRename) return RefreshAfterRename();
  TTreeView::WndProc(message);
}
