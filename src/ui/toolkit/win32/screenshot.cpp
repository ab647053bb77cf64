#include "ui/toolkit/back_end.h"
#include "ui/toolkit/win32/native.h"
#include "ui/toolkit/win32/win32_text.h"

// GDI+'s flat interface, declared here: its C++ headers want the min and max macros.
extern "C" {
struct GdiplusStartupInput {
  UINT32 GdiplusVersion = 1;
  void* DebugEventCallback = nullptr;
  BOOL SuppressBackgroundThread = FALSE;
  BOOL SuppressExternalCodecs = FALSE;
};
int WINAPI GdiplusStartup(ULONG_PTR* token, const GdiplusStartupInput* input, void* output);
void WINAPI GdiplusShutdown(ULONG_PTR token);
int WINAPI GdipCreateBitmapFromHBITMAP(HBITMAP bitmap, HPALETTE palette, void** image);
int WINAPI GdipSaveImageToFile(void* image, const WCHAR* file, const CLSID* encoder, const void* parameters);
int WINAPI GdipDisposeImage(void* image);
}

namespace ui::toolkit {

namespace {

// GDI+'s PNG encoder.
constexpr CLSID kPngEncoder = {0x557CF406, 0x1A04, 0x11D3, {0x9A, 0x73, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};

}  // namespace

// What the screen shows of the form's inner area: its controls are windows of their own, which a
// copy of the form's own device context would leave out.
bool saveFormImage(const FormRecord& form, const std::string& path) {
  HWND window = windowOf(form);
  if (window == nullptr) return false;
  RECT client{};
  GetClientRect(window, &client);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, client.right, client.bottom, screen, origin.x, origin.y, SRCCOPY);
  SelectObject(memory, old);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  SetWindowPos(window, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);

  ULONG_PTR token = 0;
  GdiplusStartupInput input;
  bool saved = false;
  if (GdiplusStartup(&token, &input, nullptr) == 0) {
    void* image = nullptr;
    if (GdipCreateBitmapFromHBITMAP(bitmap, nullptr, &image) == 0) {
      saved = GdipSaveImageToFile(image, wideFromUtf8(path).c_str(), &kPngEncoder, nullptr) == 0;
      GdipDisposeImage(image);
    }
    GdiplusShutdown(token);
  }
  DeleteObject(bitmap);
  return saved;
}

}  // namespace ui::toolkit
