// A program with the plan list (a TsListView of owner data, four columns),
// started by the tests in a process of its own so that its cells can be read
// from outside, as screen readers and automation tools read them. With the
// parameters "<skin folder> <skin name>" the list is skinned, without them it
// is not. Its caption tells the test when it is ready: "ready|<1 when the
// list is skinned, else 0>".
#include <windows.h>

#include <shellapi.h>

#include <string>

#include "framework/application/application.h"
#include "framework/forms/form.h"
#include "list_host_cells.h"
#include "skin/controls/list_view.h"
#include "skin/store/skin_manager.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!arguments) return 2;
  const std::wstring folder = count >= 3 ? arguments[1] : L"", name = count >= 3 ? arguments[2] : L"";
  LocalFree(arguments);

  Application->Initialize();
  TForm* form = nullptr;
  Application->CreateForm(form);
  form->SetBounds(100, 100, 480, 360);
  auto* manager = new TsSkinManager(form);
  if (!name.empty()) {
    manager->SetSkinDirectory(folder);
    manager->SetSkinName(name);
  }
  auto* list = new TsListView(form);
  list->SetName(L"PlanList");
  list->SetParent(form);
  list->SkinData.SetSkinManager(manager);
  list->SkinData.SetSkinSection("EDIT");
  list->SetViewStyle(vsReport);
  list->SetRowSelect(true);
  list->SetBounds(8, 8, 440, 300);
  const wchar_t* captions[] = {L"No.", L"原文件名", L"改名后", L"结果"};
  const int widths[] = {50, 150, 150, 50};
  for (int i = 0; i < kListHostColumns; ++i) {
    TListColumn& column = list->Columns().Add();
    column.SetCaption(captions[i]);
    column.SetWidth(widths[i]);
  }
  list->SetOwnerData(true);
  list->OnData = [](int row, int column, std::wstring& text) { text = ListHostCell(row, column); };
  list->SetDataCount(kListHostRows);
  list->Perform(SKM_COMMAND, SkinCommandWParam(SKC_REFRESH), reinterpret_cast<LPARAM>(manager));
  form->Show();
  UpdateWindow(form->Handle());
  const bool skinned = manager->Active() && list->ScrollWnd() != nullptr;
  form->SetCaption(std::wstring(L"ready|") + (skinned ? L"1" : L"0"));
  Application->Run();
  return 0;
}
