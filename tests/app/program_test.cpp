// The built program in a process of its own, driven from outside through
// window messages only, as another program (or a user) would.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <functional>

#include <string>
#include <vector>

#include "../framework/child_program.h"
#include "design_skin_folder.h"
#include "skin/core/skin_messages.h"
#include "framework/system/file_names.h"
#include "framework/system/wide_text.h"
#include "user_actions.h"

namespace {

struct TChildSearch {
  std::wstring ClassName;
  std::wstring Text;
  HWND Found = nullptr;
};

BOOL CALLBACK FindChild(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<TChildSearch*>(data);
  wchar_t className[64] = {};
  wchar_t text[64] = {};
  GetClassNameW(window, className, 64);
  GetWindowTextW(window, text, 64);
  if (search->ClassName == className && (search->Text.empty() || search->Text == text)) {
    search->Found = window;
    return FALSE;
  }
  return TRUE;
}

HWND Child(HWND parent, const std::wstring& className, const std::wstring& text = L"") {
  TChildSearch search{className, text};
  EnumChildWindows(parent, FindChild, reinterpret_cast<LPARAM>(&search));
  return search.Found;
}

// A list view cell of another process: the item and its text buffer live in
// that process's memory.
std::wstring RemoteCell(HANDLE process, HWND list, int row, int column) {
  struct TRemote {
    LVITEMW Item;
    wchar_t Text[260];
  };
  auto* remote = static_cast<TRemote*>(
      VirtualAllocEx(process, nullptr, sizeof(TRemote), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
  TRemote local{};
  local.Item.iSubItem = column;
  local.Item.cchTextMax = 260;
  local.Item.pszText = remote->Text;
  SIZE_T moved = 0;
  WriteProcessMemory(process, remote, &local, sizeof(local), &moved);
  SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&remote->Item));
  ReadProcessMemory(process, remote, &local, sizeof(local), &moved);
  VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  local.Text[259] = 0;
  return local.Text;
}

bool WaitFor(const std::function<bool()>& done, int timeoutMs) {
  for (int waited = 0; waited < timeoutMs; waited += 50) {
    if (done()) return true;
    Sleep(50);
  }
  return done();
}

// The program with the skin Air in its skin folder and without any: the
// same files renamed, the same texts read from its list.
class Program : public testing::TestWithParam<TSkinOnDriveF> {};
INSTANTIATE_TEST_SUITE_P(, Program, testing::Values(TSkinOnDriveF::None, TSkinOnDriveF::Folder),
                         [](const testing::TestParamInfo<TSkinOnDriveF>& param) { return SkinCaseName(param.param); });

}  // namespace

TEST_P(Program, RenamesAFolderDrivenFromOutsideThroughWindowMessages) {
  TDesignSkinFolder skin(GetParam());
  TTempFolder temp;
  const std::wstring folder = temp.Make(L"相册");
  for (const wchar_t* name : {L"x.jpg", L"y.jpg", L"z.jpg"}) {
    HANDLE file = CreateFileW((folder + L"\\" + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    CloseHandle(file);
  }

  TChildProgram program(ZELVAN_PROGRAM);
  ASSERT_TRUE(program.Started()) << WideToUtf8(program.CommandLine());

  HWND main = nullptr, folderBox = nullptr, list = nullptr, rename = nullptr;
  WaitFor(
      [&] {
        main = FindWindowW(L"TForm1", L"Zelvan批量改名");
        if (!main || !IsWindowVisible(main)) return false;
        folderBox = Child(main, L"TsDirectoryEdit");
        list = Child(main, L"TsListView");
        rename = Child(main, L"TsButton", L"开始改名");
        return folderBox && list && rename;
      },
      20000);
  ASSERT_TRUE(main && folderBox && list && rename) << "the main window did not appear";
  EXPECT_EQ(program.VisibleWindow(L"#32770"), nullptr) << "it starts without a word";
  // Its controls are the skinned ones, skin or no skin; the frame is the
  // skin's (a region of its own) only with the skin.
  for (HWND control : {folderBox, list, rename}) {
    EXPECT_EQ(SendMessageW(control, SKM_COMMAND, SkinCommandWParam(SKC_IS_SKINNED), 0), 1);
  }
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetWindowRgn(main, region) != ERROR, skin.Skinned());
  DeleteObject(region);
  SendMessageW(folderBox, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(folder.c_str()));
  EXPECT_TRUE(WaitFor([&] { return SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) == 3; }, 5000));
  EXPECT_EQ(RemoteCell(program.Process(), list, 0, 2), L"相册1.jpg");

  SendMessageW(rename, BM_CLICK, 0, 0);
  EXPECT_TRUE(WaitFor([&] { return RemoteCell(program.Process(), list, 2, 3) == L"√"; }, 5000));
  for (const wchar_t* name : {L"相册1.jpg", L"相册2.jpg", L"相册3.jpg"}) {
    EXPECT_TRUE(FileExists(folder + L"\\" + name)) << WideToUtf8(name);
  }
  EXPECT_FALSE(IsWindowEnabled(rename));

  PostMessageW(main, WM_CLOSE, 0, 0);
  EXPECT_EQ(program.WaitForExit(20000).value_or(~0u), 0u) << "ended, and well";
}
