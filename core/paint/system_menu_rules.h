#pragma once
// Which entries of a skinned form's system menu (and which caption buttons)
// are shown and enabled, from what the form is.

namespace zelvan::paint {

enum class TFormBorderKind { None, Single, Sizeable, Dialog, ToolWindow, SizeToolWin };

struct TSysMenuFacts {
  TFormBorderKind Border = TFormBorderKind::Sizeable;
  bool SystemMenu = true;  // the form's border icons name the system menu
  bool MaximizeIcon = true;
  bool MinimizeIcon = true;
  bool Minimized = false;
  bool Maximized = false;
  bool MdiChild = false;
  bool MainFormOnTaskbar = false;  // the form is the main form and has its own taskbar button
  bool IsMainForm = false;
  bool PlatformHasClose = true;  // the platform's system menu has a close command
};

struct TSysMenuEntry {
  bool Visible = false;
  bool Enabled = false;
};

struct TSysMenuState {
  TSysMenuEntry Restore, Move, Size, Minimize, Maximize, Close;
};

bool VisibleMax(const TSysMenuFacts& f);
bool VisibleMin(const TSysMenuFacts& f);
bool EnabledMax(const TSysMenuFacts& f);
bool EnabledMin(const TSysMenuFacts& f);
// Maximise allowed and the form not in its normal state, or minimised.
bool EnabledRestore(const TSysMenuFacts& f);
TSysMenuState SysMenuState(const TSysMenuFacts& f);

}  // namespace zelvan::paint
