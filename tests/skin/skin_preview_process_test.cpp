// The live preview between two processes, under Wine: this test plays the
// skin-editing tool (a window of the tool's title) and starts a stand-in for
// the program (preview_host, built beside the tests) in a process of its own.
// Started with "/acpreview" the program announces its main form to the tool
// and takes a valid hand-over only, answering 1; started without, it
// announces nothing and takes nothing; a tool that hangs never hangs it.
#include <gtest/gtest.h>

#include <thread>

#include "../framework/child_program.h"
#include "../framework/test_support.h"
#include "framework/system/wide_text.h"
#include "preview_tool.h"
#include "skin/store/skin_preview.h"

namespace {

using zelvan::store::kHandOverRecordSize;
using zelvan::store::testing::HandOverRecord;

std::wstring Caption(HWND window) {
  wchar_t text[256] = {};
  GetWindowTextW(window, text, 256);
  return text;
}

class SkinPreviewProcessTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WritePreviewSkins(dir);
    const std::u16string path = dir.Path();
    folder.assign(path.begin(), path.end());
  }
  std::wstring SkinParameters() const { return L"\"" + folder + L"\" Base"; }
  std::vector<uint8_t> Record(uint32_t magic = 0xA400) const {
    return HandOverRecord(magic, kHandedName, WideToUtf8(folder), kHandedText);
  }
  // The host's main form once it has loaded its first skin.
  static HWND HostWindow(const TChildProgram& host) {
    HWND window = nullptr;
    PumpUntil([&] { return (window = host.VisibleWindow()) && Caption(window) == L"Base|0|16"; }, 20000);
    return window;
  }
  zelvan::store::testing::TempFolder dir;
  std::wstring folder;
};

TEST_F(SkinPreviewProcessTest, AnAnnouncedProgramTakesOnlyAValidHandOver) {
  TPreviewToolWindow tool;
  TChildProgram host(ZELVAN_PREVIEW_HOST, L"/acpreview " + SkinParameters());
  ASSERT_TRUE(host.Started()) << WideToUtf8(host.CommandLine());
  ASSERT_TRUE(PumpUntil([&] { return !tool.Announced.empty(); }, 20000)) << "the announcement reached the tool";
  HWND window = tool.Announced.front();
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  EXPECT_EQ(owner, host.Id());
  ASSERT_EQ(HostWindow(host), window) << "the main form was announced";

  const std::vector<uint8_t> good = Record();
  std::vector<uint8_t> longer = good;
  longer.push_back(0);
  struct TCase {
    const char* What;
    std::vector<uint8_t> Block;
    size_t Size;
    WPARAM WParam;
  } cases[] = {
      {"one byte short", good, kHandOverRecordSize - 1, 7},
      {"one byte long", longer, longer.size(), 7},
      {"another magic", Record(0xA401), kHandOverRecordSize, 7},
      {"wParam 6", good, kHandOverRecordSize, 6},
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(SendHandOver(window, c.Block, c.Size, c.WParam), 0) << c.What;
    EXPECT_EQ(Caption(window), L"Base|0|16") << c.What;
  }
  EXPECT_EQ(SendHandOver(window, good, kHandOverRecordSize), 1);
  EXPECT_EQ(Caption(window), std::wstring(kHandedName.begin(), kHandedName.end()) + L"|1|" +
                                 std::to_wstring(kHandedImageWidth))
      << "the whole 128-character name, the text's sections, the folder's image";

  PostMessageW(window, kPreviewMessage, kPreviewClose, 0);
  EXPECT_EQ(host.WaitForExit(20000).value_or(~0u), 0u) << "the tool closes the program";
}

TEST_F(SkinPreviewProcessTest, WithoutTheRequestNothingIsAnnouncedOrTaken) {
  TPreviewToolWindow tool;
  TChildProgram host(ZELVAN_PREVIEW_HOST, SkinParameters());
  ASSERT_TRUE(host.Started());
  HWND window = HostWindow(host);
  ASSERT_TRUE(window);
  Pump(500);
  EXPECT_TRUE(tool.Announced.empty());
  EXPECT_EQ(SendHandOver(window, Record(), kHandOverRecordSize), 0);
  EXPECT_EQ(Caption(window), L"Base|0|16");
}

TEST_F(SkinPreviewProcessTest, AToolThatHangsNeverHangsTheProgram) {
  HANDLE made = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  HANDLE release = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  // The tool's window lives on a thread that stops taking messages.
  std::thread hungTool([&] {
    TPreviewToolWindow tool;
    SetEvent(made);
    WaitForSingleObject(release, 60000);
  });
  WaitForSingleObject(made, 5000);
  TChildProgram host(ZELVAN_PREVIEW_HOST, L"/acpreview " + SkinParameters());
  HWND window = HostWindow(host);
  EXPECT_TRUE(window) << "the program came up";
  DWORD_PTR answer = 0;
  EXPECT_TRUE(window && SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &answer))
      << "and answers while the tool hangs";
  SetEvent(release);
  hungTool.join();
  CloseHandle(release);
  CloseHandle(made);
}

}  // namespace
