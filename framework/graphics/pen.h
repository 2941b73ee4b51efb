#pragma once
// TPen: colour, width and style of lines and frames; the HPEN is made on
// demand and owned here.

#include <windows.h>

#include "framework/graphics/color.h"
#include "framework/graphics/graphics_object.h"
#include "framework/system/win_handles.h"

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };

class TPen : public TGraphicsObject {
 public:
  std::wstring ClassName() const override { return L"TPen"; }
  void Assign(const TPen& source);

  TColor Color() const { return FColor; }
  void SetColor(TColor color);
  int Width() const { return FWidth; }
  void SetWidth(int width);
  TPenStyle Style() const { return FStyle; }
  void SetStyle(TPenStyle style);

  HPEN Handle();

 private:
  void Modified();

  TColor FColor = clBlack;
  int FWidth = 1;
  TPenStyle FStyle = psSolid;
  TPenHandle FHandle;
};
