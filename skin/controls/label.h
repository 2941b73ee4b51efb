#pragma once
// Skinned labels: text in the colour of the surface the label stands on (the
// nearest section that gives its font), optionally over a section of its own;
// disabled text mixed towards the background. TsBoundLabel keeps a caption
// label beside the control it belongs to.

#include <memory>
#include <string>

#include "framework/stdctrls/label.h"

class TsCommonData;
class TsSkinManager;

class TsCustomLabel : public TCustomLabel {
 public:
  explicit TsCustomLabel(TComponent* owner);
  std::wstring ClassName() const override { return L"TsCustomLabel"; }
  const std::string& SkinSection() const { return FSkinSection; }
  void SetSkinSection(const std::string& section);
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;
  void WndProc(TMessage& message) override;
  // The colour the skin gives the text now; clFuchsia when it gives none.
  TColor SkinFontColor() const;

 protected:
  void Paint() override;
  void DoDrawText(RECT& rect, UINT flags) override;
  // Whether the skin's colour replaces the font's.
  virtual bool UsesSkinColor() const { return true; }

 private:
  std::string FSkinSection;
  int FSkinIndex = -1;
};

class TsLabel : public TsCustomLabel {
 public:
  using TsCustomLabel::TsCustomLabel;
  std::wstring ClassName() const override { return L"TsLabel"; }
  bool UseSkinColor() const { return FUseSkinColor; }
  void SetUseSkinColor(bool value);

 protected:
  bool UsesSkinColor() const override { return FUseSkinColor; }

 private:
  bool FUseSkinColor = true;
};

class TsBoundLabel;

// The label a bound label shows.
class TsEditLabel : public TsLabel {
 public:
  TsEditLabel(TComponent* owner, TsBoundLabel* bound) : TsLabel(owner), BoundLabel(bound) {}
  std::wstring ClassName() const override { return L"TsEditLabel"; }
  TsBoundLabel* BoundLabel;
};

enum TsCaptionLayout {
  sclLeft, sclTopLeft, sclTopCenter, sclTopRight, sclLeftTop, sclBottomLeft, sclBottomCenter, sclBottomRight
};

class TsBoundLabel : public TObject {
 public:
  // control: the control the label stays beside; data: its skin data.
  TsBoundLabel(TWinControl* control, TsCommonData* data);
  ~TsBoundLabel() override;
  std::wstring ClassName() const override { return L"TsBoundLabel"; }

  bool Active() const { return FActive; }
  void SetActive(bool value);
  const std::wstring& Caption() const { return FText; }
  void SetCaption(const std::wstring& value);
  int Indent() const { return FIndent; }
  void SetIndent(int value);
  TsCaptionLayout Layout() const { return FLayout; }
  void SetLayout(TsCaptionLayout value);
  int MaxWidth() const { return FMaxWidth; }
  void SetMaxWidth(int value);
  TFont& Font();
  void SetFont(const TFont& font);
  bool UseSkinColor() const;
  void SetUseSkinColor(bool value);

  TsEditLabel* TheLabel() const { return FTheLabel; }
  // Places the label beside the control by the layout.
  void AlignLabel();
  // After the control handled msg: the label keeps its place, visibility and
  // enabled state. A control whose disabled look is its own (an edit not
  // blended) keeps its label enabled: pass labelEnabled.
  void Follow(UINT msg);
  void Follow(UINT msg, bool labelEnabled);

 private:
  void ApplyAlignment();

  TWinControl* FControl;
  TsCommonData* FCommonData;
  int FMaxWidth = 0;
  std::wstring FText;
  TsCaptionLayout FLayout = sclLeft;
  TFont FFont;
  int FIndent = 0;
  bool FActive = false;
  TsEditLabel* FTheLabel = nullptr;
};
