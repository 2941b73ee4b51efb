#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include <jpeglib.h>
#include <zlib.h>

namespace {

constexpr UINT kProbeMessage = WM_APP + 7;
constexpr UINT_PTR kTimerId = 42;

struct ProbeState {
  LPARAM posted_payload = 0;
  int timer_ticks = 0;
};

LRESULT CALLBACK ProbeWndProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* state = reinterpret_cast<ProbeState*>(GetWindowLongPtrW(wnd, GWLP_USERDATA));
  switch (msg) {
    case kProbeMessage:
      if (state) state->posted_payload = lp;
      return 0;
    case WM_TIMER:
      if (state && wp == kTimerId) ++state->timer_ticks;
      return 0;
    default:
      return DefWindowProcW(wnd, msg, wp, lp);
  }
}

class PlatformWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = ProbeWndProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"ZelvanProbe";
    atom_ = RegisterClassExW(&wc);
    ASSERT_NE(atom_, 0) << "RegisterClassExW failed: " << GetLastError();
    wnd_ = CreateWindowExW(0, L"ZelvanProbe", L"探针", WS_OVERLAPPEDWINDOW, 0, 0, 200, 150,
                           nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_NE(wnd_, nullptr) << "CreateWindowExW failed: " << GetLastError();
    SetWindowLongPtrW(wnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&state_));
  }

  void TearDown() override {
    if (wnd_) DestroyWindow(wnd_);
    if (atom_) UnregisterClassW(L"ZelvanProbe", GetModuleHandleW(nullptr));
  }

  // Pumps messages until the predicate holds or the deadline passes.
  template <typename Pred>
  bool PumpUntil(Pred done, DWORD timeout_ms) {
    const DWORD start = GetTickCount();
    MSG msg;
    while (!done()) {
      if (GetTickCount() - start > timeout_ms) return false;
      while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
      }
      if (!done()) MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
  }

  ATOM atom_ = 0;
  HWND wnd_ = nullptr;
  ProbeState state_;
};

TEST_F(PlatformWindow, ReceivesPostedMessageAndTimer) {
  ASSERT_TRUE(PostMessageW(wnd_, kProbeMessage, 0, 0x5A17));
  ASSERT_NE(SetTimer(wnd_, kTimerId, 20, nullptr), 0u);
  EXPECT_TRUE(PumpUntil([&] { return state_.posted_payload != 0 && state_.timer_ticks >= 2; }, 5000));
  KillTimer(wnd_, kTimerId);
  EXPECT_EQ(state_.posted_payload, 0x5A17);
  EXPECT_GE(state_.timer_ticks, 2);
}

TEST_F(PlatformWindow, ListViewInReportViewKeepsItemText) {
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_LISTVIEW_CLASSES};
  ASSERT_TRUE(InitCommonControlsEx(&icc));
  HWND list = CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_REPORT, 0, 0, 180,
                              120, wnd_, nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(GetWindowLongW(list, GWL_STYLE) & LVS_TYPEMASK, LVS_REPORT);

  wchar_t header[] = L"原名";
  LVCOLUMNW col{};
  col.mask = LVCF_TEXT | LVCF_WIDTH;
  col.cx = 100;
  col.pszText = header;
  ASSERT_EQ(SendMessageW(list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&col)), 0);

  wchar_t text[] = L"照片_001.jpg";
  LVITEMW item{};
  item.mask = LVIF_TEXT;
  item.pszText = text;
  ASSERT_EQ(SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)), 0);

  wchar_t buffer[64] = {};
  LVITEMW query{};
  query.iSubItem = 0;
  query.pszText = buffer;
  query.cchTextMax = 64;
  const auto length = SendMessageW(list, LVM_GETITEMTEXTW, 0, reinterpret_cast<LPARAM>(&query));
  EXPECT_EQ(length, static_cast<LRESULT>(wcslen(text)));
  EXPECT_EQ(std::wstring(buffer), std::wstring(text));
  EXPECT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 1);
}

TEST(PlatformGdi, DibSectionPixelsAreReadBackAsBgra) {
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  bi.bmiHeader.biWidth = 8;
  bi.bmiHeader.biHeight = -4;  // top-down rows
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HDC dc = CreateCompatibleDC(nullptr);
  ASSERT_NE(dc, nullptr);
  HBITMAP bmp = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  ASSERT_NE(bmp, nullptr);
  ASSERT_NE(bits, nullptr);
  HGDIOBJ old = SelectObject(dc, bmp);

  HBRUSH brush = CreateSolidBrush(RGB(0x12, 0x34, 0x56));
  RECT r{2, 1, 5, 3};
  FillRect(dc, &r, brush);
  DeleteObject(brush);
  GdiFlush();

  const auto* px = static_cast<const uint32_t*>(bits);
  auto at = [&](int x, int y) { return px[y * 8 + x] & 0x00FFFFFF; };
  EXPECT_EQ(at(2, 1), 0x123456u);  // B,G,R in memory reads as 0x00RRGGBB
  EXPECT_EQ(at(4, 2), 0x123456u);
  EXPECT_EQ(at(5, 1), 0u);  // right edge excluded
  EXPECT_EQ(at(2, 3), 0u);  // bottom edge excluded
  EXPECT_EQ(at(1, 1), 0u);
  EXPECT_EQ(GetPixel(dc, 3, 2), RGB(0x12, 0x34, 0x56));

  SelectObject(dc, old);
  DeleteObject(bmp);
  DeleteDC(dc);
}

TEST(PackagedLibraries, ZlibRoundTripAndJpegDecoderCreation) {
  const std::string input(1000, 'z');
  uLongf packed_size = compressBound(input.size());
  std::vector<Bytef> packed(packed_size);
  ASSERT_EQ(compress(packed.data(), &packed_size, reinterpret_cast<const Bytef*>(input.data()),
                     input.size()),
            Z_OK);
  EXPECT_LT(packed_size, input.size());
  std::string output(input.size(), '\0');
  uLongf output_size = output.size();
  ASSERT_EQ(uncompress(reinterpret_cast<Bytef*>(output.data()), &output_size, packed.data(),
                       packed_size),
            Z_OK);
  EXPECT_EQ(output, input);

  jpeg_decompress_struct cinfo{};
  jpeg_error_mgr jerr{};
  cinfo.err = jpeg_std_error(&jerr);
  jpeg_create_decompress(&cinfo);
  EXPECT_EQ(cinfo.global_state, 200);  // DSTATE_START: ready for a header
  jpeg_destroy_decompress(&cinfo);
}

// A character drawn in black on white in a font, as pixels.
std::vector<uint32_t> Drawn(const wchar_t* face, const wchar_t* text) {
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 48, 32);
  ReleaseDC(nullptr, screen);
  HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
  RECT all{0, 0, 48, 32};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  HFONT font = CreateFontW(-20, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, NONANTIALIASED_QUALITY, 0, face);
  HGDIOBJ oldFont = SelectObject(dc, font);
  TextOutW(dc, 2, 2, text, static_cast<int>(wcslen(text)));
  std::vector<uint32_t> pixels;
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 48; ++x) pixels.push_back(GetPixel(dc, x, y));
  }
  SelectObject(dc, oldFont);
  SelectObject(dc, oldBitmap);
  DeleteObject(font);
  DeleteObject(bitmap);
  DeleteDC(dc);
  return pixels;
}

TEST(PlatformFonts, TahomaIsRealAndDrawsChineseThroughTheLinkedFont) {
  HDC screen = GetDC(nullptr);
  HFONT font = CreateFontW(-20, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
  HGDIOBJ old = SelectObject(screen, font);
  wchar_t face[64] = {};
  GetTextFaceW(screen, 64, face);
  SelectObject(screen, old);
  DeleteObject(font);
  ReleaseDC(nullptr, screen);
  EXPECT_STREQ(face, L"Tahoma");
  // Without a linked font Tahoma has no Chinese: every character would be
  // the same empty box.
  const std::vector<uint32_t> first = Drawn(L"Tahoma", L"批"), second = Drawn(L"Tahoma", L"名");
  EXPECT_NE(first, second);
  EXPECT_NE(first, Drawn(L"Tahoma", L"\xE000")) << "not the missing-glyph box";
}

}  // namespace
