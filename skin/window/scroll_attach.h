#pragma once
// Skinned scroll bars for the controls that carry them (list views, tree
// views, scroll boxes, edits): one call after each skin change keeps a
// control's scroll wrapper in step with its skin data. The control keeps the
// wrapper in a slot of its own:
//
//   std::unique_ptr<TacScrollWnd> FScrollWnd;
//   ... on SKC_SKIN_LOADED / SKC_REFRESH / SKC_SKIN_REMOVED and once the window exists:
//   AttachEditScrollBars(SkinData, FScrollWnd);
//
// A window without a framework control is wrapped through AttachScrollBars
// with its handle; the wrapper then makes skin data of its own.

#include <windows.h>

#include <memory>
#include <string>

#include "skin/window/scroll_wnd.h"

class TsCommonData;
class TsSkinManager;

enum class TScrollWndKind {
  Plain,  // scroll boxes and frames: the bars only, the platform's frame
  Edit,   // list views, edits, list boxes: bars and the section's frame
  Tree,   // tree views
};

// With the data's skin active: a wrapper whose window went is freed and, when
// the slot is empty, one of the kind is made for the data's control (which
// must have its window). With the skin off: the wrapper is freed and the
// platform's bars come back. The plain kind turns flat scroll bars off while
// wrapped and does nothing while its control is loading or being destroyed.
// ownerCommands: the control answers every skin command itself (the skinned
// list, tree and scroll box); the wrapper passes them on.
void AttachScrollBars(TsCommonData& data, std::unique_ptr<TacScrollWnd>& slot,
                      TScrollWndKind kind = TScrollWndKind::Plain, bool ownerCommands = false);
inline void AttachEditScrollBars(TsCommonData& data, std::unique_ptr<TacScrollWnd>& slot) {
  AttachScrollBars(data, slot, TScrollWndKind::Edit);
}
inline void AttachTreeScrollBars(TsCommonData& data, std::unique_ptr<TacScrollWnd>& slot) {
  AttachScrollBars(data, slot, TScrollWndKind::Tree);
}

// A wrapper of the kind for a window given by its handle (own skin data,
// the manager's skin); null for no window or a window skinned already.
std::unique_ptr<TacScrollWnd> AttachScrollBars(HWND window, TsSkinManager* manager, const std::string& section,
                                               TScrollWndKind kind);

// The bars of a wrapped window read again and, with repaint, painted; nothing
// for a window without a scroll wrapper.
void RefreshScrollBars(HWND window, bool repaint = true);
void RefreshScrollBars(TacScrollWnd* wrapper, bool repaint = true);
