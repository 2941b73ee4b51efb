#include <gtest/gtest.h>

#include <memory>

#include "framework/stdctrls/list_view.h"
#include "test_support.h"

namespace {

std::wstring CellText(TListView& view, int row, int column) {
  wchar_t buffer[64] = {};
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = buffer;
  item.cchTextMax = 64;
  SendMessageW(view.Handle(), LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
  return buffer;
}

// The window's rows, cell by cell, as the platform reports them.
std::vector<std::vector<std::wstring>> WindowRows(TListView& view) {
  std::vector<std::vector<std::wstring>> rows;
  const auto count = static_cast<int>(SendMessageW(view.Handle(), LVM_GETITEMCOUNT, 0, 0));
  for (int row = 0; row < count; ++row) {
    rows.emplace_back();
    for (int column = 0; column < view.Columns().Count(); ++column) {
      rows.back().push_back(CellText(view, row, column));
    }
  }
  return rows;
}

using TRows = std::vector<std::vector<std::wstring>>;

struct TListFixture {
  std::unique_ptr<TForm> Form{NewForm(500, 300)};
  TListView* View = new TListView(Form.get());
  explicit TListFixture(bool parentFirst = true) {
    View->SetViewStyle(vsReport);
    if (parentFirst) View->SetParent(Form.get());
    const std::pair<const wchar_t*, int> columns[] = {{L"No.", 32}, {L"原文件 名", 190}, {L"改名后", 196}, {L"结果", 40}};
    for (const auto& [caption, width] : columns) {
      TListColumn& column = View->Columns().Add();
      column.SetCaption(caption);
      column.SetWidth(width);
    }
  }
  void Fill(const TRows& rows) {
    for (const auto& cells : rows) {
      TListItem& item = View->Items().Add();
      item.SetCaption(cells[0]);
      for (size_t i = 1; i < cells.size(); ++i) item.AddSubItem(cells[i]);
    }
  }
};

TEST(ListView, ColumnsReachTheHeader) {
  for (bool parentFirst : {true, false}) {
    TListFixture f(parentFirst);
    f.View->SetParent(f.Form.get());
    HWND header = reinterpret_cast<HWND>(SendMessageW(f.View->Handle(), LVM_GETHEADER, 0, 0));
    ASSERT_EQ(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0), 4);
    const int widths[] = {32, 190, 196, 40};
    for (int i = 0; i < 4; ++i) {
      EXPECT_EQ(SendMessageW(f.View->Handle(), LVM_GETCOLUMNWIDTH, i, 0), widths[i]);
      wchar_t text[32] = {};
      LVCOLUMNW column{};
      column.mask = LVCF_TEXT;
      column.pszText = text;
      column.cchTextMax = 32;
      SendMessageW(f.View->Handle(), LVM_GETCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
      EXPECT_EQ(std::wstring(text), f.View->Columns()[i].Caption());
    }
    EXPECT_EQ(GetWindowLongPtrW(f.View->Handle(), GWL_STYLE) & LVS_TYPEMASK, LVS_REPORT);
  }
}

TEST(ListView, RowsAreReadBackCellByCell) {
  const TRows rows{{L"1", L"a.txt", L"新1.txt", L"√"}, {L"2", L"b.txt", L"", L""}, {L"3", L"目录", L"新3", L"×"}};
  struct TCase {
    const char* What;
    std::function<void(TListFixture&)> Act;
    TRows Expected;
  } cases[] = {
      {"filled with a window", [&](TListFixture& f) { f.Fill(rows); }, rows},
      {"filled before the window", [&](TListFixture& f) { f.View->SetParent(nullptr); f.Fill(rows); f.View->SetParent(f.Form.get()); }, rows},
      {"window made again", [&](TListFixture& f) { f.Fill(rows); f.View->RecreateWnd(); }, rows},
      {"one column rewritten", [&](TListFixture& f) {
         f.Fill(rows);
         f.View->Items().BeginUpdate();
         for (int i = 0; i < f.View->Items().Count(); ++i) f.View->Items()[i].SetSubItem(1, L"r" + std::to_wstring(i));
         f.View->Items().EndUpdate();
       }, {{L"1", L"a.txt", L"r0", L"√"}, {L"2", L"b.txt", L"r1", L""}, {L"3", L"目录", L"r2", L"×"}}},
      {"a sub-item set past the others", [&](TListFixture& f) {
         f.View->Items().Add().SetSubItem(2, L"结果");
       }, {{L"", L"", L"", L"结果"}}},
      {"middle row deleted", [&](TListFixture& f) { f.Fill(rows); f.View->Items().Delete(1); }, {rows[0], rows[2]}},
      {"cleared", [&](TListFixture& f) { f.Fill(rows); f.View->Items().Clear(); }, {}},
  };
  // The same whether the window keeps rows or only their count (owner data).
  for (const bool ownerData : {false, true}) {
    for (const TCase& c : cases) {
      TListFixture f;
      f.View->SetOwnerData(ownerData);
      c.Act(f);
      EXPECT_EQ(WindowRows(*f.View), c.Expected) << c.What << (ownerData ? " (owner data)" : "");
      EXPECT_EQ(f.View->Items().Count(), static_cast<int>(c.Expected.size())) << c.What;
    }
  }
}

TEST(ListView, OwnerDataKeepsTheSelectionAcrossANewWindow) {
  TListFixture f;
  f.View->SetOwnerData(true);
  EXPECT_TRUE(GetWindowLongPtrW(f.View->Handle(), GWL_STYLE) & LVS_OWNERDATA);
  f.View->Items().BeginUpdate();
  for (int i = 0; i < 5000; ++i) f.View->Items().Add().SetCaption(std::to_wstring(i + 1));
  f.View->Items().EndUpdate();
  EXPECT_EQ(SendMessageW(f.View->Handle(), LVM_GETITEMCOUNT, 0, 0), 5000);
  EXPECT_EQ(CellText(*f.View, 4999, 0), L"5000");
  f.View->Items()[1234].SetSelected(true);
  EXPECT_EQ(f.View->Selected(), &f.View->Items()[1234]);
  f.View->RecreateWnd();
  EXPECT_EQ(f.View->Selected(), &f.View->Items()[1234]);
}

TEST(ListView, RowsKeptByTheProgramAreAskedForCellByCell) {
  TListFixture f;
  f.View->SetOwnerData(true);
  std::vector<std::wstring> names = {L"a.txt", L"目录", L"c"};
  int asked = 0;
  f.View->OnData = [&](int row, int column, std::wstring& text) {
    ++asked;
    text = column == 0 ? std::to_wstring(row + 1) : column == 1 ? names[static_cast<size_t>(row)] : L"";
  };
  f.View->SetDataCount(3);
  EXPECT_EQ(WindowRows(*f.View), (TRows{{L"1", L"a.txt", L"", L""}, {L"2", L"目录", L"", L""}, {L"3", L"c", L"", L""}}));
  EXPECT_EQ(f.View->Items().Count(), 0) << "no row objects";
  EXPECT_GT(asked, 0);

  names[1] = L"新";
  f.View->UpdateRows(1, 1);
  EXPECT_EQ(CellText(*f.View, 1, 1), L"新");
  f.View->SetDataCount(2);
  EXPECT_EQ(SendMessageW(f.View->Handle(), LVM_GETITEMCOUNT, 0, 0), 2);
  f.View->RecreateWnd();
  EXPECT_EQ(WindowRows(*f.View), (TRows{{L"1", L"a.txt", L"", L""}, {L"2", L"新", L"", L""}})) << "a new window";
  EXPECT_EQ(CellText(*f.View, 5, 0), L"") << "past the count: nothing asked";
}

// Rows changed by the program are shown again where they are on screen (the
// range is cut to the screen for speed, which the list benchmark shows; this
// guards that no row on screen is left out by the cut).
TEST(ListView, UpdatedRowsRepaintWhereTheyAreShown) {
  TListFixture f;
  f.View->SetBounds(0, 0, 480, 200);
  f.View->SetOwnerData(true);
  f.View->OnData = [](int row, int, std::wstring& text) { text = std::to_wstring(row); };
  f.View->SetDataCount(1000);
  f.Form->Show();
  HWND list = f.View->Handle();
  SendMessageW(list, LVM_ENSUREVISIBLE, 600, FALSE);
  UpdateWindow(list);
  const int top = static_cast<int>(SendMessageW(list, LVM_GETTOPINDEX, 0, 0));
  ASSERT_GT(top, 500);
  RECT first{LVIR_BOUNDS, 0, 0, 0}, client{}, dirty{};
  SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(top), reinterpret_cast<LPARAM>(&first));
  GetClientRect(list, &client);

  f.View->UpdateRows(0, 999);
  ASSERT_TRUE(GetUpdateRect(list, &dirty, FALSE)) << "the rows on screen are drawn again";
  EXPECT_LE(dirty.top, first.top);
  EXPECT_GE(dirty.bottom, client.bottom - (first.bottom - first.top));
  UpdateWindow(list);

  f.View->UpdateRows(0, 10);
  EXPECT_FALSE(GetUpdateRect(list, &dirty, FALSE)) << "rows above the page have nothing to draw";
  f.View->UpdateRows(top + 1, top + 1);
  ASSERT_TRUE(GetUpdateRect(list, &dirty, FALSE));
  EXPECT_EQ(dirty.top, first.bottom) << "just the row changed";
}

TEST(ListView, SelectionChecksAndDataBelongToTheRows) {
  TListFixture f;
  f.View->SetCheckboxes(true);
  f.Fill({{L"1"}, {L"2"}, {L"3"}});
  int marker = 7;
  f.View->Items()[2].SetData(&marker);
  std::vector<std::pair<int, bool>> selections;
  f.View->OnSelectItem = [&](TObject*, TListItem* item, bool selected) { selections.emplace_back(item->Index(), selected); };
  f.View->Items()[1].SetSelected(true);
  f.View->Items()[2].SetSelected(true);  // single selection: row 1 goes
  EXPECT_EQ(selections, (std::vector<std::pair<int, bool>>{{1, true}, {1, false}, {2, true}}));
  EXPECT_EQ(f.View->Selected(), &f.View->Items()[2]);
  EXPECT_EQ(SendMessageW(f.View->Handle(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), 2);
  f.View->Items()[0].SetChecked(true);
  EXPECT_TRUE(f.View->Items()[0].Checked());
  EXPECT_FALSE(f.View->Items()[1].Checked());
  f.View->SetMultiSelect(true);  // the window is made again: states stay
  EXPECT_TRUE(f.View->Items()[0].Checked());
  EXPECT_EQ(f.View->Selected(), &f.View->Items()[2]);
  EXPECT_EQ(f.View->Items()[2].Data(), &marker);
  LVITEMW item{};
  item.mask = LVIF_PARAM;
  item.iItem = 2;
  SendMessageW(f.View->Handle(), LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
  EXPECT_EQ(reinterpret_cast<TListItem*>(item.lParam), &f.View->Items()[2]);
}

TEST(ListView, ExtendedStylesIncludingFlatScrollBarsReachTheWindow) {
  TListFixture f;
  struct TCase {
    void (TListView::*Set)(bool);
    DWORD Flag;
  } cases[] = {{&TListView::SetFlatScrollBars, LVS_EX_FLATSB},
               {&TListView::SetRowSelect, LVS_EX_FULLROWSELECT},
               {&TListView::SetGridLines, LVS_EX_GRIDLINES},
               {&TListView::SetCheckboxes, LVS_EX_CHECKBOXES},
               {&TListView::SetDoubleBuffered, LVS_EX_DOUBLEBUFFER}};
  for (const TCase& c : cases) {
    (f.View->*c.Set)(true);
    EXPECT_TRUE(SendMessageW(f.View->Handle(), LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & c.Flag) << c.Flag;
    f.View->RecreateWnd();
    EXPECT_TRUE(SendMessageW(f.View->Handle(), LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & c.Flag) << c.Flag;
    (f.View->*c.Set)(false);
    EXPECT_FALSE(SendMessageW(f.View->Handle(), LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & c.Flag) << c.Flag;
  }
}

TEST(ListView, UpdatesHoldPaintingBack) {
  TListFixture f;
  f.View->Items().BeginUpdate();
  f.View->Items().BeginUpdate();
  f.Fill({{L"1"}});
  f.View->Items().EndUpdate();
  EXPECT_TRUE(f.View->Items().Updating());
  f.View->Items().EndUpdate();
  EXPECT_FALSE(f.View->Items().Updating());
  RECT update{};
  EXPECT_TRUE(GetUpdateRect(f.View->Handle(), &update, FALSE));  // painted anew afterwards
}

TEST(ListView, AViewChangeKeepsTheWindowItsRowsAndTheSelection) {
  TListFixture f;
  const TRows rows{{L"1", L"a.txt", L"新1.txt", L"√"}, {L"2", L"b.txt", L"", L""}};
  f.Fill(rows);
  f.View->Items()[1].SetSelected(true);
  HWND window = f.View->Handle();
  HWND header = reinterpret_cast<HWND>(SendMessageW(window, LVM_GETHEADER, 0, 0));
  const struct {
    TViewStyle Style;
    DWORD Bits;
  } views[] = {{vsIcon, LVS_ICON}, {vsSmallIcon, LVS_SMALLICON}, {vsList, LVS_LIST}, {vsReport, LVS_REPORT}};
  for (const auto& view : views) {
    f.View->SetViewStyle(view.Style);
    SCOPED_TRACE(view.Bits);
    EXPECT_EQ(f.View->Handle(), window);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE) & LVS_TYPEMASK), view.Bits);
    EXPECT_EQ(WindowRows(*f.View), rows);
    EXPECT_EQ(f.View->Selected(), &f.View->Items()[1]);
    // The header shows in report view only.
    HWND now = reinterpret_cast<HWND>(SendMessageW(window, LVM_GETHEADER, 0, 0));
    EXPECT_EQ(now != nullptr && IsWindowVisible(now) != FALSE, view.Style == vsReport);
    if (view.Style == vsReport) {
      EXPECT_EQ(now, header) << "the same header comes back";
    }
  }
}

// What a list window is told about groups, in order, as the thread's
// messages show it (the window may be made anew while it is watched).
struct TGroupMessages {
  std::vector<std::wstring> Seen;
  static TGroupMessages* Current;
  HHOOK Hook = SetWindowsHookExW(WH_CALLWNDPROC, &TGroupMessages::Record, nullptr, GetCurrentThreadId());
  TGroupMessages() { Current = this; }
  ~TGroupMessages() {
    UnhookWindowsHookEx(Hook);
    Current = nullptr;
  }
  static LRESULT CALLBACK Record(int code, WPARAM wParam, LPARAM lParam) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && Current) Current->Note(*sent);
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }
  void Note(const CWPSTRUCT& m) {
    switch (m.message) {
      case LVM_ENABLEGROUPVIEW:
        Seen.push_back(L"group view " + std::to_wstring(m.wParam));
        break;
      case LVM_SETIMAGELIST:
        if (m.wParam == LVSIL_GROUPHEADER) Seen.push_back(m.lParam ? L"header images" : L"no header images");
        break;
      case LVM_INSERTGROUP: {
        const auto* group = reinterpret_cast<const LVGROUP*>(m.lParam);
        Seen.push_back(L"group " + std::to_wstring(group->iGroupId) + L" " + group->pszHeader);
        break;
      }
      case LVM_INSERTITEMW: {
        const auto* item = reinterpret_cast<const LVITEMW*>(m.lParam);
        Seen.push_back(L"row " + std::to_wstring(item->iItem) + L" in " +
                       ((item->mask & LVIF_GROUPID) ? std::to_wstring(item->iGroupId) : L"none"));
        break;
      }
      default:
        break;
    }
  }
};
TGroupMessages* TGroupMessages::Current = nullptr;

TEST(ListView, GroupsAndTheRowsGroupsReachEveryWindowTheListMakes) {
  TListFixture f;
  f.Fill({{L"1"}, {L"2"}, {L"3"}});
  HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR32, 1, 1);
  TListGroup& pictures = f.View->Groups().Add();
  pictures.SetHeader(L"图片");
  TListGroup& documents = f.View->Groups().Add();
  documents.SetHeader(L"文档");
  ASSERT_NE(pictures.GroupID(), documents.GroupID());
  EXPECT_EQ(f.View->Groups().FindByID(documents.GroupID()), &documents);
  f.View->Items()[0].SetGroupID(documents.GroupID());
  f.View->Items()[2].SetGroupID(pictures.GroupID());
  f.View->SetGroupView(true);
  f.View->SetGroupHeaderImages(images);
  const std::wstring p = std::to_wstring(pictures.GroupID()), d = std::to_wstring(documents.GroupID());
  TGroupMessages messages;
  f.View->RecreateWnd();
  // Groups go in before the rows that name them.
  const std::vector<std::wstring> expected{L"header images", L"group " + p + L" 图片", L"group " + d + L" 文档",
                                           L"group view 1", L"row 0 in " + d, L"row 1 in none",
                                           L"row 2 in " + p};
  EXPECT_EQ(messages.Seen, expected);
  EXPECT_TRUE(f.View->GroupView());
  EXPECT_EQ(f.View->GroupHeaderImages(), images);
  f.View->Groups().Clear();
  EXPECT_EQ(f.View->Groups().Count(), 0);
  f.Form.reset();  // the window goes before the images it shows
  ImageList_Destroy(images);
}

}  // namespace
