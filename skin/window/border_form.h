#pragma once
// TacBorderForm: the extended border of a skinned form, a layered window with
// per-pixel alpha lying directly under the form and grown by the skin's
// shadow sizes, that shows the soft shadow around it (the skin's EXBORDER
// template, or the engine's built-in one with 9-pixel margins; the active or
// inactive picture by the form's state). The frame itself stays the form's
// own, so the border window shows nothing but shadow and lets the mouse go
// through it everywhere; it never takes the focus.
//
// One picture of the window's size is kept and painted again only when the
// size, the form's activity or the skin changed: a move only moves it.

#include <windows.h>

#include <memory>

#include "core/paint/geometry.h"

class TBitmap;
class TsSkinManager;

class TacBorderForm {
 public:
  TacBorderForm(HWND form, TsSkinManager* manager);
  ~TacBorderForm();
  TacBorderForm(const TacBorderForm&) = delete;
  TacBorderForm& operator=(const TacBorderForm&) = delete;

  // Places the window around the form, directly under it in the z-order,
  // with the picture for the form's state (pushed at opacity blend).
  void UpdateExBordersPos(bool active, BYTE blend = 255);
  // The skin changed: the next update paints the picture anew.
  void Invalidate() { FPictureValid = false; }

  HWND Handle() const { return FWindow; }
  HWND OwnerHandle() const { return FForm; }
  // The shadow around the form: left, top, right and bottom widths.
  zelvan::paint::TRect ShadowSize() const;
  // The picture last pushed (premultiplied), null before the first.
  TBitmap* Picture() const { return FPicture.get(); }
  // Pictures painted since the window was made (a move paints none).
  int Paints() const { return FPaints; }

 private:
  void Paint(int width, int height, const zelvan::paint::TRect& hole, bool active);

  HWND FForm;
  TsSkinManager* FManager;
  HWND FWindow = nullptr;
  std::unique_ptr<TBitmap> FPicture;
  bool FPictureValid = false;
  bool FActive = true;
  BYTE FBlend = 255;
  bool FUpdating = false;  // ExBorderShowing: an update is under way
  int FPaints = 0;
};

// Keeps a form's border as the form now is: made and placed while extended
// borders are in effect (allowed by the form's provider) and the form shows
// normally; freed when it is hidden, minimised or maximised, or the borders
// go. Nothing is made or moved while the forms are locked or the
// application ends.
void FollowExtendedBorder(std::unique_ptr<TacBorderForm>& border, HWND form, TsSkinManager* manager, bool allowed,
                          bool active);
