#pragma once
// Drawing a decoded PNG on a canvas. A 32-bit picture is laid over what the
// canvas shows by its per-pixel alpha (optionally with a fading reflection
// below it); other pictures are drawn as ordinary bitmaps.

#include <windows.h>

#include <memory>

#include "core/image/png_graphic.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"

// A working bitmap copied into a DIB that GDI can read (format and palette kept).
std::unique_ptr<TBitmap> ToBitmap(const zelvan::image::TWorkingBitmap& image);

void DrawPNGGraphic(TCanvas& canvas, const RECT& rect, const zelvan::image::TPNGGraphic& png);
