#pragma once
// The wrappers of a system dialog's child windows, chosen by window class
// and style from the engine's table.

#include <windows.h>

#include <memory>

#include "core/store/wrapper_tables.h"

class TacMainWnd;
class TsSkinManager;

// The table's choice for a window.
zelvan::store::TWrapperChoice DialogChildChoice(HWND child);

// A wrapper for the child, with its own skin data and the dialog's manager;
// null for a child the table leaves alone, one skinned already, or a kind
// whose wrapper this engine does not have.
std::unique_ptr<TacMainWnd> WrapDialogChild(HWND child, TsSkinManager* manager);
