// TsTreeView under Wine: the selected node drawn in the skin's selection
// colours keeps the platform's icon and button, hides with the focus when
// asked, and the tree's colours and wrapper follow the skin.
#include "skin/controls/tree_view.h"

#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>

#include "kit_skin_fixture.h"
#include "window_pictures.h"

namespace {

class TreeViewTest : public KitSkinTest {
 protected:
  void SetUp() override {
    KitSkinTest::SetUp();
    form->SetBounds(0, 0, 500, 400);
    images = OneIconImages(RGB(200, 0, 0));
  }
  void TearDown() override {
    KitSkinTest::TearDown();
    ImageList_Destroy(images);
  }
  TsTreeView* NewTree() {
    auto* tree = Make<TsTreeView>(form, L"Tree");
    tree->SkinData.SetSkinManager(manager.get());
    tree->SetBounds(10, 10, 250, 200);
    SendMessageW(tree->Handle(), TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(images));
    TTreeNode& root = tree->Items().Add(L"根目录");
    tree->Items().AddChild(&root, L"子目录");
    tree->Items().Add(L"另一个");
    tree->Perform(SKM_COMMAND, SkinCommandWParam(SKC_REFRESH), reinterpret_cast<LPARAM>(manager.get()));
    Pump(20);
    return tree;
  }
  static void Repaint(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
  }
  HIMAGELIST images = nullptr;
};

TEST_F(TreeViewTest, TheSelectedNodeKeepsItsIconAndButtonAndShowsTheSkinsSelection) {
  TsTreeView* tree = NewTree();
  HWND window = tree->Handle();
  ASSERT_NE(tree->ScrollWnd(), nullptr);
  TTreeNode& root = tree->Items()[0];
  const RECT whole = tree->ItemRect(root.ItemId(), false);
  const RECT text = tree->ItemRect(root.ItemId(), true);
  const RECT front{0, whole.top, text.left, whole.bottom};
  ::SetFocus(window);
  tree->Items()[1].SetSelected(true);
  Repaint(window);
  auto unselected = GrabRect(window, front);
  root.SetSelected(true);
  Repaint(window);
  auto selected = GrabRect(window, front);
  EXPECT_EQ(DifferingPixels(*unselected, *selected), 0) << "icon, lines and button as the platform draws them";
  EXPECT_GT(tree->SelectionPaints, 0);
  // The kit skin has no SELECTION: the manager's highlight colour fills the text rect.
  HDC dc = GetDC(window);
  EXPECT_EQ(GetPixel(dc, text.right - 2, text.top + 1), ColorToRGB(manager->GetHighLightColor(true)));
  ReleaseDC(window, dc);
  delete tree;
}

TEST_F(TreeViewTest, AHiddenSelectionShowsNothingWhileUnfocused) {
  TsTreeView* tree = NewTree();
  tree->SetHideSelection(true);
  HWND window = tree->Handle();
  TTreeNode& root = tree->Items()[0];
  root.SetSelected(true);
  TakeFocusAway(*form, 300, 300);
  Repaint(window);
  const int paints = tree->SelectionPaints;
  const RECT text = tree->ItemRect(root.ItemId(), true);
  HDC dc = GetDC(window);
  EXPECT_EQ(GetPixel(dc, text.right - 2, text.top + 1), ColorToRGB(tree->Color()));
  ReleaseDC(window, dc);
  EXPECT_EQ(tree->SelectionPaints, paints);
  delete tree;
}

TEST_F(TreeViewTest, SkinOffGivesThePlatformsColoursBackAndOnTheSections) {
  TsTreeView* tree = NewTree();
  const TColor skinned = tree->Color();
  EXPECT_EQ(skinned, tree->SkinData.BackgroundColor(0));
  ExpectHandlesSteady(
      [&] {
        manager->SetActive(false);
        EXPECT_EQ(tree->Color(), clWindow);
        EXPECT_EQ(tree->Font().Color(), clWindowText);
        EXPECT_EQ(tree->ScrollWnd(), nullptr);
        manager->SetActive(true);
        EXPECT_EQ(tree->Color(), skinned);
        EXPECT_NE(tree->ScrollWnd(), nullptr);
        Repaint(tree->Handle());
      },
      3, 2);
  delete tree;
}

}  // namespace
