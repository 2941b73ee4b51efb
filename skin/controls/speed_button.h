#pragma once
// TsSpeedButton: the framework's windowless speed button drawn by the skin:
// the section's look for its state, caption and glyph placed by the speed
// button's rules, fades made by a TsAnimTimer and painted by the button
// itself, separators and dividers, and the drop-down part's arrow.

#include <functional>

#include "core/paint/button_layout.h"
#include "core/paint/disabled_look.h"
#include "framework/stdctrls/label.h"
#include "framework/stdctrls/speed_button.h"
#include "skin/core/common_data.h"
#include "skin/core/state_fade.h"
#include "skin/image/button_glyphs.h"

enum TToolButtonStyle { tbsButton, tbsCheck, tbsDropDown, tbsSeparator, tbsDivider, tbsTextButton };

class TPopupMenu;

class TsSpeedButton : public TSpeedButton {
 public:
  explicit TsSpeedButton(TComponent* owner);
  ~TsSpeedButton() override;
  std::wstring ClassName() const override { return L"TsSpeedButton"; }

  TsCtrlSkinData SkinData;
  TacAnimatEvents AnimatEvents{aeGlobalDef};
  std::function<void(TObject* sender, TBitmap& bitmap)> OnPaint;
  TsAnimTimer* FadeTimer = nullptr;

  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment value);
  int Blend() const { return FBlend; }
  void SetBlend(int value);
  TToolButtonStyle ButtonStyle() const { return FButtonStyle; }
  void SetButtonStyle(TToolButtonStyle value);
  TsDisabledGlyphKind DisabledGlyphKind() const { return FDisabledGlyphKind; }
  void SetDisabledGlyphKind(TsDisabledGlyphKind value);
  zelvan::paint::TsDisabledKind DisabledKind() const { return FDisabledKind; }
  void SetDisabledKind(zelvan::paint::TsDisabledKind value);
  bool Grayed() const { return FGrayed; }
  void SetGrayed(bool value);
  TImageList* Images() const { return FImages; }
  void SetImages(TImageList* value);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int value);
  bool Reflected() const { return FReflected; }
  void SetReflected(bool value);
  bool ShowCaption() const { return FShowCaption; }
  void SetShowCaption(bool value);
  bool DrawOverBorder() const { return FDrawOverBorder; }
  void SetDrawOverBorder(bool value);
  int TextOffset() const { return FTextOffset; }
  void SetTextOffset(int value);
  TAlignment TextAlignment() const { return FTextAlignment; }
  void SetTextAlignment(TAlignment value);
  // Shown hot whatever the mouse does.
  bool HotState() const { return FHotState; }
  void SetHotState(bool value);
  // The menu a drop-down button opens; forgotten when it is freed.
  TPopupMenu* DropdownMenu() const { return FDropdownMenu; }
  void SetDropdownMenu(TPopupMenu* menu);
  // Its menu is open.
  bool DroppedDown = false;
  // The owner of an open menu: shown hot whatever the mouse does, never pressed.
  bool MenuOwnerMode() const { return FMenuOwnerMode; }
  void SetMenuOwnerMode(bool value);

  // 0 normal, 1 hot, 2 pressed.
  int CurrentState() const;
  bool PrepareCache();
  // Repaints from the cache through the parent's context, without invalidating.
  void GraphRepaint();
  void Invalidate() override;

  int DropDownWidth() const { return FButtonStyle == tbsDropDown ? 16 : 0; }
  SIZE GlyphSize();
  SIZE TextSize(TCanvas& canvas);
  zelvan::paint::TSpeedPlace Place(TCanvas& canvas, int state);

  void WndProc(TMessage& message) override;

 protected:
  void Paint() override;
  void Notification(TComponent* component, TOperation operation) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

 private:
  void Changed();
  // A press that opens the drop-down menu; true when it did.
  bool DropDownPressed(TMouseButton button, int x);
  void StateChanged(TacAnimatEvent event, bool half);
  void StopAnimation();
  void PaintContent(TBitmap& cache, int state, const zelvan::paint::TCacheInfo& behind);
  void CopyBehind(TBitmap& cache, const zelvan::paint::TCacheInfo& behind);
  void Entered(bool enter);
  void KeepShown(const std::function<void()>& frameworkChange);

  int FOldNumGlyphs = 1;
  int FOldSpacing = 4;
  bool FStoredDown = false;
  bool FHeld = false;
  zelvan::paint::TsDisabledKind FDisabledKind = zelvan::paint::dkBlended;
  TsDisabledGlyphKind FDisabledGlyphKind = dgBlended;
  bool FGrayed = false;
  int FBlend = 0;
  int FTextOffset = 0;
  int FImageIndex = -1;
  TImageList* FImages = nullptr;
  TPopupMenu* FDropdownMenu = nullptr;
  bool FMenuOwnerMode = false;
  TChangeLink FImageChangeLink;
  bool FShowCaption = true;
  TAlignment FAlignment = taCenter;
  TToolButtonStyle FButtonStyle = tbsButton;
  bool FDrawOverBorder = true;
  TAlignment FTextAlignment = taCenter;
  bool FReflected = false;
  bool FHotState = false;
};
