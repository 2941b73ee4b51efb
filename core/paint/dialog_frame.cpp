#include "core/paint/dialog_frame.h"

namespace zelvan::paint {

TacBorderStyle DialogBorderStyle(uint32_t style) {
  if ((style & kWsPopup) && (style & kWsCaption) != kWsCaption) return acbsNone;
  if (style & kWsThickFrame) return acbsSizeable;
  if (style & kDsModalFrame) return acbsDialog;
  return acbsSizeable;
}

bool VisibleClose(const TDialogFacts& f) { return (f.Style & kWsSysMenu) != 0; }
bool VisibleHelp(const TDialogFacts& f) { return (f.ExStyle & kWsExContextHelp) != 0; }
bool VisibleMax(const TDialogFacts& f) { return (f.Style & kWsMaximizeBox) != 0; }
bool VisibleMin(const TDialogFacts& f) { return (f.Style & kWsMinimizeBox) != 0; }

bool VisibleRestore(const TDialogFacts& f) {
  const TacBorderStyle b = f.Border();
  return b != acbsDialog && b != acbsNone && b != acbsToolWindow && b != acbsSizeToolWin && VisibleClose(f);
}

bool EnabledClose(const TDialogFacts& f) { return VisibleClose(f) && !f.ClassNoClose && !f.CloseGrayed; }

bool EnabledMax(const TDialogFacts& f) {
  const TacBorderStyle b = f.Border();
  return VisibleMax(f) && !f.Maximized && (b == acbsSingle || b == acbsSizeable || b == acbsSizeToolWin);
}

bool EnabledMin(const TDialogFacts& f) { return VisibleMin(f) && !f.Minimized; }
bool EnabledRestore(const TDialogFacts& f) { return VisibleMax(f) && (f.Minimized || f.Maximized); }

TSysMenuState DialogSysMenuState(const TDialogFacts& f) {
  const TacBorderStyle b = f.Border();
  TSysMenuState s;
  s.Restore = {VisibleRestore(f), EnabledRestore(f)};
  s.Move = {true, !f.Maximized};
  s.Size = {b != acbsDialog && b != acbsNone && b != acbsToolWindow, b != acbsSingle && !f.Minimized};
  s.Minimize = {VisibleMin(f), EnabledMin(f)};
  s.Maximize = {VisibleMax(f), EnabledMax(f)};
  s.Close = {VisibleClose(f), EnabledClose(f)};
  return s;
}

bool DialogBigButtons(TacBorderStyle border) { return border == acbsSingle || border == acbsSizeable; }

std::vector<TRect> DialogButtonRects(const TDialogFacts& f, const TDialogButtonRow& row) {
  std::vector<TRect> rects(4);
  if (!VisibleClose(f)) return rects;
  const bool shown[4] = {true, VisibleMax(f), VisibleMin(f), VisibleHelp(f)};
  int x = row.Right;
  for (int i = 0; i < 4; ++i) {
    if (!shown[i]) continue;
    const int height = row.Heights[i];
    const int top = row.TopAlignedY >= 0 && i < 3 ? row.TopAlignedY : (row.BandHeight - height) / 2;
    rects[static_cast<size_t>(i)] = {x - row.Widths[i], top, x, top + height};
    x -= row.Widths[i] + row.Spacing;
  }
  return rects;
}

int DialogHitTest(const TDialogFacts& f, const TDialogHitFacts& frame, TPoint point) {
  const bool inBand = point.Y >= frame.BandTop && point.Y < frame.BandTop + frame.BandHeight;
  if (inBand) {
    if (point.X >= frame.FrameWidth && point.X < frame.FrameWidth + frame.IconWidth) return htSysMenu;
    static constexpr int codes[4] = {htClose, htMaxButton, htMinButton, htHelp};
    for (size_t i = 0; i < frame.Buttons.size() && i < 4; ++i) {
      const TRect& r = frame.Buttons[i];
      if (r.IsEmpty() || point.X < r.Left || point.X >= r.Right) continue;
      switch (codes[i]) {
        case htClose:
          return EnabledClose(f) ? htClose : htNowhere;
        case htMaxButton:
          return EnabledMax(f) || EnabledRestore(f) ? htMaxButton : htCaption;
        case htMinButton:
          return EnabledMin(f) || (f.Minimized && VisibleMax(f)) ? htMinButton : htCaption;
        default:
          return htHelp;
      }
    }
    return htCaption;
  }
  if (f.Maximized && (point.X < 2 || point.Y < 2 || point.X >= frame.Width - 4 || point.Y >= frame.Height - 4)) {
    return htTransparent;
  }
  return htNowhere;
}

}  // namespace zelvan::paint
