#include "app/rename_main.h"

#include <algorithm>

#include <shellapi.h>

#include "framework/folder_picker/directory_edit.h"
#include "skin/controls/skinned_classes.h"
#include "skin/store/manager_options.h"
#include "skin/store/skin_manager.h"
#include "framework/application/application.h"
#include "core/rename/naming.h"
#include "core/rename/rename_engine.h"
#include "framework/stdctrls/button.h"
#include "framework/stdctrls/list_view.h"
#include "framework/stdctrls/radio_button.h"
#include "framework/stdctrls/spin_edit.h"
#include "framework/system/exception.h"
#include "framework/system/flag_scope.h"
#include "framework/system/wide_text.h"

using zelvan::rename::TEntryKind;
using zelvan::rename::TExtensionMode;
using zelvan::rename::TNamingSettings;
using zelvan::rename::TPlanRow;

namespace {

constexpr int64_t kLabelColor = 2171169;  // red, green and blue all 33

TPropertyList Bounds(int left, int top, int width, int height) {
  return {{L"Left", int64_t{left}}, {L"Top", int64_t{top}}, {L"Width", int64_t{width}}, {L"Height", int64_t{height}}};
}

TPropertyList Join(TPropertyList list, const TPropertyList& more) {
  list.insert(list.end(), more.begin(), more.end());
  return list;
}

// The window's font; a control with its own font colour stores all of it.
TPropertyList FontWithColor(const TPropertyValue& color) {
  return {{L"Font.Name", std::wstring(L"Tahoma")}, {L"Font.Height", int64_t{-11}}, {L"Font.Color", color}};
}

TComponentRecord Label(const std::wstring& name, const std::wstring& parent, int left, int top, int width,
                       const std::wstring& caption) {
  return {L"TsLabel", name, parent,
          Join(Join(Bounds(left, top, width, 13), {{L"Caption", caption}}), FontWithColor(kLabelColor))};
}

// Edits and the list: white with black text.
TPropertyList WhiteOnBlack() {
  return Join({{L"Color", TIdent{L"clWhite"}}}, FontWithColor(TIdent{L"clBlack"}));
}

TPropertyList Tab(int order) { return {{L"TabOrder", int64_t{order}}}; }
TPropertyList Section(const wchar_t* name) { return {{L"SkinData.SkinSection", std::wstring(name)}}; }
TPropertyList Event(const std::wstring& event, const std::wstring& handler) { return {{event, TIdent{handler}}}; }

// The window's skin manager: the skin Air from the folder the window was laid
// out with. Without that folder (users' machines) the manager turns itself
// off and every control keeps the ordinary look.
TComponentRecord SkinManager() {
  TPropertyList p{{L"InternalSkins", TItemsValue{}},
                  {L"SkinDirectory", std::wstring(kDesignSkinDirectory)},
                  {L"SkinName", std::wstring(L"Air")},
                  {L"SkinInfo", std::wstring(L"8")},
                  {L"MenuSupport.IcoLineSkin", std::wstring(L"ICOLINE")},
                  {L"MenuSupport.ExtraLineFont.Name", std::wstring(L"Tahoma")},
                  {L"MenuSupport.ExtraLineFont.Height", int64_t{-11}},
                  {L"MenuSupport.ExtraLineFont.Color", TIdent{L"clWindowText"}}};
  for (const wchar_t* list : ThirdPartyList::Names()) {
    const std::wstring name = list;
    p.push_back({L"ThirdParty." + name, std::wstring(name == L"ThirdButtons" ? L"TButton" : L" ")});
  }
  return {L"TsSkinManager", L"sSkinManager1", L"", std::move(p)};
}

template <typename T>
T* Find(TComponent& owner, const wchar_t* name) {
  auto* component = dynamic_cast<T*>(owner.FindComponent(name));
  if (!component) throw Exception(std::wstring(L"The main window's layout lacks ") + name);
  return component;
}

}  // namespace

TLayout TForm1::Layout() {
  TLayout layout{L"TForm1", L"Form1",
                 {{L"Caption", std::wstring(L"Zelvan批量改名")},
                  {L"ClientWidth", int64_t{531}},
                  {L"ClientHeight", int64_t{464}},
                  {L"BorderStyle", TIdent{L"bsSizeable"}},
                  {L"BorderIcons", TSetValue{{L"biSystemMenu", L"biMinimize", L"biMaximize"}}},
                  {L"Position", TIdent{L"poDefaultPosOnly"}},
                  {L"Color", TIdent{L"clBtnFace"}},
                  {L"Font.Name", std::wstring(L"Tahoma")},
                  {L"Font.Height", int64_t{-11}}},
                 {}};
  auto& c = layout.Components;
  c.push_back(SkinManager());
  c.push_back(Label(L"sLabel1", L"", 24, 19, 60, L"选择目录："));
  c.push_back({L"TsDirectoryEdit", L"ED_dir", L"",
               Join(Join(Join(Join(Bounds(98, 16, 407, 21), WhiteOnBlack()), Tab(0)), Section(L"EDIT")),
                    {{L"MaxLength", int64_t{255}},
                     {L"Root", std::wstring(L"rfMyComputer")},
                     {L"ShowRootBtns", true},
                     {L"OnChange", TIdent{L"ED_dirChange"}}})});
  c.push_back(Label(L"sLabel5", L"", 24, 57, 60, L"任务选择："));
  c.push_back({L"TsRadioButton", L"rb_file", L"",
               Join(Join(Join(Section(L"CHECKBOX"), Bounds(128, 55, 111, 19)), Tab(6)),
                    Join({{L"Caption", std::wstring(L"批量修改文件名")}, {L"Checked", true}},
                         Event(L"OnClick", L"rb_fileClick")))});
  c.push_back({L"TsRadioButton", L"rb_dir", L"",
               Join(Join(Join(Section(L"CHECKBOX"), Bounds(340, 55, 111, 19)), Tab(7)),
                    Join({{L"Caption", std::wstring(L"批量修改目录名")}}, Event(L"OnClick", L"rb_fileClick")))});
  c.push_back({L"TsListView", L"lv_Files", L"",
               Join(Join(Join(Join(Bounds(24, 80, 481, 201), WhiteOnBlack()), Tab(1)), Section(L"EDIT")),
                    {{L"ViewStyle", TIdent{L"vsReport"}},
                     {L"FlatScrollBars", true},
                     {L"Columns", TItemsValue{{{{L"Caption", std::wstring(L"No.")}, {L"Width", int64_t{32}}},
                                               {{L"Caption", std::wstring(L"原文件 名")}, {L"Width", int64_t{190}}},
                                               {{L"Caption", std::wstring(L"改名后")}, {L"Width", int64_t{196}}},
                                               {{L"Caption", std::wstring(L"结果")}, {L"Width", int64_t{40}}}}}}})});
  c.push_back({L"TsGroupBox", L"sGroupBox1", L"",
               Join(Join(Join(Bounds(24, 295, 481, 106), Tab(2)), Section(L"GROUPBOX")),
                    {{L"Caption", std::wstring(L"改名设置：")}})});
  c.push_back(Label(L"sLabel2", L"sGroupBox1", 16, 24, 36, L"前缀："));
  c.push_back({L"TsEdit", L"ED_fn", L"sGroupBox1",
               Join(Join(Join(Join(Section(L"EDIT"), Bounds(50, 21, 87, 21)), WhiteOnBlack()), Tab(0)), Event(L"OnChange", L"ED_fnChange"))});
  c.push_back(Label(L"sLabel4", L"sGroupBox1", 175, 24, 60, L"序号起始："));
  c.push_back({L"TsSpinEdit", L"ED_numstart", L"sGroupBox1",
               Join(Join(Join(Join(Section(L"EDIT"), Bounds(241, 21, 87, 21)), WhiteOnBlack()), Tab(2)),
                    Join({{L"MinValue", int64_t{0}}, {L"MaxValue", int64_t{0}}, {L"Value", int64_t{1}}},
                         Event(L"OnChange", L"ED_fnChange")))});
  c.push_back(Label(L"sLabel3", L"sGroupBox1", 334, 24, 60, L"序号位数："));
  c.push_back({L"TsSpinEdit", L"ed_numlen", L"sGroupBox1",
               Join(Join(Join(Join(Section(L"EDIT"), Bounds(400, 21, 51, 21)), WhiteOnBlack()), Tab(1)),
                    Join({{L"MinValue", int64_t{0}}, {L"MaxValue", int64_t{0}}, {L"Value", int64_t{0}}},
                         Event(L"OnChange", L"ED_fnChange")))});
  c.push_back({L"TsRadioButton", L"rb_ext", L"sGroupBox1",
               Join(Join(Join(Section(L"CHECKBOX"), Bounds(50, 64, 87, 19)), Tab(3)),
                    Join({{L"Caption", std::wstring(L"扩展名不变")}, {L"Checked", true}}, Event(L"OnClick", L"ED_fnChange")))});
  c.push_back({L"TsRadioButton", L"rb_extchg", L"sGroupBox1",
               Join(Join(Join(Section(L"CHECKBOX"), Bounds(241, 64, 111, 19)), Tab(4)),
                    Join({{L"Caption", std::wstring(L"扩展名都改为：")}}, Event(L"OnClick", L"ED_fnChange")))});
  c.push_back({L"TsEdit", L"ed_ext", L"sGroupBox1",
               Join(Join(Join(Join(Section(L"EDIT"), Bounds(368, 62, 83, 21)), WhiteOnBlack()), Tab(5)), Event(L"OnChange", L"ED_fnChange"))});
  c.push_back({L"TsButton", L"btn_rename", L"",
               Join(Join(Join(Section(L"BUTTON"), Bounds(48, 424, 75, 25)), Tab(3)),
                    Join({{L"Caption", std::wstring(L"开始改名")}}, Event(L"OnClick", L"btn_renameClick")))});
  c.push_back({L"TsButton", L"btn_restore", L"",
               Join(Join(Join(Section(L"BUTTON"), Bounds(176, 424, 75, 25)), Tab(4)),
                    Join({{L"Caption", std::wstring(L"还原")}}, Event(L"OnClick", L"btn_restoreClick")))});
  c.push_back({L"TsButton", L"sButton1", L"",
               Join(Join(Join(Section(L"BUTTON"), Bounds(293, 424, 75, 25)), Tab(8)),
                    Join({{L"Caption", std::wstring(L"官方网站")}}, Event(L"OnClick", L"sButton1Click")))});
  c.push_back({L"TsButton", L"btn_close", L"",
               Join(Join(Join(Section(L"BUTTON"), Bounds(416, 424, 75, 25)), Tab(5)),
                    Join({{L"Caption", std::wstring(L"关闭")}}, Event(L"OnClick", L"btn_closeClick")))});
  return layout;
}

std::function<void(const std::wstring&)>& TForm1::OpenAddress() {
  static std::function<void(const std::wstring&)> open = [](const std::wstring& address) {
    // Whatever the shell answers, nothing is shown.
    ShellExecuteW(nullptr, L"open", address.c_str(), L"", L"", SW_SHOWNORMAL);
  };
  return open;
}

TForm1::TForm1(TComponent* owner) : TForm(owner, L"TForm1") {
  RegisterSkinnedControlClasses();
  PublishMethod(L"ED_dirChange", TNotifyEvent([this](TObject*) { ED_dirChange(); }));
  PublishMethod(L"rb_fileClick", TNotifyEvent([this](TObject*) { rb_fileClick(); }));
  PublishMethod(L"ED_fnChange", TNotifyEvent([this](TObject*) { ED_fnChange(); }));
  PublishMethod(L"btn_renameClick", TNotifyEvent([this](TObject*) { btn_renameClick(); }));
  PublishMethod(L"btn_restoreClick", TNotifyEvent([this](TObject*) { btn_restoreClick(); }));
  PublishMethod(L"sButton1Click", TNotifyEvent([this](TObject*) { sButton1Click(); }));
  PublishMethod(L"btn_closeClick", TNotifyEvent([this](TObject*) { btn_closeClick(); }));
  ReadLayout(Layout());
  ED_dir = Find<TDirectoryEdit>(*this, L"ED_dir");
  rb_file = Find<TRadioButton>(*this, L"rb_file");
  rb_dir = Find<TRadioButton>(*this, L"rb_dir");
  lv_Files = Find<TListView>(*this, L"lv_Files");
  ED_fn = Find<TCustomEdit>(*this, L"ED_fn");
  ED_numstart = Find<TSpinEdit>(*this, L"ED_numstart");
  ed_numlen = Find<TSpinEdit>(*this, L"ed_numlen");
  rb_ext = Find<TRadioButton>(*this, L"rb_ext");
  rb_extchg = Find<TRadioButton>(*this, L"rb_extchg");
  ed_ext = Find<TCustomEdit>(*this, L"ed_ext");
  btn_rename = Find<TButton>(*this, L"btn_rename");
  btn_restore = Find<TButton>(*this, L"btn_restore");
  sButton1 = Find<TButton>(*this, L"sButton1");
  btn_close = Find<TButton>(*this, L"btn_close");
  sSkinManager1 = Find<TsSkinManager>(*this, L"sSkinManager1");
  // A folder of a hundred thousand entries is one count for the window, not
  // a message per row.
  lv_Files->SetOwnerData(true);
  lv_Files->OnData = [this](int row, int column, std::wstring& text) { RowText(row, column, text); };
  FReady = true;
}

TForm1::~TForm1() {
  // The controls go before the plan they show; no handler runs meanwhile.
  Destroying();
  DestroyComponents();
}

// The list asks for the cells it shows; the plan is the only copy of the rows.
void TForm1::RowText(int row, int column, std::wstring& text) const {
  const auto& rows = FPlan.Rows();
  if (row < 0 || static_cast<size_t>(row) >= rows.size()) return;
  const TPlanRow& r = rows[static_cast<size_t>(row)];
  const auto put = [&](const std::u16string& value) { text.assign(value.begin(), value.end()); };
  switch (column) {
    case 0: text = std::to_wstring(r.Number); break;
    case 1: put(r.OriginalName); break;
    case 2: if (r.NewName) put(*r.NewName); break;
    case 3: if (r.Result) put(*r.Result); break;
    default: break;
  }
}

void TForm1::FillList() { lv_Files->SetDataCount(static_cast<int>(FPlan.Rows().size())); }

void TForm1::ShowNewNames() { lv_Files->Invalidate(); }

void TForm1::ShowResults(size_t first, size_t last) {
  last = std::min(last, FPlan.Rows().size());
  if (first >= last) return;
  lv_Files->UpdateRows(static_cast<int>(first), static_cast<int>(last - 1));
}

bool TForm1::Ready() const { return FReady && !FPassRunning && !ComponentState().Contains(csDestroying); }

bool TForm1::RunPass(bool rename) {
  FPassRunning = true;
  FStopPass = false;
  const bool renameEnabled = btn_rename->Enabled(), restoreEnabled = btn_restore->Enabled();
  btn_rename->SetEnabled(false);
  btn_restore->SetEnabled(false);
  // Every tenth of a second the marks of the rows done are shown and the
  // window handles its messages (a close only asks the pass to stop).
  DWORD last = GetTickCount();
  size_t shown = 0;
  const auto progress = [&](size_t done) {
    if (GetTickCount() - last >= 100) {
      ShowResults(shown, done);
      shown = done;
      Application->ProcessMessages();
      last = GetTickCount();
    }
    return !FStopPass;
  };
  const std::u16string folder = WideToU16(ED_dir->Text());
  const bool ran = rename ? zelvan::rename::RenameEntries(FPlan, folder, FFiles, progress)
                          : zelvan::rename::RestoreEntries(FPlan, folder, FFiles, progress);
  FPassRunning = false;
  ShowResults();
  btn_rename->SetEnabled(ran ? !FPlan.Renamed() : renameEnabled);
  btn_restore->SetEnabled(ran ? FPlan.Renamed() : restoreEnabled);
  if (FCloseAfterPass) Close();
  return ran;
}

bool TForm1::CloseQuery() {
  if (FPassRunning) {
    FStopPass = true;
    FCloseAfterPass = true;
    return false;
  }
  return TForm::CloseQuery();
}

void TForm1::ED_dirChange() {
  if (!Ready()) return;
  const std::u16string folder = WideToU16(ED_dir->Text());
  if (!FFiles.DirectoryExists(folder)) return;
  FPlan.ListFolder(folder, rb_file->Checked() ? TEntryKind::Files : TEntryKind::Folders, FFiles);
  FPlan.SetRenamed(false);
  FillList();
  {
    // The prefix and extension boxes take the folder's values; the new names
    // are worked out once, after both.
    const TFlagScope listing(FListing, true);
    ED_fn->SetText(U16ToWide(zelvan::rename::FolderOwnName(folder)));
    if (!FPlan.Rows().empty()) ed_ext->SetText(U16ToWide(zelvan::rename::ExtensionOf(FPlan.Rows().front().OriginalName)));
  }
  ED_fnChange();
  btn_rename->SetEnabled(true);
  btn_restore->SetEnabled(false);
}

void TForm1::rb_fileClick() { ED_dirChange(); }

void TForm1::ED_fnChange() {
  if (!Ready() || FListing || FPlan.Renamed()) return;
  TNamingSettings settings;
  settings.Prefix = WideToU16(ED_fn->Text());
  settings.FirstNumber = ED_numstart->Value();
  settings.DigitCount = ed_numlen->Value();
  settings.ExtensionMode = rb_extchg->Checked() ? TExtensionMode::Replace : TExtensionMode::Keep;
  settings.ExtensionText = WideToU16(ed_ext->Text());
  FPlan.ComputeNewNames(settings);
  ShowNewNames();
}

void TForm1::btn_renameClick() {
  if (Ready()) RunPass(true);
}

void TForm1::btn_restoreClick() {
  if (Ready()) RunPass(false);
}

void TForm1::sButton1Click() { OpenAddress()(kHomePageAddress); }

void TForm1::btn_closeClick() { Close(); }
