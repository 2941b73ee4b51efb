// A skin handed over by an editing tool, in one process: the tool's window
// (a stand-in) hears the announcement of a skinned form shown while a
// preview is asked for; a valid record at the announced window loads its
// text with the images of its folder and is answered 1; every hostile block
// changes nothing and is not answered 1; a hand-over arriving while one is
// being applied is refused; the form answers the private message itself.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "../framework/test_support.h"
#include "framework/forms/form.h"
#include "framework/system/exception.h"
#include "framework/system/wide_text.h"
#include "preview_tool.h"
#include "skin/store/skin_manager.h"
#include "skin/store/skin_preview.h"
#include "skin/window/skin_provider.h"
#include "skin_test_kit.h"

namespace {

using zelvan::store::kHandOverRecordSize;
using zelvan::store::testing::HandOverRecord;

class SkinHandOverTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WritePreviewSkins(dir);
    const std::u16string path = dir.Path();
    folder.assign(path.begin(), path.end());
    manager = std::make_unique<TsSkinManager>(nullptr);
    ASSERT_TRUE(manager->IsDefault());
    ASSERT_TRUE(LoadSkin(*manager, folder, L"Base"));
    form = new TForm(Application);
    form->SetBounds(200, 150, 300, 200);
    new TsSkinProvider(form);
    PreviewState() = {};
    PreviewState().Requested = !withoutRequest;
    form->Show();
    Pump(20);
  }
  void TearDown() override {
    delete form;
    manager.reset();
    PreviewState() = {};
  }
  std::vector<uint8_t> Record(uint32_t magic = 0xA400) const {
    return HandOverRecord(magic, kHandedName, WideToUtf8(folder), kHandedText);
  }
  bool StillBase() const {
    return manager->SkinName() == L"Base" && manager->GetSkinIndex("BASE") >= 0 &&
           manager->GetSkinIndex("HANDED") < 0 && manager->SkinDirectory() == folder && !manager->PreviewMode();
  }
  zelvan::store::testing::TempFolder dir;
  std::wstring folder;
  TPreviewToolWindow tool;
  bool withoutRequest = false;
  std::unique_ptr<TsSkinManager> manager;
  TForm* form = nullptr;
};

TEST_F(SkinHandOverTest, AValidHandOverLoadsItsTextWithTheFoldersImagesAndAnswers1) {
  ASSERT_EQ(tool.Announced, std::vector<HWND>{form->Handle()}) << "announced once, on showing";
  EXPECT_EQ(PreviewState().Announced, form->Handle());
  EXPECT_FALSE(PreviewState().Requested);

  EXPECT_EQ(SendHandOver(form->Handle(), Record(), kHandOverRecordSize), 1);
  EXPECT_EQ(manager->SkinName(), std::wstring(kHandedName.begin(), kHandedName.end())) << "128 characters";
  EXPECT_GE(manager->GetSkinIndex("HANDED"), 0) << "sections from the text";
  EXPECT_LT(manager->GetSkinIndex("BASE"), 0);
  ASSERT_TRUE(manager->MasterBitmap);
  EXPECT_EQ(manager->MasterBitmap->Width(), kHandedImageWidth) << "the image from the named folder";
  EXPECT_TRUE(manager->PreviewMode());
  EXPECT_FALSE(manager->NonAutoUpdate) << "the update block is closed";
  EXPECT_TRUE(SkinProviderOf(form)->Skinned()) << "the windows were told";

  // The text was for that hand-over only: a skin set afterwards is read from its folder.
  manager->SetSkinName(L"Base");
  EXPECT_GE(manager->GetSkinIndex("BASE"), 0);
  EXPECT_LT(manager->GetSkinIndex("HANDED"), 0);
}

TEST_F(SkinHandOverTest, HostileBlocksChangeNothingAndAreNotAnswered1) {
  const std::vector<uint8_t> good = Record();
  std::vector<uint8_t> longer = good;
  longer.push_back(0);
  TForm* other = NewForm();
  new TsSkinProvider(other);
  struct TCase {
    const char* What;
    HWND Target;
    std::vector<uint8_t> Block;
    size_t Size;
    WPARAM WParam;
  } cases[] = {
      {"one byte short", form->Handle(), good, kHandOverRecordSize - 1, 7},
      {"one byte long", form->Handle(), longer, longer.size(), 7},
      {"another magic", form->Handle(), Record(0xA401), kHandOverRecordSize, 7},
      {"wParam 6", form->Handle(), good, kHandOverRecordSize, 6},
      {"wParam 8", form->Handle(), good, kHandOverRecordSize, 8},
      {"no data", form->Handle(), good, 0, 7},
      {"a window not announced", other->Handle(), good, kHandOverRecordSize, 7},
  };
  for (const TCase& c : cases) {
    EXPECT_NE(SendHandOver(c.Target, c.Block, c.Size, c.WParam), 1) << c.What;
    EXPECT_TRUE(StillBase()) << c.What;
    EXPECT_FALSE(PreviewState().Busy) << c.What;
  }
  delete other;
  EXPECT_EQ(SendHandOver(form->Handle(), good, kHandOverRecordSize), 1) << "and a good one still goes through";
}

TEST_F(SkinHandOverTest, AHandOverArrivingWhileOneIsAppliedIsRefused) {
  const std::vector<uint8_t> record = Record();
  LRESULT nested = -2;
  manager->OnBeforeChange = [&](TObject*) {
    if (nested == -2) nested = SendHandOver(form->Handle(), record, kHandOverRecordSize);
  };
  EXPECT_EQ(SendHandOver(form->Handle(), record, kHandOverRecordSize), 1);
  EXPECT_EQ(nested, 0);
  manager->OnBeforeChange = nullptr;
  manager->SetSkinName(L"Base");
  EXPECT_EQ(SendHandOver(form->Handle(), record, kHandOverRecordSize), 1) << "the busy flag was cleared";
}

TEST_F(SkinHandOverTest, AHandOverThatFailsToLoadBringsThePreviousSkinBackWholeAndIsAnswered1) {
  dir.Write("Bad.asz", "not an archive");
  TMessageBoxRecorder boxes;
  const auto bad = HandOverRecord(0xA400, "Bad", WideToUtf8(folder), kHandedText);
  EXPECT_EQ(SendHandOver(form->Handle(), bad, kHandOverRecordSize), 1) << "the record itself was sound";
  EXPECT_EQ(boxes.Texts.size(), 1u) << "the load's error is shown";
  EXPECT_EQ(manager->SkinName(), L"Base");
  EXPECT_GE(manager->GetSkinIndex("BASE"), 0) << "the previous skin from its own description, not the handed text";
  EXPECT_LT(manager->GetSkinIndex("HANDED"), 0);
  EXPECT_FALSE(manager->NonAutoUpdate);
  EXPECT_EQ(SendHandOver(form->Handle(), Record(), kHandOverRecordSize), 1) << "the next hand-over is taken";
}

TEST_F(SkinHandOverTest, AFailureInsideAHandOverLeavesNothingHalfDone) {
  TMessageBoxRecorder boxes;
  bool fail = true;
  manager->OnBeforeChange = [&](TObject*) {
    if (std::exchange(fail, false)) throw Exception(L"the application refused");
  };
  EXPECT_NE(SendHandOver(form->Handle(), Record(), kHandOverRecordSize), 1);
  EXPECT_EQ(boxes.Texts.size(), 1u) << "shown by the application's handler";
  EXPECT_FALSE(PreviewState().Busy);
  EXPECT_FALSE(manager->NonAutoUpdate) << "the windows hear of later changes";
  manager->SetSkinName(L"Base");
  EXPECT_GE(manager->GetSkinIndex("BASE"), 0) << "the handed text went with the failed hand-over";
  EXPECT_EQ(SendHandOver(form->Handle(), Record(), kHandOverRecordSize), 1);
}

TEST_F(SkinHandOverTest, WithoutADefaultManagerAHandOverIsRefused) {
  const std::vector<uint8_t> record = Record();
  COPYDATASTRUCT block{0, static_cast<DWORD>(record.size()), const_cast<uint8_t*>(record.data())};
  manager.reset();
  ASSERT_EQ(DefaultManager(), nullptr);
  EXPECT_FALSE(TakeHandOver(form->Handle(), kHandOverWParam, &block));
  EXPECT_FALSE(PreviewState().Busy);
}

TEST_F(SkinHandOverTest, TheFormAnswersThePrivateMessage) {
  HWND window = form->Handle();
  EXPECT_EQ(SendMessageW(window, kPreviewMessage, kPreviewPing, 0), 1);
  EXPECT_EQ(SendMessageW(window, kPreviewMessage, 9, 0), 0);
  EXPECT_EQ(SendMessageW(window, kPreviewMessage, kPreviewAnnounce, 0), 0) << "the form's own procedure";
  SendMessageW(window, kPreviewMessage, kPreviewClose, 0);
  EXPECT_FALSE(form->Visible()) << "closed";
}

class SkinHandOverUnrequestedTest : public SkinHandOverTest {
 protected:
  void SetUp() override {
    withoutRequest = true;
    SkinHandOverTest::SetUp();
  }
};

TEST_F(SkinHandOverUnrequestedTest, WithoutARequestNothingIsAnnouncedAndNothingAccepted) {
  EXPECT_TRUE(tool.Announced.empty());
  EXPECT_EQ(PreviewState().Announced, nullptr);
  EXPECT_EQ(SendHandOver(form->Handle(), Record(), kHandOverRecordSize), 0);
  EXPECT_TRUE(StillBase());
}

}  // namespace
