#pragma once
// TsAlphaImageList: an image list whose images keep their per-pixel alpha.
// Every image is kept as the PNG or ICO bytes it came from (an item), and the
// platform list beside them is built from the items for ordinary consumers.
// Skinned painting asks for 32-bit copies (CreateBitmap32), cached per item.

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "core/image/list_picture.h"
#include "core/paint/color.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/image_list.h"

using zelvan::image::TsImageFormat;
constexpr TsImageFormat ifPNG = TsImageFormat::ifPNG;
constexpr TsImageFormat ifICO = TsImageFormat::ifICO;

class TsAlphaImageList;
class TsImgListItems;

class TsImgListItem {
 public:
  explicit TsImgListItem(TsImgListItems* owner) : FOwner(owner) {}
  TsImgListItems* Owner() const { return FOwner; }

  TsImageFormat ImageFormat = ifPNG;
  TPixelFormat PixelFormat = pf32bit;  // 24-bit for an icon without alpha
  // ImgData (the file bytes), OrigWidth, OrigHeight and the cached copy.
  zelvan::image::TListPicture Picture;

 private:
  TsImgListItems* FOwner;
};

class TsImgListItems {
 public:
  explicit TsImgListItems(TsAlphaImageList* owner) : FOwner(owner) {}
  TsAlphaImageList* Owner() const { return FOwner; }
  int Count() const { return static_cast<int>(FItems.size()); }
  TsImgListItem& operator[](int index) { return *FItems[static_cast<size_t>(index)]; }
  TsImgListItem& Add();
  void Delete(int index);
  void Move(int from, int to);
  void Clear() { FItems.clear(); }

 private:
  TsAlphaImageList* FOwner;
  std::vector<std::unique_ptr<TsImgListItem>> FItems;
};

class TsAlphaImageList : public TImageList {
 public:
  explicit TsAlphaImageList(TComponent* owner);
  std::wstring ClassName() const override { return L"TsAlphaImageList"; }
  void Loaded() override;

  TsImgListItems& Items() { return FItems; }
  bool UseCache() const { return FUseCache; }
  // Writing drops every cached copy.
  void SetUseCache(bool value);
  bool DoubleData = true;           // keep the items once the platform list is built
  bool StdListIsGenerated = false;  // the platform list was built from the items

  // Rebuilds the platform list from the items.
  void GenerateStdList();
  // Image i at width x height as a new 32-bit bitmap; null when there is none.
  std::unique_ptr<TBitmap> CreateBitmap32(int index, int width, int height);
  // The same into image at its size; true when an image was produced.
  bool GetBitmap32(int index, TBitmap& image);
  // Adds one PNG or ICO image; an unknown format is told in a message box
  // and gives false.
  bool LoadFromFile(const std::wstring& fileName);
  // Adds an item from file bytes already read (the format as LoadFromFile
  // finds it); false for an unknown format, without a message.
  bool AddImage(const std::vector<uint8_t>& bytes, const std::wstring& extension);

  // From another alpha list: size, background colour and images, with
  // change handling held back.
  void Assign(TsAlphaImageList& source);
  void AssignTo(TsAlphaImageList& destination) { destination.Assign(*this); }
  void CopyImages(TsAlphaImageList& list);
  void MoveItem(int currentIndex, int newIndex);
  // The size of the given platform list becomes the list's.
  void SetNewDimensions(HIMAGELIST handle);

  void AcBeginUpdate() { ++FAcChanging; }
  void AcEndUpdate(bool doChange);
  bool AcChanging() const { return FAcChanging > 0; }

  void Draw(TCanvas& canvas, int x, int y, int index, bool enabled = true) override;

 protected:
  void Change() override;

 private:
  bool ItemsKept() const { return DoubleData && FItems.Count() > 0; }
  void FixPlatformAlpha();

  TsImgListItems FItems{this};
  bool FUseCache = true;
  int FAcChanging = 0;
};

// The engine's glyphs for buttons of edits: "SF", "SR", "SD", "SE", "SC", each
// 48 x 16 with three states, read from the program's resources at first use.
TsAlphaImageList& StdGlyphList();

// Draws state image min(state, stateCount - 1) of image index at (x, y) of a
// 32-bit target; an alpha list blends it with reflection, blend and tint, an
// ordinary list draws it by its own drawing. The size of one state image, or
// {0, 0} when nothing was drawn.
SIZE DrawListImage(TImageList& list, TBitmap& target, int x, int y, bool reflected, int stateCount, int state,
                   zelvan::paint::TColor tint, int blend, int index);
// The same through the block of dc at (x, y): a bitmap of the list's size
// (and half its height more with reflected) is read, drawn on and written back.
SIZE DrawListImageToDC(TImageList& list, HDC dc, int x, int y, bool reflected, int stateCount, int state,
                       zelvan::paint::TColor tint, int blend, int index);
