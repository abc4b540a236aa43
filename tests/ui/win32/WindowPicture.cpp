#include "tests/ui/win32/WindowPicture.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <vector>

#include "base/ProgramFolder.h"
#include "tests/ui/win32/PngFile.h"

namespace qv::test {

std::string SaveWindowPicture(HWND window, const std::string& name) {
  RECT r{};
  GetWindowRect(window, &r);
  const int w = r.right - r.left, h = r.bottom - r.top;
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = w;
  info.bmiHeader.biHeight = -h;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(dc, bitmap);
  BitBlt(dc, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
  GdiFlush();
  const size_t width = size_t(w), height = size_t(h), stride = (width * 3 + 3) & ~size_t(3);
  std::vector<uint8_t> rgb(width * height * 3);
  for (size_t y = 0; y < height; ++y) {
    const auto* row = static_cast<const uint8_t*>(bits) + y * stride;
    for (size_t x = 0; x < width; ++x) {
      uint8_t* px = &rgb[(y * width + x) * 3];
      px[0] = row[x * 3 + 2];
      px[1] = row[x * 3 + 1];
      px[2] = row[x * 3];
    }
  }
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  const std::filesystem::path folder = std::filesystem::path(ProgramFolder()) / ".." / "screenshots";
  std::filesystem::create_directories(folder);
  const std::string path = (folder / name).string();
  EXPECT_TRUE(WritePng(path, w, h, rgb)) << path;
  return path;
}

}  // namespace qv::test
