#include <gtest/gtest.h>

#include <memory>

#include "framework/stdctrls/bit_btn.h"
#include "framework/stdctrls/button.h"
#include "framework/utils/memory_stream.h"
#include "framework/stdctrls/group_box.h"
#include "framework/stdctrls/label.h"
#include "framework/stdctrls/list_view.h"
#include "framework/stdctrls/radio_button.h"
#include "framework/stdctrls/speed_button.h"
#include "framework/stdctrls/spin_edit.h"
#include "test_support.h"

namespace {

// A glyph strip of two 8x8 pictures, as the bytes of a BMP file.
TBinaryValue GlyphBytes() {
  TBitmap glyph(16, 8);
  TMemoryStream stream;
  glyph.SaveToStream(stream);
  return TBinaryValue{stream.Data()};
}

// A stored window in the shape of the renamer's: the classes by name.
TLayout ControlsLayout() {
  return TLayout{
      L"TControlsForm",
      L"ControlsForm",
      {{L"ClientWidth", 531}, {L"ClientHeight", 464}},
      {{L"TLabel", L"sLabel1", L"", {{L"Left", 24}, {L"Top", 19}, {L"Caption", L"选择目录："}, {L"FocusControl", TIdent{L"ED_dir"}}}},
       {L"TEdit", L"ED_dir", L"", {{L"Left", 98}, {L"Top", 16}, {L"Width", 407}, {L"MaxLength", 255}, {L"TabOrder", 0}, {L"OnChange", TIdent{L"ED_dirChange"}}}},
       {L"TRadioButton", L"rb_file", L"", {{L"Left", 128}, {L"Top", 55}, {L"Caption", L"批量修改文件名"}, {L"Checked", true}}},
       {L"TRadioButton", L"rb_dir", L"", {{L"Left", 340}, {L"Top", 55}, {L"Caption", L"批量修改目录名"}}},
       {L"TListView", L"lv_Files", L"", {{L"Left", 24}, {L"Top", 80}, {L"Width", 481}, {L"Height", 201},
          {L"ViewStyle", TIdent{L"vsReport"}}, {L"FlatScrollBars", true},
          {L"Columns", TItemsValue{{{{L"Caption", L"No."}, {L"Width", 32}}, {{L"Caption", L"结果"}, {L"Width", 40}}}}}}},
       {L"TGroupBox", L"sGroupBox1", L"", {{L"Left", 24}, {L"Top", 295}, {L"Width", 481}, {L"Height", 106}, {L"Caption", L"改名设置："}}},
       {L"TSpinEdit", L"ED_numstart", L"sGroupBox1", {{L"Left", 241}, {L"Top", 21}, {L"Value", 1}}},
       {L"TButton", L"btn_close", L"", {{L"Left", 416}, {L"Top", 424}, {L"Caption", L"关闭"}, {L"Cancel", true}}},
       {L"TCheckBox", L"cb", L"", {{L"Checked", true}}},
       {L"TPanel", L"pn", L"", {{L"BevelOuter", TIdent{L"bvLowered"}}}},
       {L"TMaskEdit", L"me", L"", {{L"EditMask", L""}}},
       {L"TTreeView", L"tv", L"", {{L"ShowLines", false}}},
       {L"TScrollBox", L"sb", L"", {{L"BorderStyle", TIdent{L"bsNone"}}}},
       {L"TBitBtn", L"bb", L"sb", {{L"Kind", TIdent{L"bkOK"}}, {L"Layout", TIdent{L"blGlyphTop"}}, {L"Glyph.Data", GlyphBytes()}, {L"NumGlyphs", 2}}},
       {L"TSpeedButton", L"sp", L"sb", {{L"GroupIndex", 1}, {L"Down", true}}}}};
}

TEST(StdctrlsLayout, EveryControlClassIsCreatedByNameWithItsProperties) {
  auto* form = new TForm(Application);
  std::unique_ptr<TForm> owned(form);
  int dirChanges = 0;
  form->PublishMethod<TNotifyEvent>(L"ED_dirChange", [&](TObject*) { ++dirChanges; });
  form->ReadLayout(ControlsLayout());
  form->Show();
  for (const TComponentRecord& record : ControlsLayout().Components) {
    auto* control = dynamic_cast<TWinControl*>(form->FindComponent(record.Name));
    if (!control) continue;  // the label has no window
    wchar_t className[32] = {};
    GetClassNameW(control->Handle(), className, 32);
    EXPECT_EQ(std::wstring(className), record.ClassName);
  }
  auto* label = dynamic_cast<TLabel*>(form->FindComponent(L"sLabel1"));
  auto* dir = dynamic_cast<TEdit*>(form->FindComponent(L"ED_dir"));
  ASSERT_TRUE(label && dir);
  EXPECT_EQ(label->FocusControl(), dir);
  EXPECT_EQ(SendMessageW(dir->Handle(), EM_GETLIMITTEXT, 0, 0), 255);
  dir->SetText(L"C:\\");
  EXPECT_EQ(dirChanges, 1);
  EXPECT_TRUE(dynamic_cast<TRadioButton*>(form->FindComponent(L"rb_file"))->Checked());
  auto* list = dynamic_cast<TListView*>(form->FindComponent(L"lv_Files"));
  EXPECT_EQ(SendMessageW(list->Handle(), LVM_GETCOLUMNWIDTH, 1, 0), 40);
  EXPECT_TRUE(list->FlatScrollBars());
  auto* spin = dynamic_cast<TSpinEdit*>(form->FindComponent(L"ED_numstart"));
  EXPECT_EQ(spin->Value(), 1);
  EXPECT_EQ(spin->Parent(), form->FindComponent(L"sGroupBox1"));
  EXPECT_TRUE(dynamic_cast<TSpeedButton*>(form->FindComponent(L"sp"))->Down());
  auto* bit = dynamic_cast<TBitBtn*>(form->FindComponent(L"bb"));
  EXPECT_EQ(bit->Glyph().Width(), 16);
  EXPECT_EQ(bit->NumGlyphs(), 2);
  EXPECT_EQ(bit->Layout(), blGlyphTop);
}

}  // namespace
