#pragma once
// TsBitBtn: the framework's bit button drawn by the skin: the push button's
// looks, region, fades and focus frame (the shared button face), with a
// glyph from a bitmap strip or an image list placed beside, above or below
// the caption.

#include <functional>

#include "core/paint/button_layout.h"
#include "core/paint/disabled_look.h"
#include "framework/stdctrls/bit_btn.h"
#include "framework/stdctrls/label.h"
#include "skin/controls/button_face.h"
#include "skin/image/button_glyphs.h"

class TsBitBtn : public TBitBtn, private TsFaceOwner {
 public:
  explicit TsBitBtn(TComponent* owner);
  ~TsBitBtn() override;
  std::wstring ClassName() const override { return L"TsBitBtn"; }

  TsCtrlSkinData SkinData;
  // Called after every cache fill with the cache.
  std::function<void(TObject* sender, TBitmap& bitmap)> OnPaint;

  TacAnimatEvents& AnimatEvents() { return FFace.AnimatEvents; }
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment value);
  int Blend() const { return FBlend; }
  void SetBlend(int value);
  TsDisabledGlyphKind DisabledGlyphKind() const { return FDisabledGlyphKind; }
  void SetDisabledGlyphKind(TsDisabledGlyphKind value);
  zelvan::paint::TsDisabledKind DisabledKind() const { return FDisabledKind; }
  void SetDisabledKind(zelvan::paint::TsDisabledKind value);
  bool Down() const override { return FDown; }
  void SetDown(bool value);
  int FocusMargin() const { return FFocusMargin; }
  void SetFocusMargin(int value) { FFocusMargin = value; }
  bool Grayed() const { return FGrayed; }
  void SetGrayed(bool value);
  bool Reflected() const { return FReflected; }
  void SetReflected(bool value);
  bool ShowCaption() const { return FShowCaption; }
  void SetShowCaption(bool value);
  bool ShowFocus() const { return FShowFocus; }
  void SetShowFocus(bool value);
  bool DrawOverBorder() const { return FDrawOverBorder; }
  void SetDrawOverBorder(bool value);
  // Stored only: no painting reads it.
  int TextOffset() const { return FTextOffset; }
  void SetTextOffset(int value);
  TAlignment TextAlignment() const { return FTextAlignment; }
  void SetTextAlignment(TAlignment value);

  int CurrentState() override;
  bool PrepareCache() override;
  TsFadeTimer* FadeTimer() const { return FFace.FadeTimer; }
  TsButtonFace& Face() { return FFace; }

  SIZE GlyphSize();
  SIZE CaptionSize(TCanvas& canvas);
  // Glyph and caption placed for the current sizes; CaptionRect and GlyphPos follow.
  void Layout(TCanvas& canvas);
  RECT ImgRect(int state);
  const RECT& CaptionRect() const { return FCaptionRect; }

  void Invalidate() override;
  void WndProc(TMessage& message) override;

 protected:
  void ButtonLookChanged() override;

 private:
  void InheritedMessage(TMessage& message) override { TBitBtn::WndProc(message); }
  bool FaceChanged() override { return Spacing() != FOldSpacing; }
  bool ValidListGlyph() const;
  void DrawCaption(TCanvas& canvas, int state);
  void DrawGlyph(int state);
  void Changed();

  TsButtonFace FFace;
  int FOldSpacing = 4;
  bool FDown = false;
  int FFocusMargin = 1;
  zelvan::paint::TsDisabledKind FDisabledKind = zelvan::paint::dkBlended;
  TsDisabledGlyphKind FDisabledGlyphKind = dgBlended;
  bool FGrayed = false;
  int FBlend = 0;
  int FTextOffset = 0;
  bool FShowCaption = true;
  bool FShowFocus = true;
  TAlignment FAlignment = taCenter;
  bool FDrawOverBorder = true;
  TAlignment FTextAlignment = taCenter;
  bool FReflected = false;
  POINT FGlyphPos{};
  RECT FCaptionRect{};
};
