#include "core/paint/system_menu_rules.h"

namespace zelvan::paint {

namespace {

bool ToolOrPlain(TFormBorderKind b) {
  return b == TFormBorderKind::None || b == TFormBorderKind::Dialog || b == TFormBorderKind::ToolWindow ||
         b == TFormBorderKind::SizeToolWin;
}

// A minimised form shows the box unless it is a main form with its own taskbar button.
bool Box(const TSysMenuFacts& f, bool icon) {
  if (!f.SystemMenu) return false;
  if (f.Minimized && !(f.IsMainForm && f.MainFormOnTaskbar)) return true;
  if (f.MdiChild) return true;
  return !ToolOrPlain(f.Border) && icon;
}

}  // namespace

bool VisibleMax(const TSysMenuFacts& f) { return Box(f, f.MaximizeIcon); }
bool VisibleMin(const TSysMenuFacts& f) { return Box(f, f.MinimizeIcon); }

bool EnabledMax(const TSysMenuFacts& f) {
  return (f.MdiChild || f.Border == TFormBorderKind::Single || f.Border == TFormBorderKind::Sizeable) &&
         f.MaximizeIcon;
}

bool EnabledMin(const TSysMenuFacts& f) { return f.MinimizeIcon && (!f.Minimized || f.IsMainForm); }

bool EnabledRestore(const TSysMenuFacts& f) { return (EnabledMax(f) && f.Maximized) || f.Minimized; }

TSysMenuState SysMenuState(const TSysMenuFacts& f) {
  TSysMenuState s;
  s.Restore = {f.MdiChild || !ToolOrPlain(f.Border), EnabledRestore(f)};
  s.Move = {true, !f.Maximized};
  const bool sizeKind = f.Border != TFormBorderKind::None && f.Border != TFormBorderKind::Dialog &&
                        f.Border != TFormBorderKind::ToolWindow;
  s.Size = {sizeKind, f.Border != TFormBorderKind::Single && !f.Minimized};
  s.Minimize = {VisibleMin(f), EnabledMin(f)};
  s.Maximize = {VisibleMax(f), EnabledMax(f)};
  s.Close = {f.PlatformHasClose, true};
  return s;
}

}  // namespace zelvan::paint
