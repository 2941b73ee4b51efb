#include "skin/core/animation_window.h"

#include <cmath>
#include <cstring>

#include "core/paint/alpha_channel.h"

namespace {
int FramesPushed = 0;
TAnimationFrameObserver& Observer() {
  static TAnimationFrameObserver observer;
  return observer;
}
}  // namespace

int AnimationFramesPushed() { return FramesPushed; }
void SetAnimationFrameObserver(TAnimationFrameObserver observer) { Observer() = std::move(observer); }

TacAnimationWindow::TacAnimationWindow(TComponent* owner) : TCustomForm(owner, L"TacAnimationWindow") {
  SetTag(kNeverSkinnedTag);
  SetBorderStyle(bsNone);
}

void TacAnimationWindow::CreateParams(TCreateParams& params) {
  TCustomForm::CreateParams(params);
  params.Style = WS_POPUP;
  params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_LAYERED;
}

void TacAnimationWindow::Push(TBitmap& picture, const RECT& bounds, const zelvan::paint::TAnimFrame& frame) {
  PushLayeredFrame(Handle(), picture, bounds, frame, FFrame);
}

void PushLayeredPicture(HWND window, TBitmap& picture, POINT position, BYTE alpha, const RECT* dirty) {
  if (picture.Empty()) return;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HGDIOBJ old = SelectObject(memory, picture.Handle());
  SIZE size{picture.Width(), picture.Height()};
  POINT origin{0, 0};
  BLENDFUNCTION blend{AC_SRC_OVER, 0, alpha, AC_SRC_ALPHA};
  UPDATELAYEREDWINDOWINFO info{};
  info.cbSize = sizeof(info);
  info.hdcDst = screen;
  info.pptDst = &position;
  info.psize = &size;
  info.hdcSrc = memory;
  info.pptSrc = &origin;
  info.pblend = &blend;
  info.dwFlags = ULW_ALPHA;
  info.prcDirty = dirty;
  UpdateLayeredWindowIndirect(window, &info);
  SelectObject(memory, old);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
}

void PushLayeredFrame(HWND window, TBitmap& picture, const RECT& bounds, const zelvan::paint::TAnimFrame& frame,
                      std::unique_ptr<TBitmap>& scratch) {
  const int width = bounds.right - bounds.left, height = bounds.bottom - bounds.top;
  if (width <= 0 || height <= 0 || picture.Empty()) return;
  const RECT target{static_cast<LONG>(std::lround(frame.Left)), static_cast<LONG>(std::lround(frame.Top)),
                    static_cast<LONG>(std::lround(frame.Right)), static_cast<LONG>(std::lround(frame.Bottom))};
  TBitmap* source = &picture;
  const bool whole = target.left == 0 && target.top == 0 && target.right == width && target.bottom == height &&
                     picture.Width() == width && picture.Height() == height;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  if (!whole) {
    if (!scratch || scratch->Width() != width || scratch->Height() != height) {
      scratch = std::make_unique<TBitmap>(width, height, pf32bit);
    }
    GdiFlush();
    for (int y = 0; y < height; ++y) std::memset(scratch->ScanLine(y), 0, 4 * static_cast<size_t>(width));
    HDC from = CreateCompatibleDC(screen);
    HGDIOBJ oldFrom = SelectObject(from, picture.Handle());
    HGDIOBJ oldTo = SelectObject(memory, scratch->Handle());
    SetStretchBltMode(memory, HALFTONE);
    SetBrushOrgEx(memory, 0, 0, nullptr);
    StretchBlt(memory, target.left, target.top, target.right - target.left, target.bottom - target.top, from, 0, 0,
               picture.Width(), picture.Height(), SRCCOPY);
    SelectObject(memory, oldTo);
    SelectObject(from, oldFrom);
    DeleteDC(from);
    GdiFlush();
    // Stretching leaves the alpha byte undefined: the picture is opaque.
    zelvan::paint::SetRectAlpha(scratch->Image(), {target.left, target.top, target.right, target.bottom}, 255, false);
    source = scratch.get();
  }
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  PushLayeredPicture(window, *source, POINT{bounds.left, bounds.top},
                     static_cast<BYTE>(std::clamp(std::lround(frame.Alpha), 0L, 255L)));
  ++FramesPushed;
  if (Observer()) Observer()(picture, bounds, frame);
}
