#pragma once
// The skin-editing tool's side of a live preview, played by the tests: a
// window with the tool's title that records each announcement and answers
// it, and the hand-over of a record to an announced window.

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "../core/store/skin_fixture.h"
#include "core/store/skin_handover.h"

class TPreviewToolWindow {
 public:
  TPreviewToolWindow();
  ~TPreviewToolWindow();
  TPreviewToolWindow(const TPreviewToolWindow&) = delete;
  TPreviewToolWindow& operator=(const TPreviewToolWindow&) = delete;

  HWND Handle() const { return FHandle; }
  std::vector<HWND> Announced;  // lParam of every announcement, in order
  LRESULT Answer = 1;           // what each announcement is answered

 private:
  static LRESULT CALLBACK WndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  HWND FHandle = nullptr;
};

// Sends a block as WM_COPYDATA (bounded: the receiver may be another
// process); the receiver's answer, or -1 when it gave none in time.
LRESULT SendHandOver(HWND target, const std::vector<uint8_t>& block, size_t size, WPARAM wParam = 7);

// The skins of the preview tests. "Base" is a whole skin (a FORM section,
// BASE, and a 16-pixel wide image). The handed-over skin's folder holds only
// its 40-pixel wide image "hand.bmp"; its sections (FORM and HANDED) come
// from kHandedText. Its name has exactly 128 characters, so the record's name
// field holds no zero byte.
extern const std::string kHandedName;
extern const std::string kHandedText;
inline constexpr int kHandedImageWidth = 40;
void WritePreviewSkins(const zelvan::store::testing::TempFolder& dir);
