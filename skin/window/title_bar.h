#pragma once
// TsTitleBar: items a form adds to its skinned title band (buttons, menu
// buttons, tabs, spacers, informational labels). The form's skin provider
// gives the bar the free part of the band, lays the items out, hit-tests
// them (codes 2000 + index), turns them hot and pressed, and paints them
// into its frame picture. Fields of an item take effect at the next paint of
// the frame; Changed() asks for one. Items are measured at those paints
// only: hit tests on every mouse move reuse the sizes.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/paint/title_bar_layout.h"
#include "framework/component/component.h"
#include "framework/controls/control_types.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/font.h"
#include "skin/paint/skinned_text.h"
#include "skin/window/caption_button.h"
#include "skin/window/title_hint.h"

class TCustomForm;
class TImageList;
class TPopupMenu;
class TsTitleBar;

enum TacTitleBarItemAlign { tbaLeft, tbaRight, tbaCenter, tbaCenterInSpace };
enum TacTitleItemStyle { bsButton, bsMenu, bsTab, bsSpacing, bsInfo };

// The font of an item: each part from the platform's caption font unless its
// UseSys flag is off, then from Font.
class TacFontData {
 public:
  TFont Font;
  TColor GlowColor = static_cast<TColor>(0x808080);
  int GlowSize = 0;
  bool UseSysColor = true;
  bool UseSysFontName = true;
  bool UseSysGlowing = true;
  bool UseSysSize = true;
  bool UseSysStyle = true;
  // The font the item is drawn in.
  void UsedFont(TFont& font) const;
};

class TacTitleBarItem : public TObject {
 public:
  explicit TacTitleBarItem(TsTitleBar& owner) : FOwner(owner) {}

  // --- published
  TacTitleBarItemAlign Align = tbaLeft;
  bool AutoSize = true;
  std::wstring Caption;
  // Shown under the item when it is pressed; forgotten when freed.
  TPopupMenu* DropdownMenu() const { return FDropdownMenu; }
  void SetDropdownMenu(TPopupMenu* menu);
  bool Down = false;  // a tab that is chosen
  bool Enabled = true;
  TacFontData FontData;
  TBitmap Glyph;  // see-through by its top-left colour
  int GroupIndex = 0;
  int Height = 18;
  std::wstring Hint;
  int ImageIndex = -1, HotImageIndex = -1, PressedImageIndex = -1, DisabledImageIndex = -1;
  std::wstring Name;
  int NumGlyphs = 1;
  bool ShowHint = true;
  std::string SkinSection;
  int Spacing = 4;
  TacTitleItemStyle Style = bsButton;
  bool Visible = true;
  int Width = 22;
  TNotifyEvent OnClick;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;
  // Draws over the finished item (rect in the picture's coordinates).
  std::function<void(TacTitleBarItem* item, TBitmap& picture, const RECT& rect)> OnDrawItem;
  TNotifyEvent OnChanged;

  int Index() const;
  // The band is laid out and painted again.
  void Changed();
  // Hot and pressed items; spacers and informational items are neither.
  bool Clickable() const { return Style != bsSpacing && Style != bsInfo; }
  // The state the item shows: a chosen tab stays pressed.
  int ShownState() const { return Style == bsTab && Down ? 2 : Data.State; }

  // --- what the provider keeps
  TsCaptionButton Data;  // place, state and hit code
  bool FPressed = false;
  TacTitleHint HintWnd;
  TTextGlowCache GlowCache;  // the caption's glow plane

 private:
  friend class TsTitleBar;
  TsTitleBar& FOwner;
  TPopupMenu* FDropdownMenu = nullptr;
};

class TsTitleBar : public TComponent {
 public:
  // owner must be a form, else "TsTitleBar component may be used with forms only!".
  explicit TsTitleBar(TComponent* owner);
  ~TsTitleBar() override;
  std::wstring ClassName() const override { return L"TsTitleBar"; }
  void Notification(TComponent* component, TOperation operation) override;

  // --- published
  // Forgotten when freed.
  TImageList* Images() const { return FImages; }
  void SetImages(TImageList* images);
  int ItemsMargin = 3;
  int ItemsSpacing = 0;
  bool ShowCaption = true;
  TacTitleBarItem* Add();
  void Delete(int index);
  int Count() const { return static_cast<int>(FItems.size()); }
  TacTitleBarItem* Items(int index) const;
  int IndexOf(const TacTitleBarItem* item) const;

  TCustomForm* Form() const { return FForm; }
  // The band changed: the form's provider paints it again.
  void Invalidate();

  // --- what the provider works out
  // Sizes of the visible items (measured again after InvalidateSizes) and
  // their places in the area given.
  void CalcSizes(const zelvan::paint::TTitleBarArea& area);
  void InvalidateSizes() { FSizesValid = false; }
  zelvan::paint::TTitleBarArea Area;
  int FLeftWidth = 0, FRightWidth = 0;

 private:
  TCustomForm* FForm;
  TImageList* FImages = nullptr;
  bool FSizesValid = false;
  void Measure();
  std::vector<std::unique_ptr<TacTitleBarItem>> FItems;
};

// The title bar of a form, or null.
TsTitleBar* TitleBarOf(const TCustomForm* form);

// Hit codes of the items: 2000 + index.
inline constexpr int kTitleItemCodeFirst = 2000;
inline constexpr int kTitleItemCodeLast = 2100;
inline bool IsTitleItemCode(int code) { return code >= kTitleItemCodeFirst && code <= kTitleItemCodeLast; }
