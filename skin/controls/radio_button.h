#pragma once
// TsRadioButton: the framework's radio button painted by the skin: the
// section's background, the round mark from the skin (or from the user's
// images), the caption in the section's state colours and a focus frame;
// read-only mode, mark alignment, margin and text indent, automatic sizing,
// fades between states and an event for changes of the checked state.

#include <memory>

#include "core/paint/disabled_look.h"
#include "framework/graphics/bitmap.h"
#include "framework/stdctrls/label.h"
#include "framework/stdctrls/radio_button.h"
#include "skin/core/common_data.h"
#include "skin/core/state_fade.h"

enum TsVerticalAlign { vaTop, vaMiddle, vaBottom };

class TsRadioButton : public TRadioButton {
 public:
  explicit TsRadioButton(TComponent* owner);
  ~TsRadioButton() override;
  std::wstring ClassName() const override { return L"TsRadioButton"; }

  void SetChecked(bool checked) override;
  TNotifyEvent OnValueChanged;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;

  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool value);
  int Margin() const { return FMargin; }
  void SetMargin(int value);
  int TextIndent() const { return FTextIndent; }
  void SetTextIndent(int value);
  bool ShowFocus() const { return FShowFocus; }
  void SetShowFocus(bool value);
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool value) { FReadOnly = value; }
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool value);
  TsVerticalAlign VerticalAlign() const { return FVerticalAlign; }
  void SetVerticalAlign(TsVerticalAlign value);
  // taRightJustify: the text right of the mark (mirrored for right-to-left).
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment value);
  zelvan::paint::TsDisabledKind DisabledKind() const { return FDisabledKind; }
  void SetDisabledKind(zelvan::paint::TsDisabledKind value);
  TBitmap& GlyphChecked() { return FGlyphChecked; }
  void SetGlyphChecked(const TBitmap& bitmap);
  TBitmap& GlyphUnChecked() { return FGlyphUnChecked; }
  void SetGlyphUnChecked(const TBitmap& bitmap);
  TacAnimatEvents AnimatEvents{aeGlobalDef};
  TsCtrlSkinData SkinData;
  TsFadeTimer* FadeTimer = nullptr;

  // The mark's size and state images, and where it goes.
  SIZE MarkSize() const;
  int MarkStateCount() const;
  RECT MarkRect() const;
  // 2 pressed, 1 hot (not read-only), else 0.
  int MarkState() const;
  bool Pressed() const { return FPressed; }
  bool PrepareCache();
  void AdjustSize();
  void WndProc(TMessage& message) override;

 private:
  bool TextRightOfMark() const;
  TBitmap* UserGlyph();
  const TBitmap* UserGlyph() const;
  int MaskIndex() const;
  int PaintState() const { return SkinData.IsHot() && !FReadOnly ? 1 : 0; }
  void WriteCaption(TCanvas& canvas);
  void DrawMark(TBitmap& cache, const zelvan::paint::TCacheInfo& behind);
  void Paint(HDC givenDC);
  void Animate(TacAnimatEvent event, bool half);
  void StopAnimation();
  bool SkinnedMessage(TMessage& message);
  void UnskinnedMessage(TMessage& message, bool& handled);
  void Repaint();

  zelvan::paint::TsDisabledKind FDisabledKind = zelvan::paint::dkBlended;
  TBitmap FGlyphUnChecked;
  TBitmap FGlyphChecked;
  int FTextIndent = 0;
  bool FShowFocus = true;
  int FMargin = 2;
  TsVerticalAlign FVerticalAlign = vaMiddle;
  bool FPressed = false;
  bool FReadOnly = false;
  bool FAutoSize = true;
  bool FWordWrap = false;
  TAlignment FAlignment = taRightJustify;
  bool FInSetCheck = false;
};
