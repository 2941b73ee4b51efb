#pragma once
// What the tests read back from windows: a window's picture as the screen
// shows it, and an image list of one
// plain-coloured 16 x 16 picture for items that show an icon.
#include <windows.h>
#include <commctrl.h>

#include <memory>

#include "framework/graphics/bitmap.h"

// The window's client coordinates r as the screen shows them.
inline std::unique_ptr<TBitmap> GrabRect(HWND window, const RECT& r) {
  auto picture = std::make_unique<TBitmap>(r.right - r.left, r.bottom - r.top, pf32bit);
  HDC dc = GetDC(window);
  BitBlt(picture->Canvas().Handle(), 0, 0, r.right - r.left, r.bottom - r.top, dc, r.left, r.top, SRCCOPY);
  ReleaseDC(window, dc);
  GdiFlush();
  return picture;
}

// The whole window, frame included, as the screen shows it.
inline std::unique_ptr<TBitmap> GrabWindow(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  auto picture = std::make_unique<TBitmap>(r.right - r.left, r.bottom - r.top, pf32bit);
  HDC dc = GetWindowDC(window);
  BitBlt(picture->Canvas().Handle(), 0, 0, r.right - r.left, r.bottom - r.top, dc, 0, 0, SRCCOPY);
  ReleaseDC(window, dc);
  GdiFlush();
  return picture;
}

inline std::unique_ptr<TBitmap> GrabClient(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  return GrabRect(window, client);
}

// The caller destroys the list.
inline HIMAGELIST OneIconImages(COLORREF color) {
  HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR32, 1, 1);
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP icon = CreateCompatibleBitmap(screen, 16, 16);
  HGDIOBJ old = SelectObject(memory, icon);
  HBRUSH brush = CreateSolidBrush(color);
  RECT r{0, 0, 16, 16};
  FillRect(memory, &r, brush);
  SelectObject(memory, old);
  DeleteObject(brush);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  ImageList_Add(images, icon, nullptr);
  DeleteObject(icon);
  return images;
}
