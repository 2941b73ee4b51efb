#include <gtest/gtest.h>

#include "framework/utils/file_stream.h"
#include "framework/utils/memory_stream.h"
#include "framework/utils/string_list.h"
#include "framework/utils/timer.h"
#include "test_support.h"

namespace {

std::vector<std::wstring> Items(const TStrings& list) {
  std::vector<std::wstring> items;
  for (int i = 0; i < list.Count(); ++i) items.push_back(list.Get(i));
  return items;
}

TEST(StringList, SortedListsKeepOrderAndObeyCaseAndDuplicates) {
  struct TCase {
    TDuplicates duplicates;
    std::vector<std::wstring> input;
    std::vector<std::wstring> expected;
  };
  const TCase cases[] = {
      {dupIgnore, {L"cherry", L"apple", L"Banana", L"Apple"}, {L"apple", L"Banana", L"cherry"}},
      {dupAccept, {L"cherry", L"apple", L"Banana", L"apple"}, {L"apple", L"apple", L"Banana", L"cherry"}},
  };
  for (const TCase& c : cases) {
    TStringList list;
    list.SetDuplicates(c.duplicates);
    list.SetSorted(true);
    for (const std::wstring& text : c.input) list.Add(text);
    EXPECT_EQ(Items(list), c.expected);
    int index = -1;
    EXPECT_TRUE(list.Find(L"BANANA", index));
    EXPECT_EQ(list.Get(index), L"Banana");
    EXPECT_EQ(list.IndexOf(L"durian"), -1);
  }
  // Case-sensitive: both spellings stay, each found only as written.
  TStringList sensitive;
  sensitive.SetCaseSensitive(true);
  sensitive.SetSorted(true);
  for (const wchar_t* text : {L"Banana", L"cherry", L"banana"}) sensitive.Add(text);
  EXPECT_EQ(sensitive.Count(), 3);
  EXPECT_EQ(sensitive.Get(2), L"cherry");
  EXPECT_NE(sensitive.IndexOf(L"banana"), sensitive.IndexOf(L"Banana"));
  EXPECT_EQ(sensitive.IndexOf(L"BANANA"), -1);

  TStringList strict;
  strict.SetSorted(true);
  strict.SetDuplicates(dupError);
  strict.Add(L"x");
  EXPECT_THROW(strict.Add(L"X"), Exception);
  EXPECT_THROW(strict.Insert(0, L"y"), Exception);
}

TEST(StringList, TextSplitsAtEveryLineBreakKindAndTellsOfChanges) {
  TStringList list;
  int changes = 0;
  list.OnChange = [&](TObject*) { ++changes; };
  list.SetText(L"一\r\n二\n三\r\r\n");
  EXPECT_EQ(Items(list), (std::vector<std::wstring>{L"一", L"二", L"三", L""}));
  EXPECT_EQ(changes, 1);  // one change for the whole text
  EXPECT_EQ(list.Text(), L"一\r\n二\r\n三\r\n\r\n");
  EXPECT_EQ(list.IndexOf(L"二"), 1);

  for (const std::string& encoded : {std::string("\xEF\xBB\xBF" "a\xE4\xB8\x80\r\n"),
                                     std::string("a\xE4\xB8\x80\r\n"),
                                     std::string("\xFF\xFE" "a\0\x00\x4E\r\0\n\0", 10)}) {
    TMemoryStream stream;
    stream.WriteBuffer(encoded.data(), encoded.size());
    stream.SetPosition(0);
    TStringList read;
    read.LoadFromStream(stream);
    EXPECT_EQ(Items(read), (std::vector<std::wstring>{L"a一"}));
  }
}

TEST(Streams, MemoryAndFileStreamsReadWhatWasWritten) {
  TMemoryStream memory;
  const char data[] = "0123456789";
  memory.WriteBuffer(data, 10);
  EXPECT_EQ(memory.Size(), 10);
  memory.Seek(-4, soEnd);
  char four[4];
  memory.ReadBuffer(four, 4);
  EXPECT_EQ(std::string(four, 4), "6789");
  EXPECT_THROW(memory.ReadBuffer(four, 1), EReadError);

  wchar_t folder[MAX_PATH];
  GetTempPathW(MAX_PATH, folder);
  const std::wstring path = std::wstring(folder) + L"框架测试.bin";
  memory.SaveToFile(path);
  {
    TFileStream file(path, fmOpenRead);
    EXPECT_EQ(file.Size(), 10);
    file.SetPosition(3);
    char three;
    file.ReadBuffer(&three, 1);
    EXPECT_EQ(three, '3');
  }
  DeleteFileW(path.c_str());
  EXPECT_THROW(TFileStream(path, fmOpenRead), EFOpenError);
}

TEST(Timer, FiresOnTheUserInterfaceThreadUntilDisabled) {
  TTimer timer(nullptr);
  int ticks = 0;
  const DWORD thread = GetCurrentThreadId();
  bool sameThread = true;
  timer.SetInterval(10);
  timer.OnTimer = [&](TObject*) {
    ++ticks;
    sameThread = sameThread && GetCurrentThreadId() == thread;
  };
  EXPECT_TRUE(PumpUntil([&] { return ticks >= 3; }));
  EXPECT_TRUE(sameThread);
  timer.SetEnabled(false);
  const int stopped = ticks;
  Pump(60);
  EXPECT_EQ(ticks, stopped);
}

}  // namespace
