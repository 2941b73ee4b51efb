// The plan list read from another process, as screen readers and automation
// tools read it: the list lives in the list host (a process of its own) and
// this test asks for its cells through a buffer in the host's memory
// (LVM_GETITEMTEXTW), once with the list skinned in Air and once without a
// skin. The skin must not change what is read: the same texts and lengths,
// the same truncation in a short buffer, the same column captions.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../framework/child_program.h"
#include "../framework/test_support.h"
#include "framework/system/wide_text.h"
#include "list_host_cells.h"
#include "skin_test_kit.h"

namespace {

std::wstring Caption(HWND window) {
  wchar_t text[64]{};
  GetWindowTextW(window, text, 64);
  return text;
}

// A block of the other process's memory, freed on every path.
class TRemoteBlock {
 public:
  TRemoteBlock(HANDLE process, SIZE_T size)
      : FProcess(process), FAddress(VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)) {}
  ~TRemoteBlock() {
    if (FAddress) VirtualFreeEx(FProcess, FAddress, 0, MEM_RELEASE);
  }
  TRemoteBlock(const TRemoteBlock&) = delete;
  TRemoteBlock& operator=(const TRemoteBlock&) = delete;
  char* Address() const { return static_cast<char*>(FAddress); }
  bool Write(SIZE_T offset, const void* data, SIZE_T size) const {
    return WriteProcessMemory(FProcess, Address() + offset, data, size, nullptr);
  }
  bool Read(SIZE_T offset, void* data, SIZE_T size) const {
    return ReadProcessMemory(FProcess, Address() + offset, data, size, nullptr);
  }

 private:
  HANDLE FProcess;
  void* FAddress;
};

struct TRemoteText {
  LRESULT Length = -1;
  std::wstring Text;
  bool operator==(const TRemoteText&) const = default;
};

// One request record followed by its text buffer, both in the other process.
template <typename TRecord, typename TFill>
TRemoteText AskRemote(HANDLE process, HWND window, UINT msg, WPARAM wParam, int bufferChars, TFill fill) {
  const SIZE_T textBytes = static_cast<SIZE_T>(bufferChars) * sizeof(wchar_t);
  TRemoteBlock block(process, sizeof(TRecord) + textBytes);
  TRemoteText answer;
  if (!block.Address()) return answer;
  TRecord record{};
  fill(record, reinterpret_cast<wchar_t*>(block.Address() + sizeof(TRecord)), bufferChars);
  std::vector<wchar_t> text(static_cast<size_t>(bufferChars), L'\xFFFF');
  if (!block.Write(0, &record, sizeof(record)) || !block.Write(sizeof(TRecord), text.data(), textBytes)) return answer;
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(window, msg, wParam, reinterpret_cast<LPARAM>(block.Address()), SMTO_ABORTIFHUNG, 5000,
                           &result)) {
    return answer;
  }
  answer.Length = static_cast<LRESULT>(result);
  if (!block.Read(sizeof(TRecord), text.data(), textBytes)) return answer;
  answer.Text.assign(text.data(), wcsnlen(text.data(), text.size()));
  return answer;
}

TRemoteText CellText(HANDLE process, HWND list, int row, int column, int bufferChars) {
  return AskRemote<LVITEMW>(process, list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), bufferChars,
                            [&](LVITEMW& item, wchar_t* text, int chars) {
                              item.iSubItem = column;
                              item.pszText = text;
                              item.cchTextMax = chars;
                            });
}

TRemoteText ColumnCaption(HANDLE process, HWND list, int column) {
  HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
  TRemoteText answer = AskRemote<HDITEMW>(process, header, HDM_GETITEMW, static_cast<WPARAM>(column), 64,
                                          [](HDITEMW& item, wchar_t* text, int chars) {
                                            item.mask = HDI_TEXT;
                                            item.pszText = text;
                                            item.cchTextMax = chars;
                                          });
  answer.Length = answer.Length ? 1 : 0;  // HDM_GETITEM answers success, not a length
  return answer;
}

struct TReading {
  std::vector<TRemoteText> Cells;
  std::vector<TRemoteText> Short;  // the same cells into a buffer of 4 characters
  std::vector<TRemoteText> Captions;
  LRESULT Rows = -1;
};

constexpr int kReadRows[] = {0, 1, 6, 999, kListHostRows - 1};

// Starts the host (skinned or not), waits until its list shows, reads it.
TReading ReadHost(bool skinned) {
  TReading reading;
  const std::wstring parameters = skinned ? L"\"" + SkinsFolder() + L"\" Air" : L"";
  TChildProgram host(ZELVAN_LIST_HOST, parameters);
  EXPECT_TRUE(host.Started()) << WideToUtf8(host.CommandLine());
  HWND form = nullptr;
  const bool ready = PumpUntil(
      [&] { return (form = host.VisibleWindow()) && Caption(form).rfind(L"ready|", 0) == 0; }, 20000);
  EXPECT_TRUE(ready) << "the host showed its list";
  if (!ready) return reading;
  EXPECT_EQ(Caption(form), skinned ? L"ready|1" : L"ready|0") << "the list is skinned exactly when asked";
  HWND list = FindWindowExW(form, nullptr, L"TsListView", nullptr);
  EXPECT_NE(list, nullptr);
  if (!list) return reading;
  HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, host.Id());
  EXPECT_NE(process, nullptr);
  if (!process) return reading;
  reading.Rows = SendMessageW(list, LVM_GETITEMCOUNT, 0, 0);
  for (int row : kReadRows) {
    for (int column = 0; column < kListHostColumns; ++column) {
      reading.Cells.push_back(CellText(process, list, row, column, 260));
      reading.Short.push_back(CellText(process, list, row, column, 4));
    }
  }
  for (int column = 0; column < kListHostColumns; ++column) reading.Captions.push_back(ColumnCaption(process, list, column));
  CloseHandle(process);
  return reading;
}

TEST(ListCrossProcessTest, CellTextsReadFromAnotherProcessAreTheSameSkinnedAndUnskinned) {
  const TReading plain = ReadHost(false);
  const TReading skinned = ReadHost(true);
  ASSERT_EQ(plain.Cells.size(), std::size(kReadRows) * kListHostColumns);
  EXPECT_EQ(plain.Rows, kListHostRows);
  // What the host's rows hold, read without a skin: the reading itself works.
  size_t i = 0;
  for (int row : kReadRows) {
    for (int column = 0; column < kListHostColumns; ++column, ++i) {
      SCOPED_TRACE(testing::Message() << "row " << row << ", column " << column);
      const std::wstring expected = ListHostCell(row, column);
      EXPECT_EQ(WideToUtf8(plain.Cells[i].Text), WideToUtf8(expected));
      EXPECT_EQ(plain.Cells[i].Length, static_cast<LRESULT>(expected.size()));
      EXPECT_EQ(WideToUtf8(plain.Short[i].Text), WideToUtf8(expected.substr(0, 3))) << "cut to the buffer";
    }
  }
  // The skin changes nothing of it.
  EXPECT_EQ(skinned.Rows, plain.Rows);
  ASSERT_EQ(skinned.Cells.size(), plain.Cells.size());
  for (size_t k = 0; k < plain.Cells.size(); ++k) {
    SCOPED_TRACE(k);
    EXPECT_EQ(WideToUtf8(skinned.Cells[k].Text), WideToUtf8(plain.Cells[k].Text));
    EXPECT_EQ(skinned.Cells[k].Length, plain.Cells[k].Length);
    EXPECT_EQ(WideToUtf8(skinned.Short[k].Text), WideToUtf8(plain.Short[k].Text));
  }
  ASSERT_EQ(plain.Captions.size(), static_cast<size_t>(kListHostColumns));
  EXPECT_EQ(WideToUtf8(plain.Captions[1].Text), "原文件名");
  for (size_t k = 0; k < plain.Captions.size(); ++k) EXPECT_EQ(skinned.Captions[k], plain.Captions[k]) << k;
}

}  // namespace
