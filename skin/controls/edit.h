#pragma once
// TsEdit: the framework's edit drawn by the skin (section "EDIT"): frame,
// background and, while nobody works in it, its text come from the cache;
// focused or under the mouse, the platform edit shows its own text, caret
// and selection inside the skinned frame.

#include "core/paint/disabled_look.h"
#include "framework/stdctrls/custom_edit.h"
#include "skin/controls/edit_skin.h"
#include "skin/controls/label.h"
#include "skin/core/common_data.h"

class TsEdit : public TEdit, private TsEditOwner {
 public:
  explicit TsEdit(TComponent* owner);
  std::wstring ClassName() const override { return L"TsEdit"; }

  TsCtrlSkinData SkinData;
  TsBoundLabel& BoundLabel() { return FBoundLabel; }
  zelvan::paint::TsDisabledKind DisabledKind() const { return FSkin.DisabledKind; }
  void SetDisabledKind(zelvan::paint::TsDisabledKind value);
  TsEditSkin& Skin() { return FSkin; }

  bool PrepareCache() { return FSkin.PrepareCache(); }
  void WndProc(TMessage& message) override;
  void Loaded() override;

 protected:
  RECT SkinTextRect() override;
  UINT SkinTextFlags() override { return DT_SINGLELINE | DT_NOPREFIX | DT_LEFT; }
  std::wstring SkinText() override { return PasswordText(Text(), PasswordChar()); }
  bool PlatformPaints() override { return SkinData.IsHot(); }
  void InheritedMessage(TMessage& message) override { TEdit::WndProc(message); }

 private:
  TsBoundLabel FBoundLabel;
  TsEditSkin FSkin;
};
