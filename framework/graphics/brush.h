#pragma once
// TBrush: colour and style of area fills; the HBRUSH is made on demand and
// owned here (a clear brush is the stock hollow brush, never freed).

#include <windows.h>

#include "framework/graphics/color.h"
#include "framework/graphics/graphics_object.h"
#include "framework/system/win_handles.h"

enum TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };

class TBrush : public TGraphicsObject {
 public:
  std::wstring ClassName() const override { return L"TBrush"; }
  void Assign(const TBrush& source);

  TColor Color() const { return FColor; }
  void SetColor(TColor color);
  TBrushStyle Style() const { return FStyle; }
  void SetStyle(TBrushStyle style);

  HBRUSH Handle();

 private:
  void Modified();

  TColor FColor = clWhite;
  TBrushStyle FStyle = bsSolid;
  TBrushHandle FHandle;
};
