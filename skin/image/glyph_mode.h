#pragma once
// TsGlyphMode: how an edit with a button chooses the button's glyph: an
// image list of its own with indexes for the normal, hot and pressed looks,
// else the engine's standard glyph list. The state images of a glyph stand
// side by side in one list image.

#include <string>

#include "framework/system/object.h"

class TControl;
class TImageList;

// The edit's button as the glyph mode sees it; the button classes answer.
class TacGlyphModeButton {
 public:
  virtual ~TacGlyphModeButton() = default;
  virtual TControl& ButtonControl() = 0;
  virtual int Blend() const = 0;
  virtual void SetBlend(int value) = 0;
  virtual bool Grayed() const = 0;
  virtual void SetGrayed(bool value) = 0;
  virtual std::wstring Hint() const = 0;
  virtual void SetHint(const std::wstring& value) = 0;
  virtual void SetNumGlyphs(int count) = 0;
};

class TsGlyphMode : public TObject {
 public:
  TsGlyphMode(TControl* owner, TacGlyphModeButton* button) : FOwner(owner), Btn(button) {}
  std::wstring ClassName() const override { return L"TsGlyphMode"; }

  // --- published
  TImageList* Images() const { return FImages; }
  void SetImages(TImageList* images);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int index);
  int ImageIndexHot() const { return FImageIndexHot; }
  void SetImageIndexHot(int index);
  int ImageIndexPressed() const { return FImageIndexPressed; }
  void SetImageIndexPressed(int index);
  // Forwarded to the button; 0 or empty while it is missing, loading or going.
  int Blend() const;
  void SetBlend(int value);
  bool Grayed() const;
  void SetGrayed(bool value);
  std::wstring Hint() const;
  void SetHint(const std::wstring& value);

  // --- the glyph in use
  // The list the glyph comes from: the own one when ImageIndex lies in it.
  TImageList& ListInUse() const;
  int ImageCount() const;
  int Width() const;
  int Height() const;
  // The button takes the glyph's width (+ 2) and count, and repaints.
  void Invalidate();

 private:
  bool ButtonReady() const;

  TControl* FOwner;
  TImageList* FImages = nullptr;
  int FImageIndex = -1;
  int FImageIndexHot = -1;
  int FImageIndexPressed = -1;

 public:
  TacGlyphModeButton* Btn;
};
