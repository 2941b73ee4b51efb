#pragma once
// TPanel: a plain container with raised or lowered bevels and a caption
// drawn in its middle.

#include "framework/controls/win_control.h"

class TPanel : public TWinControl {
 public:
  explicit TPanel(TComponent* owner);
  std::wstring ClassName() const override { return L"TPanel"; }

  TBevelCut BevelInner() const { return FBevelInner; }
  void SetBevelInner(TBevelCut cut);
  TBevelCut BevelOuter() const { return FBevelOuter; }
  void SetBevelOuter(TBevelCut cut);
  bool ShowCaption() const { return FShowCaption; }
  void SetShowCaption(bool show);

  void WndProc(TMessage& message) override;

 protected:
  void PaintWindow(HDC dc) override;

 private:
  TBevelCut FBevelInner = bvNone;
  TBevelCut FBevelOuter = bvRaised;
  bool FShowCaption = true;
};
