#pragma once
// TacBorderForm: the extended border of a skinned form, a layered window with
// per-pixel alpha lying directly under the form, that never takes the focus.
//
// For a form with a provider (sp) it shows the whole frame: the provider's
// cache picture (title band, borders, caption buttons, drawn around the
// client area with the skin's extended sizes) over the soft shadow (the
// skin's EXBORDER template, or the engine's built-in one with 9-pixel
// margins; active or inactive by the form's state). The form itself shows
// only its client area, so the mouse on the frame meets this window: it
// answers the provider's hit codes and passes the mouse messages on to the
// form, whose provider moves, sizes and presses buttons as on an ordinary
// skinned frame; the see-through shadow is cut out of its region.
//
// Without a provider (dialogs) it shows only the shadow around the form's
// own frame and lets the mouse through everywhere.
//
// One picture of the window's size is kept and painted again only when the
// size, the form's activity or the skin changed, and only its frame part when
// the provider's frame changed: a move only moves it. The part under the
// form's client area is painted opaque with the rest (a window with a hole
// there lost its place under the form in Wine's z-order), but left alone
// when only the frame changed.

#include <windows.h>

#include <memory>
#include <vector>

#include "core/paint/geometry.h"

class TBitmap;
class TsSkinManager;
class TsSkinProvider;

class TacBorderForm {
 public:
  TacBorderForm(HWND form, TsSkinManager* manager, TsSkinProvider* sp = nullptr);
  ~TacBorderForm();
  TacBorderForm(const TacBorderForm&) = delete;
  TacBorderForm& operator=(const TacBorderForm&) = delete;

  // Places the window around the form, directly under it in the z-order,
  // with the picture for the form's state (pushed at opacity blend); redraw
  // paints the picture even when nothing it is made from changed.
  void UpdateExBordersPos(bool redraw = false, BYTE blend = 255);
  // Paints the picture anew and pushes it.
  void PaintAll();
  // The form's state the shadow shows.
  void SetFormActive(bool active) { FActive = active; }
  // The skin changed: the next update paints the picture anew.
  void Invalidate() { FPictureValid = false; }

  HWND Handle() const { return FWindow; }
  HWND OwnerHandle() const { return FForm; }
  // The shadow around the frame: left, top, right and bottom widths.
  zelvan::paint::TRect ShadowSize() const;
  // The picture last pushed (premultiplied), null before the first.
  TBitmap* Picture() const { return FPicture.get(); }
  // Pictures painted since the window was made (a move paints none).
  int Paints() const { return FPaints; }
  // A mouse message of this window is being handled by the form.
  bool InMouseMsg() const { return FInMouseMsg; }

  // The hit code of a screen point: the provider's, transparent on the
  // shadow and where the form's client area lies.
  LRESULT Ex_WMNCHitTest(POINT screen);
  // The cursor for a hit code; true when one was set.
  bool Ex_WMSetCursor(int hitCode);
  // The point (window coordinates) lies on the shadow, not on the frame.
  bool MouseAboveTheShadow(POINT point) const;
  // The window's region for a size of the picture last painted (the caller
  // owns it; null without a frame or picture).
  HRGN MakeRgn(int width, int height) const;
  // Sets the region anew when what it is made from changed.
  void UpdateRgn();

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT Message(UINT msg, WPARAM wParam, LPARAM lParam);
  // The mouse message goes to the form as if it had happened there.
  LRESULT PassToForm(UINT msg, WPARAM wParam, LPARAM lParam);
  // Where the window goes (screen coordinates).
  zelvan::paint::TRect Bounds() const;
  void Paint(int width, int height, const zelvan::paint::TRect& hole);
  void PaintFrame();
  // The provider's client area in its frame picture.
  zelvan::paint::TRect ClientInFrame() const;
  // What MakeRgn builds: the whole window less its see-through parts.
  std::vector<zelvan::paint::TRect> RegionSource(int width, int height) const;

  HWND FForm;
  TsSkinManager* FManager;
  TsSkinProvider* sp;
  HWND FWindow = nullptr;
  std::unique_ptr<TBitmap> FPicture;
  bool FPictureValid = false;
  bool FActive = true;
  bool FPaintedActive = true;
  BYTE FBlend = 255;
  unsigned FFrameStamp = 0;
  bool FMaximized = false;
  bool FUpdating = false;  // ExBorderShowing: an update is under way
  bool FInMouseMsg = false;  // acInMouseMsg
  bool FTracking = false;
  int FPaints = 0;
  std::vector<zelvan::paint::TRect> FRegion;  // what the window region was made from
  bool FRegionSet = false;
};

// Keeps a form's border as the form now is: made and placed while extended
// borders are in effect (allowed by the form's provider) and the form shows
// normally (a form with a provider also maximised); freed when it is hidden
// or minimised, or the borders go. Nothing is made or moved while the forms
// are locked or the application ends.
void FollowExtendedBorder(std::unique_ptr<TacBorderForm>& border, HWND form, TsSkinManager* manager, bool allowed,
                          bool active, TsSkinProvider* sp = nullptr);
