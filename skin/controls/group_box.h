#pragma once
// TsGroupBox: a group box painted from a skin section ("GROUPBOX"), its
// caption on a patch of its own (the "CHECKBOX" section, or CaptionSkin), the
// caption placed by CaptionLayout and CaptionMargin; its cache is the
// background of what it holds.

#include <string>

#include "framework/stdctrls/group_box.h"
#include "skin/core/common_data.h"

class TsGroupBox;

class TsMargin {
 public:
  explicit TsMargin(TsGroupBox* control) : FControl(control) {}
  int Left() const { return FLeft; }
  int Top() const { return FTop; }
  int Right() const { return FRight; }
  int Bottom() const { return FBottom; }
  void SetLeft(int value) { Set(FLeft, value); }
  void SetTop(int value) { Set(FTop, value); }
  void SetRight(int value) { Set(FRight, value); }
  void SetBottom(int value) { Set(FBottom, value); }

 private:
  void Set(int& field, int value);
  TsGroupBox* FControl;
  int FLeft = 2, FTop = 0, FRight = 2, FBottom = 0;
};

enum TsCaptionLayoutKind { clTopLeft, clTopCenter, clTopRight };

class TsGroupBox : public TGroupBox {
 public:
  explicit TsGroupBox(TComponent* owner);
  std::wstring ClassName() const override { return L"TsGroupBox"; }

  TsCaptionLayoutKind CaptionLayout() const { return FCaptionLayout; }
  void SetCaptionLayout(TsCaptionLayoutKind value);
  int CaptionYOffset() const { return FCaptionYOffset; }
  void SetCaptionYOffset(int value);
  const std::string& CaptionSkin() const { return FCaptionSkin; }
  void SetCaptionSkin(const std::string& value);
  int CaptionWidth() const { return FCaptionWidth; }
  void SetCaptionWidth(int value);
  TsMargin& CaptionMargin() { return FCaptionMargin; }
  TsCtrlSkinData SkinData;

  // Where the caption's patch goes, in the box's coordinates.
  RECT CaptionRect();
  bool PrepareCache();
  void PaintToDC(HDC dc);
  void WndProc(TMessage& message) override;
  RECT ClientRect() override;

 private:
  void WriteCaption(TBitmap& cache, const RECT& r, const zelvan::paint::TCacheInfo& behind);
  bool SkinCommand(TMessage& message);

  TsCaptionLayoutKind FCaptionLayout = clTopLeft;
  int FCaptionYOffset = 0;
  std::string FCaptionSkin;
  TsMargin FCaptionMargin{this};
  int FCaptionWidth = 0;
};
