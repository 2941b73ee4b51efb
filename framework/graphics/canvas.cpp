#include "framework/graphics/canvas.h"

#include "framework/graphics/bitmap.h"

namespace {

// Puts the context's own object of one kind back, if ours is selected.
void Restore(HDC dc, HGDIOBJ& old) {
  if (old) {
    SelectObject(dc, old);
    old = nullptr;
  }
}

}  // namespace

TCanvas::TCanvas() {
  FFont.OnChange = [this](TGraphicsObject*) {
    if (FHandle) Restore(FHandle, FOldFont);
  };
  FBrush.OnChange = [this](TGraphicsObject*) {
    if (FHandle) Restore(FHandle, FOldBrush);
  };
  FPen.OnChange = [this](TGraphicsObject*) {
    if (FHandle) Restore(FHandle, FOldPen);
  };
}

TCanvas::~TCanvas() { DeselectObjects(); }

void TCanvas::SetHandle(HDC dc) {
  if (dc == FHandle) return;
  DeselectObjects();
  FHandle = dc;
}

HDC TCanvas::Handle() {
  if (!FHandle) CreateHandle();
  return FHandle;
}

void TCanvas::DeselectObjects() {
  if (!FHandle) return;
  Restore(FHandle, FOldFont);
  Restore(FHandle, FOldBrush);
  Restore(FHandle, FOldPen);
}

void TCanvas::RequireFont() {
  HDC dc = Handle();
  if (!FOldFont) FOldFont = SelectObject(dc, FFont.Handle());
  SetTextColor(dc, ColorToRGB(FFont.Color()));
}

void TCanvas::RequireBrush() {
  HDC dc = Handle();
  if (!FOldBrush) FOldBrush = SelectObject(dc, FBrush.Handle());
  // A clear brush also means text without a background box.
  if (FBrush.Style() == bsClear) {
    SetBkMode(dc, TRANSPARENT);
  } else {
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, ColorToRGB(FBrush.Color()));
  }
}

void TCanvas::RequirePen() {
  HDC dc = Handle();
  if (!FOldPen) FOldPen = SelectObject(dc, FPen.Handle());
}

void TCanvas::TextOut(int x, int y, const std::wstring& text) {
  RequireFont();
  RequireBrush();
  ExtTextOutW(Handle(), x, y, 0, nullptr, text.c_str(), static_cast<UINT>(text.size()), nullptr);
}

int TCanvas::TextRect(RECT& rect, const std::wstring& text, UINT format) {
  RequireFont();
  RequireBrush();
  std::wstring buffer = text;  // DT_MODIFYSTRING may write into it
  buffer.reserve(buffer.size() + 4);
  return DrawTextW(Handle(), buffer.data(), static_cast<int>(text.size()), &rect, format);
}

SIZE TCanvas::TextExtent(const std::wstring& text) {
  RequireFont();
  SIZE size{};
  GetTextExtentPoint32W(Handle(), text.c_str(), static_cast<int>(text.size()), &size);
  return size;
}

void TCanvas::FillRect(const RECT& rect) {
  if (FBrush.Style() == bsClear) return;
  ::FillRect(Handle(), &rect, FBrush.Handle());
}

void TCanvas::FrameRect(const RECT& rect) {
  if (FBrush.Style() == bsClear) return;
  ::FrameRect(Handle(), &rect, FBrush.Handle());
}

void TCanvas::Rectangle(const RECT& rect) {
  RequirePen();
  RequireBrush();
  ::Rectangle(Handle(), rect.left, rect.top, rect.right, rect.bottom);
}

void TCanvas::MoveTo(int x, int y) { MoveToEx(Handle(), x, y, nullptr); }

void TCanvas::LineTo(int x, int y) {
  RequirePen();
  ::LineTo(Handle(), x, y);
}

TColor TCanvas::Pixel(int x, int y) { return GetPixel(Handle(), x, y); }

void TCanvas::SetPixel(int x, int y, TColor color) { ::SetPixel(Handle(), x, y, ColorToRGB(color)); }

void TCanvas::Draw(int x, int y, TBitmap& bitmap) {
  if (bitmap.Empty()) return;
  StretchDraw(RECT{x, y, x + bitmap.Width(), y + bitmap.Height()}, bitmap);
}

void TCanvas::StretchDraw(const RECT& dest, TBitmap& bitmap) {
  if (bitmap.Empty()) return;
  HDC source = bitmap.Canvas().Handle();
  const int w = dest.right - dest.left;
  const int h = dest.bottom - dest.top;
  if (bitmap.Transparent()) {
    TransparentBlt(Handle(), dest.left, dest.top, w, h, source, 0, 0, bitmap.Width(),
                   bitmap.Height(), ColorToRGB(bitmap.TransparentColor()));
  } else if (w == bitmap.Width() && h == bitmap.Height()) {
    BitBlt(Handle(), dest.left, dest.top, w, h, source, 0, 0, CopyMode);
  } else {
    SetStretchBltMode(Handle(), COLORONCOLOR);
    StretchBlt(Handle(), dest.left, dest.top, w, h, source, 0, 0, bitmap.Width(), bitmap.Height(),
               CopyMode);
  }
}

void TCanvas::CopyRect(const RECT& dest, TCanvas& source, const RECT& sourceRect) {
  SetStretchBltMode(Handle(), COLORONCOLOR);
  StretchBlt(Handle(), dest.left, dest.top, dest.right - dest.left, dest.bottom - dest.top,
             source.Handle(), sourceRect.left, sourceRect.top, sourceRect.right - sourceRect.left,
             sourceRect.bottom - sourceRect.top, CopyMode);
}

RECT TCanvas::ClipRect() {
  RECT rect{};
  GetClipBox(Handle(), &rect);
  return rect;
}

void TCanvas::IntersectClip(const RECT& rect) {
  IntersectClipRect(Handle(), rect.left, rect.top, rect.right, rect.bottom);
}

void TCanvas::ExcludeClip(const RECT& rect) {
  ExcludeClipRect(Handle(), rect.left, rect.top, rect.right, rect.bottom);
}

int TCanvas::SaveState() {
  // Saved with the context's own objects selected, so that RestoreState
  // returns to a context that holds none of ours.
  DeselectObjects();
  return SaveDC(Handle());
}

void TCanvas::RestoreState(int saved) {
  DeselectObjects();
  RestoreDC(Handle(), saved);
}

void PaintOnCanvas(TCanvas& canvas, HDC dc, const TFont& font, TColor color,
                   const std::function<void()>& paint) {
  canvas.SetHandle(dc);
  struct Detach {
    TCanvas& canvas;
    ~Detach() { canvas.SetHandle(nullptr); }
  } detach{canvas};
  canvas.Font().Assign(font);
  canvas.Brush().SetColor(color);
  paint();
}
