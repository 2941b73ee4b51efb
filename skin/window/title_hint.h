#pragma once
// TacTitleHint: the small hint window of an element of a form's title band,
// shown under the element while it is hot. It never activates and lets the
// mouse through, so it cannot take the hot state from the element itself.

#include <windows.h>

#include <string>

class TacTitleHint {
 public:
  TacTitleHint() = default;
  ~TacTitleHint();
  TacTitleHint(const TacTitleHint&) = delete;
  TacTitleHint& operator=(const TacTitleHint&) = delete;

  // Shows text with its top-left at a screen point (moved to stay on the
  // monitor); an empty text hides the hint.
  void Show(const std::wstring& text, POINT at, HWND owner);
  void Hide();
  HWND Window() const { return FWindow; }
  const std::wstring& Text() const { return FText; }

 private:
  HWND FWindow = nullptr;
  std::wstring FText;
};
