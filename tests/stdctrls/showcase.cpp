// Shows a form holding one of each ordinary control, unskinned, for a few
// seconds (argument: seconds, default 8), to look at them in a screenshot.
#include <windows.h>

#include <string>

#include "framework/application/application.h"
#include "framework/forms/form.h"
#include "framework/stdctrls/bit_btn.h"
#include "framework/stdctrls/button.h"
#include "framework/stdctrls/check_box.h"
#include "framework/stdctrls/custom_edit.h"
#include "framework/stdctrls/group_box.h"
#include "framework/stdctrls/label.h"
#include "framework/stdctrls/list_view.h"
#include "framework/stdctrls/panel.h"
#include "framework/stdctrls/radio_button.h"
#include "framework/stdctrls/speed_button.h"
#include "framework/stdctrls/scroll_box.h"
#include "framework/stdctrls/spin_edit.h"
#include "framework/stdctrls/tree_view.h"
#include "framework/utils/timer.h"

namespace {

template <typename T>
T* Place(TWinControl* parent, int left, int top, int width, int height, const std::wstring& text = L"") {
  auto* control = new T(parent);
  control->SetBounds(left, top, width, height);
  if (!text.empty()) control->SetText(text);
  control->SetParent(parent);
  return control;
}

void Fill(TForm* form) {
  Place<TLabel>(form, 16, 19, 60, 13, L"选择目录：");
  Place<TEdit>(form, 90, 16, 200, 21, L"C:\\照片");
  Place<TRadioButton>(form, 310, 17, 111, 19, L"批量修改文件名")->SetChecked(true);
  Place<TRadioButton>(form, 430, 17, 111, 19, L"批量修改目录名");
  auto* list = Place<TListView>(form, 16, 48, 520, 120);
  list->SetViewStyle(vsReport);
  list->SetFlatScrollBars(true);
  const std::pair<const wchar_t*, int> columns[] = {{L"No.", 32}, {L"原文件 名", 190}, {L"改名后", 196}, {L"结果", 40}};
  for (const auto& [caption, width] : columns) {
    TListColumn& column = list->Columns().Add();
    column.SetCaption(caption);
    column.SetWidth(width);
  }
  for (int i = 1; i <= 3; ++i) {
    TListItem& item = list->Items().Add();
    item.SetCaption(std::to_wstring(i));
    item.AddSubItem(L"IMG_000" + std::to_wstring(i) + L".jpg");
    item.AddSubItem(L"照片" + std::to_wstring(i) + L".jpg");
    item.AddSubItem(L"√");
  }
  auto* group = Place<TGroupBox>(form, 16, 178, 330, 100, L"改名设置：");
  Place<TLabel>(group, 16, 24, 36, 13, L"前缀：");
  Place<TEdit>(group, 56, 21, 87, 21, L"照片");
  Place<TLabel>(group, 160, 24, 60, 13, L"序号起始：");
  Place<TSpinEdit>(group, 226, 21, 87, 21)->SetValue(1);
  Place<TRadioButton>(group, 16, 64, 100, 19, L"扩展名不变")->SetChecked(true);
  Place<TRadioButton>(group, 130, 64, 120, 19, L"扩展名都改为：");
  auto* panel = Place<TPanel>(form, 360, 178, 176, 100, L"面板");
  Place<TCheckBox>(panel, 10, 10, 150, 19, L"复选框")->SetChecked(true);
  auto* readOnly = Place<TEdit>(panel, 10, 70, 150, 21, L"只读");
  readOnly->SetReadOnly(true);
  auto* box = Place<TScrollBox>(form, 552, 190, 150, 88);
  Place<TLabel>(box, 8, 8, 60, 13, L"滚动框");
  Place<TButton>(box, 8, 120, 75, 25, L"下面");
  auto* tree = Place<TTreeView>(form, 552, 16, 150, 166);
  TTreeNode& root = tree->Items().Add(L"我的电脑");
  for (const wchar_t* name : {L"C:", L"D:"}) tree->Items().AddChild(&root, name).SetHasChildren(true);
  root.Expand();
  Place<TButton>(form, 48, 290, 75, 25, L"开始改名")->SetDefault(true);
  Place<TButton>(form, 176, 290, 75, 25, L"还原")->SetEnabled(false);
  Place<TButton>(form, 416, 290, 75, 25, L"关闭");
  auto* bit = Place<TBitBtn>(form, 552, 290, 90, 25, L"确定");
  bit->Glyph().SetSize(12, 12);
  bit->Glyph().Canvas().Brush().SetColor(clFuchsia);
  bit->Glyph().Canvas().FillRect(RECT{0, 0, 12, 12});
  bit->Glyph().Canvas().Brush().SetColor(clGreen);
  bit->Glyph().Canvas().FillRect(RECT{2, 2, 10, 10});
  for (int i = 0; i < 3; ++i) {
    auto* speed = Place<TSpeedButton>(form, 280 + 26 * i, 290, 23, 22, std::to_wstring(i + 1));
    speed->SetGroupIndex(1);
    if (i == 0) speed->SetDown(true);
  }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const int seconds = argc > 1 ? _wtoi(argv[1]) : 8;
  Application->Initialize();
  TForm* form = nullptr;
  Application->CreateForm(form);
  form->SetCaption(L"Zelvan批量改名");
  form->Font().SetName(L"Tahoma");
  form->Font().SetHeight(-11);
  form->SetClientWidth(718);
  form->SetClientHeight(330);
  Fill(form);
  auto* timer = new TTimer(form);
  timer->SetInterval(static_cast<UINT>(seconds) * 1000);
  timer->OnTimer = [form](TObject*) { form->Close(); };
  timer->SetEnabled(true);
  Application->Run();
  return 0;
}
