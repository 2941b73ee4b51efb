#pragma once
// TacDialogWnd: the wrapper of a platform dialog window ("#32770": message
// boxes, the common dialogs). It does for a bare window what TsSkinProvider
// does for a form: the frame, caption, caption buttons, system menu, window
// region and client background come from the skin ("DIALOG", the title band
// "DIALOGTITLE" or "FORMTITLE"), painted with the form frame's helpers.
//
// While skinned the window has no system-menu style, so the platform draws
// no caption buttons of its own; the style seen at the start is kept in
// dwStyle and lent back while the platform reads its system menu.
//
// Sections: dialog_wnd.cpp (life, parameters, metrics, messages),
// dialog_wnd_frame.cpp (the picture, the region, the buttons).

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "core/paint/dialog_frame.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/font.h"
#include "skin/window/scroll_wnd.h"
#include "skin/window/skin_provider.h"

class TacBorderForm;
class TacProvider;
class TacSystemMenu;

class TacDialogWnd : public TacScrollWnd {
 public:
  TacDialogWnd(HWND handle, TsSkinManager* manager, TacProvider* provider);
  ~TacDialogWnd() override;

  std::vector<zelvan::paint::TRect> ArOR;
  int CurrentHT = 0;
  bool FFormActive = true;
  bool FWMPaintForbidden = false;
  int FCaptionSkinIndex = -1;
  bool Initialized = false;
  TsCaptionButton ButtonMin, ButtonMax, ButtonClose, ButtonHelp;
  RECT LastClientRect{};
  std::unique_ptr<TBitmap> TitleGlyph;
  HICON TitleIcon = nullptr;
  TFont TitleFont;
  unsigned FormState = 0;
  LONG_PTR dwStyle = 0, dwExStyle = 0;
  bool RgnChanged = true;
  zelvan::paint::TacBorderStyle BorderStyle = zelvan::paint::acbsSingle;
  std::unique_ptr<TBitmap> TempBmp;
  std::unique_ptr<TacSystemMenu> SystemMenu;
  std::unique_ptr<TacBorderForm> BorderForm;  // extended borders: the shadow window, null without
  TacProvider* Provider;
  int TitleIndex = -1;
  std::string TitleSection;

  void WrapperWndProc(TMessage& message) override;

  // --- set-up
  void InitParams();
  void UpdateIconsIndexes();
  void PrepareTitleGlyph();

  // --- metrics (pixels)
  int FrameWidth() const;
  int CaptionHeight() const;
  int BorderHeight() const { return FrameWidth(); }
  int HeaderHeight() const { return CaptionHeight() + BorderHeight(); }
  int OffsetX() const;
  int OffsetY() const;
  RECT IconRect() const;
  int SysButtonWidth(const TsCaptionButton& button) const;
  int ButtonHeight(int imageIndex) const;
  int TitleBtnsWidth() const;

  // --- rules
  zelvan::paint::TDialogFacts Facts() const;
  bool VisibleClose() const { return zelvan::paint::VisibleClose(Facts()); }
  bool VisibleHelp() const { return zelvan::paint::VisibleHelp(Facts()); }
  bool VisibleMax() const { return zelvan::paint::VisibleMax(Facts()); }
  bool VisibleMin() const { return zelvan::paint::VisibleMin(Facts()); }
  bool VisibleRestore() const { return zelvan::paint::VisibleRestore(Facts()); }
  bool EnabledClose() const { return zelvan::paint::EnabledClose(Facts()); }
  bool EnabledMax() const { return zelvan::paint::EnabledMax(Facts()); }
  bool EnabledMin() const { return zelvan::paint::EnabledMin(Facts()); }
  bool EnabledRestore() const { return zelvan::paint::EnabledRestore(Facts()); }
  bool FormActive() const { return FFormActive; }

  // --- painting (dialog_wnd_frame.cpp)
  bool PaintAll();
  void PaintBorderIcons();
  void PaintCaption(HDC dc);
  void Ac_WMPaint(HDC dc);
  void Ac_WMNCPaint();
  int Ac_WMNCHitTest(POINT screen);
  // Lays the caption buttons out (close, maximise, minimise, help).
  void CalcButtons();
  TsCaptionButton* ButtonByCode(int code);
  void SetHotHT(int code, bool repaint = true);
  void SetPressedHT(int code);
  void RepaintButton(int code);
  void DropSysMenu(int x, int y);
  void KillAnimations();

 protected:
  void AfterHook() override;

 private:
  bool SkinActive() const;
  void DialogMessage(TMessage& message);
  // Keeps the shadow window with the dialog after a message that moved,
  // sized, showed, activated or reskinned it.
  void BorderAfter(const TMessage& message);
  bool DialogCommand(TMessage& message);
  bool Ac_WMNCLButtonDown(TMessage& message);
  bool Ac_WMLButtonUp(TMessage& message);
  void Ac_WMNCActivate(TMessage& message);
  void Ac_DrawStaticItem(TMessage& message);
  void ReadPlatformClose();
  void SetSysMenuStyle(bool present);
  void WrapChildren();
  void PaintCaptionText(TBitmap& cache, int state);
  void PaintTitleIcon(TBitmap& cache);
  void BuildRegion();
  // The window's rectangle and its client area in window coordinates.
  RECT Bounds() const;
  RECT ClientInWindow() const;
  // Runs the previous procedure with the window hidden from painting, so the
  // platform draws no caption of its own.
  void HiddenCall(TMessage& message);
  HBRUSH CtlColorBrush();
  bool FCloseGrayed = false;
  bool FClassNoClose = false;
  bool FBigButtons = false;
  bool FPressed = false;
  bool FRgnApplied = false;
  std::vector<zelvan::paint::TRect> FAppliedRgn;
  SIZE FAppliedSize{};
  // The show animation before the platform shows the window; the hide
  // animation from a picture taken before a closing command was handled.
  void ShowAnimated(TMessage& message);
  void HideAnimated(TMessage& message);
  std::unique_ptr<TBitmap> FHideSnapshot;
  HBRUSH FDlgBrush = nullptr;
  COLORREF FDlgBrushColor = CLR_INVALID;
  TTextGlowCache FGlow;
};

// The dialog wrapper of a window, or null.
TacDialogWnd* DialogWndOf(HWND window);
