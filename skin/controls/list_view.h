#pragma once
// TsListView: the framework's list view drawn by the skin (section "EDIT").
// A scroll wrapper paints its frame and scroll bars; its column header is
// subclassed and painted from "COLHEADER" (hover, pressed, sort arrows,
// images); rows are drawn through the custom-draw events: selection from
// "SELECTION" (else the skin's highlight colours), the row under the mouse
// half selected, check boxes from the skin, grid lines and cells. Without an
// active skin everything is the platform's again.
//
// Files: list_view.cpp (messages, skin commands, scrolling),
// list_header_paint.cpp (the header hook and its painting),
// list_item_paint.cpp (rows and cells).

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <memory>
#include <vector>

#include "framework/stdctrls/list_view.h"
#include "skin/controls/label.h"
#include "skin/core/common_data.h"
#include "skin/window/scroll_wnd.h"

class TsListView;
using TsColumnResizeEvent = std::function<void(TsListView* sender, int column, int width)>;
using TsMeasureItemEvent = std::function<void(TsListView* sender, int& height)>;

// The sort mark a column header shows.
enum TsSortArrow { saNone, saAscending, saDescending };

class TsListView : public TListView {
 public:
  explicit TsListView(TComponent* owner);
  ~TsListView() override;
  std::wstring ClassName() const override { return L"TsListView"; }

  // --- published
  TsCtrlSkinData SkinData;
  TsBoundLabel& BoundLabel() { return FBoundLabel; }
  bool HighlightHeaders() const { return FHighlightHeaders; }
  void SetHighlightHeaders(bool value) { FHighlightHeaders = value; }
  TsMeasureItemEvent OnMeasureItem;
  TsColumnResizeEvent OnColumnResize, OnEndColumnResize, OnBeginColumnResize;

  // --- state (read by tests and the gallery)
  int HotItem = -1;
  int HoverColIndex = -2;
  int PressedColumn() const { return FPressedColumn; }
  // The platform's newer list behaviour (hot rows): common controls 6 or later.
  bool NewStyleItems = false;
  int ListLineHeight = 0;
  TColor GridColor = clBtnFace;
  int iSelectIndex = -1;
  HWND HeaderHandle() const { return FhWndHeader; }
  TacScrollWnd* ScrollWnd() const { return ListSW.get(); }
  // Header and row paints so far: tests check that an idle list paints nothing.
  int HeaderPaints = 0;
  int ItemPaints = 0;

  // Selects, focuses and shows a row; ignored outside 0 .. count - 1.
  void SelectItem(int index);
  // The sum of the widths of the columns before it (in display order).
  int ColumnLeft(int index);
  // The sort mark of a column (the header item's sort format).
  void SetSortArrow(int column, TsSortArrow arrow);
  // Installs (skinned) or removes the skin's row drawing, keeping the user's handlers.
  void InitControl(bool skinned);
  void PaintHeader(HDC dc);
  // Holds skin painting back while the platform changes views, then shows
  // the new view (and its header) at once.
  void SetViewStyle(TViewStyle style) override;
  bool StyleChanging() const { return FStyleChanging; }

  void WndProc(TMessage& message) override;
  void Loaded() override;

 protected:
  void CreateWnd() override;

 private:
  bool SkinActive() const;
  bool ReportSkinned() const;
  bool SkinCommand(TMessage& message);
  void ApplySkinColors();
  void AttachWrapper();
  void RepaintHeader();
  void Scroll(TMessage& message);
  void PrintClient(TMessage& message);
  // The drag image of an item: a 32-bit copy (opaque alpha) of its bounds as
  // the list shows them, in an image list the caller frees; `at` gets the
  // bounds' top-left. Null for no such item.
  HIMAGELIST DragImage(int index, POINT* at);
  void TrackHotItem();
  void ForgetHotItem();
  void InvalidateSelectedRows();
  int ListCount();
  void ResizeNotify(const NMHEADERW& header);

  // header hook (list_header_paint.cpp)
  void HookHeader(HWND header);
  void UnhookHeader();
  static LRESULT CALLBACK HeaderProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT HeaderMessage(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT CallHeader(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  void PaintSection(HDC dc, const RECT& rect, int column);
  int ColumnAt(POINT screen);

  // rows (list_item_paint.cpp)
  void ListCustomDraw(NMLVCUSTOMDRAW& draw, TCustomDrawStage stage, bool& defaultDraw);
  void ItemCustomDraw(NMLVCUSTOMDRAW& draw, TCustomDrawStage stage, bool& defaultDraw);
  void DrawRow(HDC dc, int index, const RECT& clip);
  void DrawSelectedLabel(NMLVCUSTOMDRAW& draw);
  void DrawCells(TBitmap& row, int index, const RECT& bounds, bool marked, bool selected, bool focusedItem);
  bool RowIsHot(int index, const RECT& bounds, const RECT& clip);

  HWND FhWndHeader = nullptr;
  WNDPROC FhDefHeaderProc = nullptr;  // the header's procedure before ours
  int FPressedColumn = -1;
  bool FHighlightHeaders = true;
  bool FFlag = false;  // a header press is in progress
  bool FStyleChanging = false;
  bool FSkinHandlers = false;
  TLVAdvancedCustomDrawEvent FOldAdvancedCustomDraw;
  TLVAdvancedCustomDrawItemEvent FOldAdvancedCustomDrawItem;
  std::unique_ptr<TacScrollWnd> ListSW;
  std::unique_ptr<TBitmap> FRowBmp;  // the picture rows are composed in
  // The columns as the header has them, read once per paint of the list:
  // asking the header for every cell of every row cost more than drawing it.
  struct TColumnPlace {
    int Left = 0;
    int Width = 0;
    UINT Align = DT_LEFT;
  };
  std::vector<TColumnPlace> FColumns;
  void ReadColumns();
  // Focus, capture and the mouse as they are at the start of the paint (each
  // costs the platform a round trip to its server).
  void ReadPaintState();
  bool FPaintFocused = false;
  bool FPaintCaptured = false;
  POINT FPaintCursor{};  // client coordinates
  bool FPaintCursorInClient = false;
  TsBoundLabel FBoundLabel;
};
