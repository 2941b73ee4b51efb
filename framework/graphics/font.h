#pragma once
// TFont: a logical font described by name, height, style, colour and charset;
// the HFONT is made on demand and owned here.

#include <windows.h>

#include <string>

#include "framework/graphics/color.h"
#include "framework/graphics/graphics_object.h"
#include "framework/system/set.h"
#include "framework/system/win_handles.h"

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;

class TFont : public TGraphicsObject {
 public:
  TFont();
  std::wstring ClassName() const override { return L"TFont"; }

  void Assign(const TFont& source);
  bool SameAs(const TFont& other) const;

  const std::wstring& Name() const { return FName; }
  void SetName(const std::wstring& name);
  // Character height in pixels, negative as stored in layouts (-11 is 8 points at 96 dpi).
  int Height() const { return FHeight; }
  void SetHeight(int height);
  // Points, at the screen's pixels per inch.
  int Size() const;
  void SetSize(int points);
  TFontStyles Style() const { return FStyle; }
  void SetStyle(TFontStyles style);
  TColor Color() const { return FColor; }
  void SetColor(TColor color);
  BYTE Charset() const { return FCharset; }
  void SetCharset(BYTE charset);

  HFONT Handle();
  static int PixelsPerInch();

 private:
  void Modified();

  std::wstring FName = L"Tahoma";
  int FHeight = -11;
  TFontStyles FStyle;
  TColor FColor = clWindowText;
  BYTE FCharset = DEFAULT_CHARSET;
  TFontHandle FHandle;
};
