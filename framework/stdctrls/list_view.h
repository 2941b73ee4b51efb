#pragma once
// TListView: the platform's list view, mostly in report view: columns,
// rows with a caption and sub-items, item data, selection, check boxes,
// grid lines, flat scroll bars. Rows keep their texts in the framework and
// the window asks for them (LVN_GETDISPINFOW), so they outlive the window.

#include <windows.h>
#include <commctrl.h>

#include "framework/controls/win_control.h"
#include "framework/stdctrls/list_columns.h"
#include "framework/stdctrls/list_groups.h"
#include "framework/stdctrls/list_items.h"

enum TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };

using TLVSelectItemEvent = std::function<void(TObject* sender, TListItem* item, bool selected)>;
// The text of one cell of a row the program keeps itself (column 0: the caption).
using TLVDataEvent = std::function<void(int row, int column, std::wstring& text)>;

// The stage of a custom-draw notification a handler is called for.
enum TCustomDrawStage { cdPrePaint, cdPostPaint, cdPreErase, cdPostErase };

class TListView;
// The whole list (draw.nmcd.rc: the area painted). Clearing defaultDraw
// skips the platform's drawing of that stage.
using TLVAdvancedCustomDrawEvent =
    std::function<void(TListView* sender, NMLVCUSTOMDRAW& draw, TCustomDrawStage stage, bool& defaultDraw)>;
// One item (draw.nmcd.dwItemSpec: its index) or one cell of it (draw.iSubItem).
using TLVAdvancedCustomDrawItemEvent =
    std::function<void(TListView* sender, NMLVCUSTOMDRAW& draw, TCustomDrawStage stage, bool& defaultDraw)>;
// One cell, before it is painted only.
using TLVCustomDrawSubItemEvent = std::function<void(TListView* sender, NMLVCUSTOMDRAW& draw, bool& defaultDraw)>;

class TListView : public TWinControl {
 public:
  explicit TListView(TComponent* owner);
  ~TListView() override;
  std::wstring ClassName() const override { return L"TListView"; }

  TListColumns& Columns() { return FColumns; }
  TListItems& Items() { return FItems; }
  TListGroups& Groups() { return FGroups; }
  // Rows shown under their groups' headers (where the platform has groups).
  bool GroupView() const { return FGroupView; }
  void SetGroupView(bool value);
  // The images group headers show (TListGroup::TitleImage); the list does not own them.
  HIMAGELIST GroupHeaderImages() const { return FGroupHeaderImages; }
  void SetGroupHeaderImages(HIMAGELIST images);
  TViewStyle ViewStyle() const { return FViewStyle; }
  // Switches the window's view in place: rows, selection and scroll state stay.
  virtual void SetViewStyle(TViewStyle style);
  bool Checkboxes() const { return ExStyle(LVS_EX_CHECKBOXES); }
  void SetCheckboxes(bool value) { SetExStyle(LVS_EX_CHECKBOXES, value); }
  bool RowSelect() const { return ExStyle(LVS_EX_FULLROWSELECT); }
  void SetRowSelect(bool value) { SetExStyle(LVS_EX_FULLROWSELECT, value); }
  bool GridLines() const { return ExStyle(LVS_EX_GRIDLINES); }
  void SetGridLines(bool value) { SetExStyle(LVS_EX_GRIDLINES, value); }
  // Asks the platform for flat scroll bars (LVS_EX_FLATSB).
  bool FlatScrollBars() const { return ExStyle(LVS_EX_FLATSB); }
  void SetFlatScrollBars(bool value) { SetExStyle(LVS_EX_FLATSB, value); }
  // The platform paints the list off screen first (no flicker on focus and scroll).
  bool DoubleBuffered() const { return ExStyle(LVS_EX_DOUBLEBUFFER); }
  void SetDoubleBuffered(bool value) { SetExStyle(LVS_EX_DOUBLEBUFFER, value); }
  bool MultiSelect() const { return FMultiSelect; }
  void SetMultiSelect(bool value);
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool value);
  bool HideSelection() const { return FHideSelection; }
  void SetHideSelection(bool value);
  // The window holds no rows of its own, only their count, and asks for
  // what it shows: a long list costs no message per row (no check boxes).
  bool OwnerData() const { return FOwnerData; }
  void SetOwnerData(bool value);
  // The first selected row, or null.
  TListItem* Selected();
  // Rows kept by the program: with owner data and OnData set, the window has
  // DataCount rows and asks OnData for the cells it shows, so a list costs
  // no memory per row here. Items() then stays empty.
  TLVDataEvent OnData;
  int DataCount() const { return FDataCount; }
  void SetDataCount(int count);
  // Rows first..last (inclusive) are shown again from OnData.
  void UpdateRows(int first, int last);

  TLVSelectItemEvent OnSelectItem;
  // Custom drawing: each is asked only when set, so an unset list costs the
  // platform no extra notifications.
  TLVAdvancedCustomDrawEvent OnAdvancedCustomDraw;
  TLVAdvancedCustomDrawItemEvent OnAdvancedCustomDrawItem;
  TLVAdvancedCustomDrawItemEvent OnAdvancedCustomDrawSubItem;
  TLVCustomDrawSubItemEvent OnCustomDrawSubItem;

  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;

 private:
  bool ExStyle(DWORD flag) const { return (FExStyle & flag) != 0; }
  void SetExStyle(DWORD flag, bool on);
  void ReflectedNotify(TMessage& message);
  LRESULT CustomDraw(NMLVCUSTOMDRAW& draw);
  void ChangeStyle();

  TListColumns FColumns;
  TListItems FItems;
  TListGroups FGroups;
  bool FGroupView = false;
  HIMAGELIST FGroupHeaderImages = nullptr;
  TViewStyle FViewStyle = vsIcon;
  DWORD FExStyle = 0;
  bool FMultiSelect = false;
  bool FReadOnly = false;
  bool FHideSelection = true;
  bool FOwnerData = false;
  int FDataCount = 0;
  std::wstring FDataText;  // reused for every cell asked
};
