#pragma once
// Glow around hot controls: a skin may give a section a glow part ("GLOW0"
// for controls), drawn in a layered window of its own around the control,
// which never takes the focus or the mouse. Every glow of the process is
// kept in one list under an id that is never given twice (a control's
// GlowID), so a control whose glow went with all the others (a form moved)
// can never remove another control's later glow by a stale number.

#include <windows.h>

#include <cstdint>
#include <string>

class TsSkinManager;

// control: the control's screen rectangle; visible: the part of it its
// parents show. The part is looked up in section as partBase + "0". Returns
// the glow's id, or -1 when there is nothing to show (no such part, no
// layered windows, nothing visible).
int CreateGlow(const RECT& control, const RECT& visible, const std::string& section, TsSkinManager* manager,
               HWND owner, uint8_t alpha, int margin, const std::string& partBase = "GLOW");
// A negative or spent id does nothing.
void RemoveGlow(int id);
void RemoveAllGlows();

// The glow window of an id, null when there is none; glows shown now.
HWND GlowWindow(int id);
int ShownGlowCount();
