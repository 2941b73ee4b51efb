#pragma once
// A picture of a window as it would paint now, frame and children included,
// whether it is on screen or not: what window animations move and fade.

#include <windows.h>

#include <memory>

#include "framework/graphics/bitmap.h"

// The whole window (its window rectangle) in a 32-bit bitmap, alpha 255.
// Null for a window of no size.
std::unique_ptr<TBitmap> SnapshotWindow(HWND window);
