#pragma once
// One element of a skinned form's title band (a system button, a user title
// button): where it lies, the skin part it shows and its state.

#include <windows.h>

#include <memory>

class TacSBAnimation;

struct TsCaptionButton {
  int State = 0;  // 0 normal, 1 hot, 2 pressed
  int ImageIndex = -1;
  RECT Rect{};  // window coordinates; empty when not shown
  bool HaveAlignment = false;
  int GlowID = -1;
  int HitCode = 0;
  bool Enabled = true;
  std::unique_ptr<TacSBAnimation> Timer;  // the running animation, if any
  TsCaptionButton();
  ~TsCaptionButton();
  TsCaptionButton(TsCaptionButton&&) noexcept;
  TsCaptionButton& operator=(TsCaptionButton&&) noexcept;
};
