#pragma once
// TacSBAnimation: a caption button's change of state shown as a layered
// window over the button that fades in (hot: 10 steps, pressed: at once) and
// out again, ticking every 12 ms. The frame underneath keeps the normal
// picture while it runs; at the end of a fade-out the window goes and the
// button's own picture is painted again. A hot minimise, maximise or close
// button whose skin part has a glow ("<part>GLOW0") shows that glow around
// it instead of its hot picture, with its own per-pixel alpha.

#include <windows.h>

#include <memory>

class TBitmap;
class TsSkinProvider;
struct TsCaptionButton;

class TacSBAnimation {
 public:
  TacSBAnimation(TsSkinProvider& provider, TsCaptionButton& button);
  virtual ~TacSBAnimation();
  TacSBAnimation(const TacSBAnimation&) = delete;
  TacSBAnimation& operator=(const TacSBAnimation&) = delete;

  // Fades toward the state: in for hot and pressed, out for normal.
  void ChangeState(int state);
  int Level = 0;
  int Steps = 10;
  int State = 0;
  bool FadingIn = true;
  // The window shown now (the glow's while glowing).
  HWND Window() const { return FGlowWindow ? FGlowWindow : FWindow; }
  bool Glowing() const { return FGlowWindow != nullptr; }
  uint8_t Opacity() const;
  // The picture the window shows (null while glowing).
  TBitmap* Image() const { return FImage.get(); }

 protected:
  // The element's picture in State over the title band, into FImage.
  virtual void BuildImage();
  TsSkinProvider& FProvider;
  TsCaptionButton& FButton;
  std::unique_ptr<TBitmap> FImage;

 private:
  static void CALLBACK TimerProc(HWND, UINT, UINT_PTR id, DWORD);
  void Tick();
  void Show();
  // The glow part for the state, -1 when it has none.
  int GlowPart() const;
  void ShowGlow(int part);
  void PushGlow();
  void DestroyWindows();

  HWND FWindow = nullptr;
  UINT_PTR FTimer = 0;
  HWND FGlowWindow = nullptr;
  std::unique_ptr<TBitmap> FGlowImage;
  POINT FGlowAt{};
};
