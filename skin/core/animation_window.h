#pragma once
// TacAnimationWindow: the borderless layered window that window animations
// push their frames into, placed over the form being animated. It never
// takes the focus and is never skinned (tag -98).

#include <windows.h>

#include <functional>
#include <memory>

#include "core/paint/window_animation_steps.h"
#include "framework/forms/custom_form.h"
#include "framework/graphics/bitmap.h"

inline constexpr intptr_t kNeverSkinnedTag = -98;

class TacAnimationWindow : public TCustomForm {
 public:
  explicit TacAnimationWindow(TComponent* owner);
  // Shows picture over the screen rectangle bounds: the frame's rectangle
  // (relative to bounds) receives the picture, stretched with halftone when
  // it differs from the picture's size; the rest is clear. The window is
  // shown, without activation, at the first frame.
  void Push(TBitmap& picture, const RECT& bounds, const zelvan::paint::TAnimFrame& frame);

 protected:
  void CreateParams(TCreateParams& params) override;

 private:
  std::unique_ptr<TBitmap> FFrame;
};

// A picture with per-pixel alpha (premultiplied) into a layered window, its
// top-left at position on the screen, at constant opacity alpha. With dirty
// (picture coordinates) the platform copies no more of it than that part.
void PushLayeredPicture(HWND window, TBitmap& picture, POINT position, BYTE alpha, const RECT* dirty = nullptr);

// The same into any layered window (an extended border's, say); scratch
// keeps the working frame between calls.
void PushLayeredFrame(HWND window, TBitmap& picture, const RECT& bounds, const zelvan::paint::TAnimFrame& frame,
                      std::unique_ptr<TBitmap>& scratch);

// Frames pushed into animation windows since the process started.
int AnimationFramesPushed();

// Sees every frame pushed (the gallery draws them; layered windows do not
// show in screenshots without a compositor). Empty: none.
using TAnimationFrameObserver =
    std::function<void(TBitmap& picture, const RECT& bounds, const zelvan::paint::TAnimFrame& frame)>;
void SetAnimationFrameObserver(TAnimationFrameObserver observer);
