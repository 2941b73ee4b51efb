#pragma once
// Live preview: a skin-editing tool in another process hands the running
// program a skin. Started with "/acpreview" as its first parameter, the
// program announces its main form's window to the tool (kPreviewMessage with
// wParam kPreviewAnnounce and the window as lParam); the tool then sends the
// skin to that window as a WM_COPYDATA record with wParam kHandOverWParam.
// The manager loads it with its sections from the record's description text
// and its images from the record's folder.
//
// The record is the program's only input from another process: anything but
// an exact record, sent to the announced window, outside another hand-over,
// with a default manager to take it, changes nothing and is not answered 1.
// The tool is never waited for without a bound.

#include <windows.h>

#include "framework/controls/control.h"

class TCustomForm;

inline constexpr UINT kPreviewMessage = 0xA400;
// wParam of kPreviewMessage at a skinned form
inline constexpr WPARAM kPreviewClose = 1;     // the form closes
inline constexpr WPARAM kPreviewAnnounce = 3;  // to the tool: lParam is the window taking hand-overs
inline constexpr WPARAM kPreviewPing = 4;      // answered 1
inline constexpr WPARAM kHandOverWParam = 7;   // wParam of the WM_COPYDATA that hands a skin over
// The title of the skin-editing tool's main window.
inline constexpr wchar_t kPreviewToolTitle[] = L"Zelvan Skin Editor";
// How long the announcement waits for each answer of the tool.
inline constexpr UINT kPreviewAnswerTimeoutMs = 1000;

// Process-wide; user-interface thread only.
struct TacPreviewState {
  HWND Announced = nullptr;  // the window taking hand-overs, once announced
  bool Requested = false;    // a preview was asked for and not announced yet
  bool Busy = false;         // a hand-over is being applied
};
TacPreviewState& PreviewState();

// The program's first command-line parameter is exactly "/acpreview".
bool PreviewRequestedOnCommandLine();
// A form's skin provider was made: the request is read again.
void PreviewProviderCreated();
// A skinned form is showing: announces its window when a preview was asked
// for and nothing was announced yet (the main form's window, or any form's
// while the application has no main form).
void AnnounceToPreviewTool(TCustomForm* form);
// kPreviewMessage and WM_COPYDATA at a skinned form: true when dealt with
// here (next ran, or must not).
bool PreviewMessage(TCustomForm* form, TMessage& message, const TWndMethod& next);
// Applies a hand-over sent to `window`; true when it was taken (answer 1).
bool TakeHandOver(HWND window, WPARAM wParam, const COPYDATASTRUCT* block);
