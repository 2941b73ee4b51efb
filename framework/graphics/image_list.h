#pragma once
// TImageList: a platform image list of images of one size; the HIMAGELIST is
// made on demand and owned here unless ShareImages says it belongs elsewhere
// (the shell's system image list).

#include <windows.h>
#include <commctrl.h>

#include "framework/component/component.h"
#include "framework/graphics/color.h"
#include "framework/system/win_handles.h"

class TBitmap;
class TCanvas;

class TImageList : public TComponent {
 public:
  explicit TImageList(TComponent* owner);
  ~TImageList() override;
  std::wstring ClassName() const override { return L"TImageList"; }

  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  // Changing the size empties the list.
  void SetWidth(int width);
  void SetHeight(int height);
  int Count() const;

  // Images wider than Width add as many images as fit; returns the first index.
  int Add(TBitmap& image, TBitmap* mask);
  int AddMasked(TBitmap& image, TColor maskColor);
  void Delete(int index);
  void Clear();
  void Draw(TCanvas& canvas, int x, int y, int index, bool enabled = true);

  HIMAGELIST Handle();
  bool HandleAllocated() const { return FHandle != nullptr; }
  // Takes a list made elsewhere; with shareImages it is never destroyed here.
  void SetHandle(HIMAGELIST handle, bool shareImages);

 private:
  void FreeHandle();

  int FWidth = 16;
  int FHeight = 16;
  HIMAGELIST FHandle = nullptr;
  bool FShareImages = false;
};
