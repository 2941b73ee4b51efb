#pragma once
// TsButton: the framework's push button drawn by the skin: four looks
// (normal, hot, pressed, default) from its section, an optional image from an
// image list, a focus frame, fades between looks, a window region cut to a
// rounded frame, and the split and command-link styles. Unskinned it draws a
// classic owner-drawn button.

#include "core/paint/disabled_look.h"
#include "framework/stdctrls/button.h"
#include "skin/controls/button_face.h"
#include "skin/core/common_data.h"

class TsButton : public TButton, private TsFaceOwner {
 public:
  explicit TsButton(TComponent* owner);
  ~TsButton() override;
  std::wstring ClassName() const override { return L"TsButton"; }

  TsCtrlSkinData SkinData;

  TacAnimatEvents& AnimatEvents() { return FFace.AnimatEvents; }
  bool Down() const override { return FDown; }
  void SetDown(bool value);
  bool ShowFocus() const { return FShowFocus; }
  void SetShowFocus(bool value);
  int FocusMargin() const { return FFocusMargin; }
  void SetFocusMargin(int value) { FFocusMargin = value; }
  zelvan::paint::TsDisabledKind DisabledKind() const { return FDisabledKind; }
  void SetDisabledKind(zelvan::paint::TsDisabledKind value);
  bool Reflected() const { return FReflected; }
  void SetReflected(bool value);
  int ContentMargin() const { return FContentMargin; }
  void SetContentMargin(int value);

  // The split part's menu is open.
  bool DroppedDown = false;

  // 0 normal, 1 hot, 2 pressed, 3 default.
  int CurrentState() override;
  bool PrepareCache() override;
  TsFadeTimer* FadeTimer() const { return FFace.FadeTimer; }
  TsButtonFace& Face() { return FFace; }

  // Layout, in the button's coordinates for a state.
  bool ValidImage() const;
  int GlyphIndex(int state);
  SIZE CaptionSize(TCanvas& canvas);
  RECT CaptionRect(TCanvas& canvas, int state);
  RECT ImageRect(int state);

  void WndProc(TMessage& message) override;

 protected:
  DWORD ButtonStyle() const override { return BS_OWNERDRAW; }
  void ButtonLookChanged() override;

 private:
  bool DropDownPressed(const TMessage& message);
  void InheritedMessage(TMessage& message) override { TButton::WndProc(message); }
  SIZE ImageExtent() const;
  void DrawCaption(TCanvas& canvas, int state, bool skinned);
  void DrawImage(TCanvas* canvas, int state);
  void DrawSplit(TCanvas& canvas, TColor color);
  void DrawUnskinned(const DRAWITEMSTRUCT& item);

  TsButtonFace FFace;
  bool FDown = false;
  bool FShowFocus = true;
  int FFocusMargin = 1;
  zelvan::paint::TsDisabledKind FDisabledKind = zelvan::paint::dkBlended;
  bool FReflected = false;
  int FContentMargin = 6;
};
