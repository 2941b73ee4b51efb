// Delivery of skin commands: to a control, to a tree of controls, and to
// every form of the application, in the order the engine promises.
#include <gtest/gtest.h>

#include <memory>

#include "../framework/test_support.h"
#include "skin/core/skin_broadcast.h"
#include "skin_test_kit.h"

namespace {

using Names = std::vector<std::wstring>;

TMessage Command(uint16_t code, const void* manager) {
  return TMessage{SKM_COMMAND, SkinCommandWParam(code), reinterpret_cast<LPARAM>(manager), 0};
}

// A top-level window of the hook's list, skinned automatically.
class TAutoEntry : public TacAutoSkinned {
 public:
  explicit TAutoEntry(HWND window) : FWindow(window) {}
  HWND SkinnedWindow() const override { return FWindow; }

 private:
  HWND FWindow;
};

class BroadcastTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CommandLog().Clear();
    manager = std::make_unique<TsSkinManager>(nullptr);
  }
  void TearDown() override {
    for (TForm* form : forms) delete form;
    manager.reset();
  }
  TForm* Form(const std::wstring& name, bool show = true) {
    auto* form = new TForm(Application);
    form->SetName(name);
    form->SetBounds(0, 0, 200, 150);
    if (show) form->Show();
    forms.push_back(form);
    return form;
  }
  std::unique_ptr<TsSkinManager> manager;
  std::vector<TForm*> forms;
};

TEST_F(BroadcastTest, FormsWithoutProviderLastToFirstThenSkinnedFormsThenVisibleAutoSkinnedWindows) {
  TForm* a = Form(L"FormA");
  RecordCommands(*a, L"FormA");
  auto* panelA = Make<TSkinnedPanel>(a, L"PanelA");
  auto* shapeA = Make<TSkinnedShape>(panelA, L"ShapeA");
  auto* plain = Make<TPlainPanel>(a, L"PlainA");
  RecordCommands(*plain, L"PlainA");
  auto* editInPlain = Make<TSkinnedPanel>(plain, L"EditInPlain");
  auto* shapeOnA = Make<TSkinnedShape>(a, L"ShapeOnA");
  TForm* b = Form(L"FormB");
  RecordCommands(*b, L"FormB");
  auto* panelB = Make<TSkinnedPanel>(b, L"PanelB");
  TForm* s = Form(L"FormS");
  auto* provider = new TStandInProvider(s);
  auto* panelS = Make<TSkinnedPanel>(s, L"PanelS");
  for (TStandInBehaviour* skin : {&panelA->Skin, &shapeA->Skin, &editInPlain->Skin, &shapeOnA->Skin, &panelB->Skin,
                                  &provider->Skin, &panelS->Skin}) {
    skin->Manager = manager.get();
  }
  // Windows of the hook's list: not owned by the application; the hidden one is passed over.
  TForm* shown = new TForm(nullptr);
  shown->SetName(L"AutoShown");
  shown->Show();
  RecordCommands(*shown, L"AutoShown");
  TForm* hidden = new TForm(nullptr);
  hidden->SetName(L"AutoHidden");
  hidden->HandleNeeded();
  RecordCommands(*hidden, L"AutoHidden");
  TAutoEntry shownEntry(shown->Handle()), hiddenEntry(hidden->Handle());
  AutoSkinnedWindowList() = {&shownEntry, nullptr, &hiddenEntry};

  TMessage message = Command(SKC_REFRESH, manager.get());
  BroadcastToAllForms(message);
  AutoSkinnedWindowList().clear();
  delete shown;
  delete hidden;

  EXPECT_EQ(CommandLog().Receivers(SKC_REFRESH),
            (Names{L"FormB", L"PanelB", L"FormA", L"PanelA", L"ShapeA", L"EditInPlain", L"ShapeOnA", L"FormS",
                   L"PanelS", L"AutoShown"}))
      << "the plain panel is stepped over, the hidden window passed by, and each form served once";
}

TEST_F(BroadcastTest, ABroadcastNeverMakesAWindow) {
  TForm* unshown = Form(L"Unshown", false);
  ASSERT_FALSE(unshown->HandleAllocated());
  auto* panel = Make<TSkinnedPanel>(unshown, L"PanelU");
  auto* shape = Make<TSkinnedShape>(panel, L"ShapeU");
  panel->Skin.Manager = shape->Skin.Manager = manager.get();
  TMessage message = Command(SKC_SKIN_LOADED, manager.get());
  BroadcastToAllForms(message);
  EXPECT_FALSE(unshown->HandleAllocated());
  EXPECT_FALSE(panel->HandleAllocated());
  EXPECT_EQ(CommandLog().Receivers(SKC_SKIN_LOADED), (Names{L"PanelU", L"ShapeU"}))
      << "controls without a window have the command dispatched to them";
  EXPECT_EQ(PerformSkinCommand(panel, SKC_IS_SKINNED), 0) << "a windowed control without a window gets nothing";
  EXPECT_EQ(PerformSkinCommand(shape, SKC_IS_SKINNED), 1);
  EXPECT_FALSE(panel->HandleAllocated());
}

TEST_F(BroadcastTest, AChildBeingDestroyedEndsTheWalkAtItsLevel) {
  TForm* form = Form(L"FormD");
  auto* outer = Make<TSkinnedPanel>(form, L"Outer");
  auto* first = Make<TSkinnedPanel>(outer, L"First");
  auto* dying = Make<TSkinnedPanel>(outer, L"Dying");
  auto* after = Make<TSkinnedPanel>(outer, L"After");
  auto* sibling = Make<TSkinnedPanel>(form, L"Sibling");
  for (TSkinnedPanel* p : {outer, first, dying, after, sibling}) p->Skin.Manager = manager.get();
  dying->Destroying();
  TMessage message = Command(SKC_STOP_ANIMATION, manager.get());
  BroadcastToForm(form, message);
  EXPECT_EQ(CommandLog().Receivers(SKC_STOP_ANIMATION), (Names{L"Outer", L"First", L"Sibling"}));
  EXPECT_EQ(PerformSkinCommand(dying, SKC_IS_SKINNED), 0) << "nothing is sent to a control being destroyed";
}

TEST_F(BroadcastTest, EachManagerReachesOnlyItsOwnControls) {
  TsSkinManager other(nullptr);
  TForm* form = Form(L"FormM");
  Make<TSkinnedPanel>(form, L"Mine")->Skin.Manager = manager.get();
  Make<TSkinnedShape>(form, L"Theirs")->Skin.Manager = &other;
  for (TsSkinManager* sender : {manager.get(), &other}) {
    for (uint16_t code : {SKC_SKIN_LOADED, SKC_SKIN_REMOVED, SKC_REFRESH}) {
      TMessage message = Command(code, sender);
      BroadcastToAllForms(message);
    }
  }
  EXPECT_EQ(CommandLog().Codes(L"Mine"), (std::vector<uint16_t>{SKC_SKIN_LOADED, SKC_SKIN_REMOVED, SKC_REFRESH}));
  EXPECT_EQ(CommandLog().Codes(L"Theirs"), (std::vector<uint16_t>{SKC_SKIN_LOADED, SKC_SKIN_REMOVED, SKC_REFRESH}));
  EXPECT_EQ(CommandLog().Receivers(SKC_REFRESH), (Names{L"Mine", L"Theirs"}));
}

TEST(SkinMessages, AnAnswerBecomesTheCacheInfoAControlKeeps) {
  zelvan::image::TWorkingBitmap picture(4, 4);
  TBgRequest bitmap;
  bitmap.Kind = bgBitmap, bitmap.Bmp = &picture, bitmap.X = 7, bitmap.Y = 9;
  TBgRequest colour;
  colour.Kind = bgColor, colour.Color = clBtnFace, colour.X = 3, colour.Bmp = &picture;
  TBgRequest holdBack;
  holdBack.Kind = bgHoldBack, holdBack.Color = 0xFF00FF;
  const auto b = CacheInfoFromRequest(bitmap);
  EXPECT_TRUE(b.Ready);
  EXPECT_EQ(b.Bmp, &picture);
  EXPECT_EQ(b.X, 7);
  EXPECT_EQ(b.Y, 9);
  const auto c = CacheInfoFromRequest(colour);
  EXPECT_FALSE(c.Ready);
  EXPECT_EQ(c.Bmp, nullptr) << "a colour answer carries no picture";
  EXPECT_EQ(c.FillColor, static_cast<uint32_t>(GetSysColor(COLOR_BTNFACE)));
  EXPECT_EQ(c.X, 3);
  const auto h = CacheInfoFromRequest(holdBack);
  EXPECT_FALSE(h.Ready);
  EXPECT_EQ(h.FillColor, 0xFF00FFu);
}

TEST(SkinMessages, QueryIsTrueOnlyForAnAnswerOfExactlyOne) {
  TForm* form = NewForm();
  std::unique_ptr<TForm> owned(form);
  LRESULT answer = 0;
  TWndMethod previous = form->WindowProc;
  form->WindowProc = [&](TMessage& m) {
    if (m.Msg == SKM_COMMAND) {
      m.Result = answer;
      return;
    }
    previous(m);
  };
  for (const LRESULT value : {0, 1, 2, -1}) {
    answer = value;
    EXPECT_EQ(QuerySkinCommand(form->Handle(), SKC_IS_SKINNED), value == 1) << value;
    EXPECT_EQ(SendSkinCommand(form->Handle(), SKC_GET_UPDATING), value);
  }
  form->WindowProc = previous;
}

}  // namespace
