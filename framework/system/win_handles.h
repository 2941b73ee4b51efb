#pragma once
// The owned handle kinds of the Win32 side, each with the call that frees it.

#include <windows.h>
#include <commctrl.h>

#include "framework/system/unique_handle.h"

struct TGdiObjectDeleter {
  void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
struct TDcDeleter {
  void operator()(HDC dc) const { DeleteDC(dc); }
};
struct TWindowDeleter {
  void operator()(HWND window) const { DestroyWindow(window); }
};
struct TImageListDeleter {
  void operator()(HIMAGELIST list) const { ImageList_Destroy(list); }
};
struct TFileDeleter {
  void operator()(HANDLE file) const {
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
  }
};

using TFontHandle = TUniqueHandle<HFONT, TGdiObjectDeleter>;
using TBrushHandle = TUniqueHandle<HBRUSH, TGdiObjectDeleter>;
using TPenHandle = TUniqueHandle<HPEN, TGdiObjectDeleter>;
using TBitmapHandle = TUniqueHandle<HBITMAP, TGdiObjectDeleter>;
using TRegionHandle = TUniqueHandle<HRGN, TGdiObjectDeleter>;
using TMemoryDcHandle = TUniqueHandle<HDC, TDcDeleter>;
using TWindowHandle = TUniqueHandle<HWND, TWindowDeleter>;
using TImageListHandle = TUniqueHandle<HIMAGELIST, TImageListDeleter>;
// Store nullptr, never INVALID_HANDLE_VALUE, in a file handle.
using TFileHandle = TUniqueHandle<HANDLE, TFileDeleter>;
