#include "skin/controls/directory_edit.h"

#include "framework/stdctrls/speed_button.h"
#include "skin/controls/speed_button.h"
#include "skin/controls/skinned_classes.h"

TsDirectoryEdit::TsDirectoryEdit(TComponent* owner) : TsComboEditOf<TDirectoryEdit>(owner) {
  SetDefBmpID(kFolderGlyph);
}

TPathDialogClasses& TsDirectoryEdit::PickerClasses() {
  static TPathDialogClasses classes = [] {
    RegisterSkinnedControlClasses();
    TPathDialogClasses c;
    c.Label = L"TsLabel";
    c.ShellTree = L"TsShellTreeView";
    c.ScrollBox = L"TsScrollBox";
    c.Button = L"TsBitBtn";
    c.RootButton = L"TsSpeedButton";
    c.Dress = [](TLayout& layout) {
      const auto section = [](const wchar_t* name) {
        return TPropertyList{{L"SkinData.SkinSection", std::wstring(name)}};
      };
      for (TComponentRecord& record : layout.Components) {
        TPropertyList more;
        if (record.Name == L"sShellTreeView1") more = section(L"EDIT");
        if (record.Name == L"sScrollBox1") {
          more = section(L"BAR");
          more.push_back({L"VertScrollBar.Tracking", true});
        }
        if (record.Name.rfind(L"sBitBtn", 0) == 0) {
          more = section(L"BUTTON");
          more.push_back({L"ShowFocus", false});
        }
        record.Properties.insert(record.Properties.end(), more.begin(), more.end());
      }
      layout.Components.push_back({L"TsSkinProvider", L"sSkinProvider1", L"",
                                   {{L"SkinData.SkinSection", std::wstring(L"DIALOG")},
                                    {L"GripMode", TIdent{L"gmRightBottom"}},
                                    {L"ShowAppIcon", false}}});
    };
    c.DressRootButton = [](TSpeedButton& button) {
      if (auto* skinned = dynamic_cast<TsSpeedButton*>(&button)) skinned->SkinData.SetSkinSection("TOOLBUTTON");
    };
    return c;
  }();
  return classes;
}
