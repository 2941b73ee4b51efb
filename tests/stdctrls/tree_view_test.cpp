#include <gtest/gtest.h>

#include <memory>

#include "framework/stdctrls/tree_view.h"
#include "test_support.h"

namespace {

struct TTreeFixture {
  std::unique_ptr<TForm> Form{NewForm(300, 300)};
  TTreeView* Tree = new TTreeView(Form.get());
  std::vector<std::wstring> Expanding;
  std::vector<std::wstring> Changes;
  TTreeFixture() {
    Tree->SetBounds(0, 0, 300, 300);
    Tree->SetParent(Form.get());
    // Children on demand: a node fills itself with two children named after it.
    Tree->OnExpanding = [this](TObject*, TTreeNode* node, bool& allow) {
      Expanding.push_back(node->Text());
      if (node->Text() == L"空") return;  // turns out to have none
      if (node->Text() == L"锁") {
        allow = false;
        return;
      }
      if (node->Count() == 0) {
        for (const wchar_t* suffix : {L"/1", L"/2"}) Tree->Items().AddChild(node, node->Text() + suffix).SetHasChildren(true);
      }
    };
    Tree->OnChange = [this](TObject*, TTreeNode* node) { Changes.push_back(node ? node->Text() : L"-"); };
  }
  TTreeNode& Top(const std::wstring& text) {
    TTreeNode& node = Tree->Items().Add(text);
    node.SetHasChildren(true);
    return node;
  }
};

// The platform's texts of the children of an item (null: the top level).
std::vector<std::wstring> ChildTexts(HWND tree, HTREEITEM parent) {
  std::vector<std::wstring> texts;
  auto item = reinterpret_cast<HTREEITEM>(
      SendMessageW(tree, TVM_GETNEXTITEM, parent ? TVGN_CHILD : TVGN_ROOT, reinterpret_cast<LPARAM>(parent)));
  for (; item; item = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(item)))) {
    wchar_t buffer[64] = {};
    TVITEMW info{};
    info.mask = TVIF_TEXT | TVIF_HANDLE;
    info.hItem = item;
    info.pszText = buffer;
    info.cchTextMax = 64;
    SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&info));
    texts.push_back(buffer);
  }
  return texts;
}

using TTexts = std::vector<std::wstring>;

TEST(TreeView, ChildrenAreMadeWhenANodeIsFirstExpanded) {
  struct TCase {
    const char* What;
    std::function<void(TTreeFixture&, TTreeNode&)> Act;
    TTexts Children;
    TTexts Expanding;
    bool Expanded;
  } cases[] = {
      {"code expands", [](TTreeFixture&, TTreeNode& n) { n.Expand(); }, {L"甲/1", L"甲/2"}, {L"甲"}, true},
      {"expanded twice", [](TTreeFixture&, TTreeNode& n) { n.Expand(); n.Collapse(); n.Expand(); }, {L"甲/1", L"甲/2"}, {L"甲", L"甲"}, true},
      {"user presses the right arrow", [](TTreeFixture& f, TTreeNode& n) {
         n.SetSelected(true);
         SendMessageW(f.Tree->Handle(), WM_KEYDOWN, VK_RIGHT, 0);
       }, {L"甲/1", L"甲/2"}, {L"甲"}, true},
      {"not expanded", [](TTreeFixture&, TTreeNode&) {}, {}, {}, false},
  };
  for (const TCase& c : cases) {
    TTreeFixture f;
    TTreeNode& node = f.Top(L"甲");
    c.Act(f, node);
    EXPECT_EQ(ChildTexts(f.Tree->Handle(), node.ItemId()), c.Children) << c.What;
    EXPECT_EQ(f.Expanding, c.Expanding) << c.What;
    EXPECT_EQ(node.Expanded(), c.Expanded) << c.What;
  }
}

TEST(TreeView, ANodeExpandedBeforeTheWindowIsOpenInIt) {
  TTreeFixture f;
  f.Tree->SetParent(nullptr);
  TTreeNode& node = f.Top(L"甲");
  node.Expand();
  EXPECT_TRUE(node.Expanded());
  EXPECT_EQ(node.Count(), 2);
  f.Tree->SetParent(f.Form.get());
  EXPECT_TRUE(node.Expanded());
  const auto state = SendMessageW(f.Tree->Handle(), TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(node.ItemId()), TVIS_EXPANDED);
  EXPECT_TRUE(state & TVIS_EXPANDED);
  EXPECT_EQ(f.Expanding, TTexts{L"甲"});
}

TEST(TreeView, RefusedOrEmptyNodesStayClosed) {
  TTreeFixture f;
  TTreeNode& locked = f.Top(L"锁");
  TTreeNode& empty = f.Top(L"空");
  locked.Expand();
  empty.Expand();
  EXPECT_FALSE(locked.Expanded());
  EXPECT_TRUE(locked.HasChildren());
  EXPECT_FALSE(empty.HasChildren());  // its expand button goes
  TVITEMW item{};
  item.mask = TVIF_CHILDREN | TVIF_HANDLE;
  item.hItem = empty.ItemId();
  SendMessageW(f.Tree->Handle(), TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
  EXPECT_EQ(item.cChildren, 0);
}

TEST(TreeView, SelectionChangesAreReportedOnce) {
  TTreeFixture f;
  TTreeNode& a = f.Top(L"甲");
  TTreeNode& b = f.Top(L"乙");
  a.SetSelected(true);
  a.SetSelected(true);
  b.SetSelected(true);
  SendMessageW(f.Tree->Handle(), WM_KEYDOWN, VK_UP, 0);
  EXPECT_EQ(f.Changes, (TTexts{L"甲", L"乙", L"甲"}));
  EXPECT_EQ(f.Tree->Selected(), &a);
  EXPECT_TRUE(a.Selected());
}

TEST(TreeView, NodesOutliveTheWindowWithTextsImagesAndData) {
  TTreeFixture f;
  TTreeNode& a = f.Top(L"甲");
  a.SetImageIndex(3);
  a.SetSelectedIndex(4);
  int marker = 0;
  a.SetData(&marker);
  a.Expand();
  a.Item(1).SetText(L"改");
  f.Tree->SetShowLines(false);  // the window is made again
  EXPECT_TRUE(a.Expanded());
  EXPECT_EQ(ChildTexts(f.Tree->Handle(), nullptr), (TTexts{L"甲"}));
  EXPECT_EQ(ChildTexts(f.Tree->Handle(), a.ItemId()), (TTexts{L"甲/1", L"改"}));
  TVITEMW item{};
  item.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM | TVIF_HANDLE;
  item.hItem = a.ItemId();
  SendMessageW(f.Tree->Handle(), TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
  EXPECT_EQ(item.iImage, 3);
  EXPECT_EQ(item.iSelectedImage, 4);
  EXPECT_EQ(reinterpret_cast<TTreeNode*>(item.lParam), &a);
  EXPECT_EQ(a.Item(0).Parent(), &a);
  EXPECT_EQ(a.Parent(), nullptr);
  EXPECT_EQ(a.Item(0).Level(), 1);
  EXPECT_EQ(a.Data(), &marker);
  f.Tree->Items().Clear();
  EXPECT_EQ(ChildTexts(f.Tree->Handle(), nullptr), TTexts{});
}

}  // namespace

TEST(TreeView, ASelectionMadeWithoutAWindowIsTheNewWindowsSelection) {
  auto form = std::unique_ptr<TForm>(NewForm(300, 300));
  auto* tree = new TTreeView(form.get());
  TTreeNode& first = tree->Items().Add(L"一");
  TTreeNode& second = tree->Items().Add(L"二");
  second.SetSelected(true);
  EXPECT_EQ(tree->Selected(), &second);
  tree->SetParent(form.get());  // the window is made now
  EXPECT_EQ(tree->Selected(), &second);
  tree->RecreateWnd();
  tree->HandleNeeded();
  EXPECT_EQ(tree->Selected(), &second);
  // Deleted before the window: nothing stays selected.
  auto* other = new TTreeView(form.get());
  other->Items().Add(L"x").SetSelected(true);
  other->Items().Clear();
  EXPECT_EQ(other->Selected(), nullptr);
  other->SetParent(form.get());
  EXPECT_EQ(other->Selected(), nullptr);
  EXPECT_FALSE(first.Selected());
}

TEST(TreeView, ACaptionEditedInPlaceTakesWhatOnEditedMakesOfIt) {
  TTreeFixture f;
  TTreeNode& node = f.Top(L"旧");
  f.Tree->OnEdited = [](TObject*, TTreeNode*, std::wstring& text) { text += L"!"; };
  struct TCase {
    const char* What;
    WORD Key;
    std::wstring Typed;
    std::wstring Caption;
  } cases[] = {{"accepted with Enter", VK_RETURN, L"新", L"新!"}, {"cancelled with Escape", VK_ESCAPE, L"别", L"新!"}};
  for (const TCase& c : cases) {
    ASSERT_TRUE(node.EditText()) << c.What;
    EXPECT_TRUE(f.Tree->IsEditing());
    HWND editor = reinterpret_cast<HWND>(SendMessageW(f.Tree->Handle(), TVM_GETEDITCONTROL, 0, 0));
    SetWindowTextW(editor, c.Typed.c_str());
    SendMessageW(editor, WM_KEYDOWN, c.Key, 0);
    Pump();
    EXPECT_FALSE(f.Tree->IsEditing()) << c.What;
    EXPECT_EQ(node.Text(), c.Caption) << c.What;
    EXPECT_EQ(ChildTexts(f.Tree->Handle(), nullptr), TTexts{c.Caption}) << c.What;
  }
}
