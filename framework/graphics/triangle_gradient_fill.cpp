#include "framework/graphics/triangle_gradient_fill.h"

#include <windows.h>

#include <cstring>
#include <vector>

namespace zelvan::framework {
namespace {

using GradientFillProc = BOOL(WINAPI*)(HDC, PTRIVERTEX, ULONG, PVOID, ULONG, ULONG);

GradientFillProc LookUpGradientFill() {
  HMODULE module = LoadLibraryW(L"msimg32.dll");
  if (module == nullptr) return nullptr;
  // Through a plain function pointer type, so the compiler accepts the cast.
  return reinterpret_cast<GradientFillProc>(reinterpret_cast<void (*)()>(GetProcAddress(module, "GradientFill")));
}

GradientFillProc GradientFillFunction() {
  static const GradientFillProc function = LookUpGradientFill();
  return function;
}

// A top-down 32-bit DIB selected into its own memory context.
class TScratchDib {
 public:
  TScratchDib(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
    dc_ = CreateCompatibleDC(nullptr);
    if (bitmap_ != nullptr && dc_ != nullptr) old_ = SelectObject(dc_, bitmap_);
  }
  ~TScratchDib() {
    if (old_ != nullptr) SelectObject(dc_, old_);
    if (dc_ != nullptr) DeleteDC(dc_);
    if (bitmap_ != nullptr) DeleteObject(bitmap_);
  }
  TScratchDib(const TScratchDib&) = delete;
  TScratchDib& operator=(const TScratchDib&) = delete;

  bool Valid() const { return old_ != nullptr && bits_ != nullptr; }
  HDC Dc() const { return dc_; }
  uint32_t* Row(int y, int width) const { return static_cast<uint32_t*>(bits_) + static_cast<size_t>(y) * width; }

 private:
  HBITMAP bitmap_ = nullptr;
  HDC dc_ = nullptr;
  HGDIOBJ old_ = nullptr;
  void* bits_ = nullptr;
};

}  // namespace

bool PlatformHasGradientFill() { return GradientFillFunction() != nullptr; }

void PlatformTriangleGradientFill(image::TWorkingBitmap& bitmap, const paint::TRect& rect,
                                  std::span<const paint::TTriVertex> vertices,
                                  std::span<const paint::TGradientTriangle> triangles) {
  const GradientFillProc fill = GradientFillFunction();
  const paint::TRect r = paint::ClipToSize(rect, bitmap.Width(), bitmap.Height());
  if (fill == nullptr || bitmap.PixelFormat() != image::TPixelFormat::pf32bit || r.IsEmpty()) return;
  const int width = r.Width(), height = r.Height();
  TScratchDib scratch(width, height);
  if (!scratch.Valid()) return;
  // Start from the bitmap's own pixels, so anything the triangles miss stays.
  const size_t rowBytes = static_cast<size_t>(width) * sizeof(uint32_t);
  for (int y = 0; y < height; ++y) std::memcpy(scratch.Row(y, width), bitmap.Row32(r.Top + y) + r.Left, rowBytes);

  std::vector<TRIVERTEX> platformVertices;
  for (const paint::TTriVertex& v : vertices)
    platformVertices.push_back({v.X - r.Left, v.Y - r.Top, v.Red, v.Green, v.Blue, v.Alpha});
  std::vector<GRADIENT_TRIANGLE> platformTriangles;
  for (const paint::TGradientTriangle& t : triangles)
    platformTriangles.push_back({t.Vertex1, t.Vertex2, t.Vertex3});
  fill(scratch.Dc(), platformVertices.data(), static_cast<ULONG>(platformVertices.size()), platformTriangles.data(),
       static_cast<ULONG>(platformTriangles.size()), GRADIENT_FILL_TRIANGLE);
  GdiFlush();

  for (int y = 0; y < height; ++y) {
    const uint32_t* in = scratch.Row(y, width);
    uint32_t* out = bitmap.Row32(r.Top + y) + r.Left;
    for (int x = 0; x < width; ++x) out[x] = in[x] | 0xFF000000u;
  }
}

}  // namespace zelvan::framework
