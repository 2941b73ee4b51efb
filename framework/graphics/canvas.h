#pragma once
// TCanvas: drawing on a device context with a font, a brush and a pen. The
// canvas selects its objects into the context only when a call needs them and
// always puts the context's own objects back before it lets the context go or
// before one of its objects replaces its handle.

#include <windows.h>

#include <functional>
#include <string>

#include "framework/graphics/brush.h"
#include "framework/graphics/font.h"
#include "framework/graphics/pen.h"

class TBitmap;

class TCanvas : public TObject {
 public:
  TCanvas();
  ~TCanvas() override;
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;
  std::wstring ClassName() const override { return L"TCanvas"; }

  // The context is borrowed, never freed by this canvas; null detaches it.
  void SetHandle(HDC dc);
  HDC Handle();
  bool HandleAllocated() const { return FHandle != nullptr; }

  TFont& Font() { return FFont; }
  TBrush& Brush() { return FBrush; }
  TPen& Pen() { return FPen; }
  // Raster operation of Draw, StretchDraw and CopyRect.
  DWORD CopyMode = SRCCOPY;

  void TextOut(int x, int y, const std::wstring& text);
  // DrawTextW with its format flags (DT_CENTER, DT_WORDBREAK, DT_CALCRECT...);
  // with DT_CALCRECT the rectangle receives the measured size. Returns the text height.
  int TextRect(RECT& rect, const std::wstring& text, UINT format);
  SIZE TextExtent(const std::wstring& text);
  int TextWidth(const std::wstring& text) { return TextExtent(text).cx; }
  int TextHeight(const std::wstring& text) { return TextExtent(text).cy; }

  void FillRect(const RECT& rect);
  void FrameRect(const RECT& rect);
  void Rectangle(const RECT& rect);
  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  TColor Pixel(int x, int y);
  void SetPixel(int x, int y, TColor color);

  void Draw(int x, int y, TBitmap& bitmap);
  void StretchDraw(const RECT& dest, TBitmap& bitmap);
  void CopyRect(const RECT& dest, TCanvas& source, const RECT& sourceRect);

  // Clipping, in logical coordinates of the context.
  RECT ClipRect();
  void IntersectClip(const RECT& rect);
  void ExcludeClip(const RECT& rect);
  int SaveState();
  void RestoreState(int saved);

 protected:
  // Canvases that own their context (a bitmap's) make it here on first use.
  virtual void CreateHandle() {}
  // Puts the context's own font, brush and pen back.
  void DeselectObjects();

 private:
  void RequireFont();
  void RequireBrush();
  void RequirePen();

  HDC FHandle = nullptr;
  TFont FFont;
  TBrush FBrush;
  TPen FPen;
  HGDIOBJ FOldFont = nullptr;
  HGDIOBJ FOldBrush = nullptr;
  HGDIOBJ FOldPen = nullptr;
};

// Lends `dc` to the canvas for one painting, with the painter's font and
// background colour, and takes it back afterwards even when painting throws.
void PaintOnCanvas(TCanvas& canvas, HDC dc, const TFont& font, TColor color,
                   const std::function<void()>& paint);
