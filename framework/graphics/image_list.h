#pragma once
// TImageList: a platform image list of images of one size; the HIMAGELIST is
// made on demand and owned here unless ShareImages says it belongs elsewhere
// (the shell's system image list). Every change of the images or the size
// runs Change, which tells OnChange.

#include <windows.h>
#include <commctrl.h>

#include <functional>

#include "framework/component/component.h"
#include "framework/graphics/color.h"
#include "framework/system/win_handles.h"

#include <vector>

class TBitmap;
class TCanvas;
class TImageList;

// A listener of an image list's changes, for controls that show its images;
// it leaves the list when freed, and the list forgets it when the list goes.
class TChangeLink {
 public:
  TChangeLink() = default;
  ~TChangeLink();
  TChangeLink(const TChangeLink&) = delete;
  TChangeLink& operator=(const TChangeLink&) = delete;
  std::function<void()> OnChange;
  TImageList* Sender() const { return FSender; }

 private:
  friend class TImageList;
  TImageList* FSender = nullptr;
};

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
  // clNone: the images are drawn see-through by their masks.
  TColor BkColor() const { return FBkColor; }
  void SetBkColor(TColor color);

  // Images wider than Width add as many images as fit; returns the first index.
  int Add(TBitmap& image, TBitmap* mask);
  int AddMasked(TBitmap& image, TColor maskColor);
  void Delete(int index);
  void Clear();
  // Icons keep colour and mask as they are; the caller keeps its icon.
  int AddIcon(HICON icon);
  bool ReplaceIcon(int index, HICON icon);
  // Image i as a new icon (colour bitmap and mask) the caller destroys; null
  // for an index outside the list.
  HICON GetIcon(int index);
  virtual void Draw(TCanvas& canvas, int x, int y, int index, bool enabled = true);

  std::function<void(TImageList* sender)> OnChange;
  // A link listens to one list at a time: registering moves it here.
  void RegisterChanges(TChangeLink* link);
  void UnRegisterChanges(TChangeLink* link);
  // Held back between BeginUpdate and EndUpdate; one change runs at the end
  // when any happened meanwhile.
  void BeginUpdate() { ++FUpdateCount; }
  void EndUpdate();

  HIMAGELIST Handle();
  bool HandleAllocated() const { return FHandle != nullptr; }
  // Takes a list made elsewhere; with shareImages it is never destroyed here.
  void SetHandle(HIMAGELIST handle, bool shareImages);

 protected:
  virtual void Change();
  void Changed();

 private:
  void FreeHandle();

  std::vector<TChangeLink*> FLinks;
  int FWidth = 16;
  int FHeight = 16;
  HIMAGELIST FHandle = nullptr;
  bool FShareImages = false;
  TColor FBkColor = clNone;
  int FUpdateCount = 0;
  bool FChangedMeanwhile = false;
};
