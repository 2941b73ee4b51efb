#pragma once
// TsMaskEdit: the framework's masked edit drawn by the skin (section "EDIT"
// unless another is set). Focused, the platform edit paints the client area
// and the skinned frame ring stays around it; otherwise the whole control
// comes from the cache, its windowless children painted over it.

#include "core/paint/disabled_look.h"
#include "framework/stdctrls/mask_edit.h"
#include "skin/controls/edit_skin.h"
#include "skin/controls/label.h"
#include "skin/core/common_data.h"

// The mask edits' text offset o: Ctl3D + 2 inside a border, else 0.
int MaskEditTextOffset(const TCustomEdit& edit);
// The text of a masked edit in the cache: its line height plus 2 high.
RECT MaskEditTextRect(TCustomEdit& edit, int right);
UINT MaskEditTextFlags(const TCustomEdit& edit);

class TsMaskEdit : public TMaskEdit, protected TsEditOwner {
 public:
  explicit TsMaskEdit(TComponent* owner);
  std::wstring ClassName() const override { return L"TsMaskEdit"; }

  TsCtrlSkinData SkinData;
  TsBoundLabel& BoundLabel() { return FBoundLabel; }
  zelvan::paint::TsDisabledKind DisabledKind() const { return FSkin.DisabledKind; }
  void SetDisabledKind(zelvan::paint::TsDisabledKind value);
  TsEditSkin& Skin() { return FSkin; }

  bool PrepareCache() { return FSkin.PrepareCache(); }
  void WndProc(TMessage& message) override;
  void Loaded() override;

 protected:
  RECT SkinTextRect() override { return MaskEditTextRect(*this, Width() - MaskEditTextOffset(*this)); }
  UINT SkinTextFlags() override { return MaskEditTextFlags(*this); }
  std::wstring SkinText() override { return PasswordText(EditText(), PasswordChar()); }
  bool PlatformPaints() override { return Focused(); }
  void InheritedMessage(TMessage& message) override { TMaskEdit::WndProc(message); }

 private:
  TsBoundLabel FBoundLabel;
  TsEditSkin FSkin;
};
