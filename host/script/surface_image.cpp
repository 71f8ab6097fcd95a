// Window pixels copied out of the platform's surfaces and encoded with
// libpng into memory, so the same bytes go to a file or a browser.
#include "host/script/surface_image.h"

#include <png.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "platform/user/painted_surface.h"
#include "platform/user/user.h"

namespace velko::script {
namespace {

bool HasTypeBits(LONG style, LONG mask, LONG value) { return (style & mask) == value; }

void CopyOver(platform::Surface& target, const platform::Surface& source, int left, int top) {
  for (int y = 0; y < source.height; ++y) {
    const int ty = top + y;
    if (ty < 0 || ty >= target.height) continue;
    const int from = std::max(0, -left);
    const int to = std::min(source.width, target.width - left);
    if (from >= to) continue;
    const auto row = source.pixels.begin() + static_cast<std::ptrdiff_t>(y) * source.width;
    std::copy(row + from, row + to,
              target.pixels.begin() + static_cast<std::ptrdiff_t>(ty) * target.width + left + from);
  }
}

// libpng's output, collected in memory.
void AppendBytes(png_structp png, png_bytep data, png_size_t length) {
  auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + length);
}

void NoFlush(png_structp) {}

struct PngWriter {
  png_structp png = nullptr;
  png_infop info = nullptr;
  PngWriter() {
    png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (png != nullptr) info = png_create_info_struct(png);
  }
  ~PngWriter() { png_destroy_write_struct(&png, &info); }
  PngWriter(const PngWriter&) = delete;
  PngWriter& operator=(const PngWriter&) = delete;
};

// Rows of 0xBBGGRR pixels as R, G, B bytes.
std::vector<uint8_t> RgbRows(const platform::Surface& surface) {
  std::vector<uint8_t> rgb(surface.pixels.size() * 3);
  for (std::size_t i = 0; i < surface.pixels.size(); ++i) {
    const COLORREF c = surface.pixels[i];
    rgb[i * 3] = static_cast<uint8_t>(c & 0xFF);
    rgb[i * 3 + 1] = static_cast<uint8_t>((c >> 8) & 0xFF);
    rgb[i * 3 + 2] = static_cast<uint8_t>((c >> 16) & 0xFF);
  }
  return rgb;
}

// A control that paints nothing of its own (a frame another window draws
// into) shows what its parent painted in its rectangle, as on a screen.
void ShowParentThrough(platform::Surface& picture, HWND control) {
  const HWND parent = GetParent(control);
  if (parent == 0) return;
  const std::shared_ptr<const platform::Surface> behind = platform::PaintedSurface(parent);
  if (!behind) return;
  POINT at{0, 0};
  MapWindowPoints(control, parent, &at, 1);
  CopyOver(picture, *behind, -at.x, -at.y);
}

}  // namespace

bool IsOwnerDrawn(HWND control) {
  const LONG style = GetWindowLong(control, GWL_STYLE);
  const std::string_view cls = platform::WindowClassName(control);
  if (cls == "BUTTON") return HasTypeBits(style, BS_TYPEMASK, BS_OWNERDRAW);
  if (cls == "STATIC") return HasTypeBits(style, SS_TYPEMASK, SS_OWNERDRAW);
  return false;
}

std::optional<platform::Surface> CaptureWindow(HWND window, bool with_children) {
  if (!IsWindow(window)) return std::nullopt;
  platform::Surface copy;
  if (const std::shared_ptr<const platform::Surface> surface = platform::PaintedSurface(window)) {
    copy = *surface;
  } else {
    RECT client{};
    GetClientRect(window, &client);
    copy.Resize(client.right, client.bottom);
    ShowParentThrough(copy, window);
  }
  if (!with_children) return copy;
  for (HWND child = GetWindow(window, GW_CHILD); child != 0; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsWindowVisible(child)) continue;
    const std::shared_ptr<const platform::Surface> picture = platform::PaintedSurface(child);
    if (!picture) continue;
    POINT at{0, 0};
    MapWindowPoints(child, window, &at, 1);
    CopyOver(copy, *picture, at.x, at.y);
  }
  return copy;
}

std::vector<uint8_t> EncodePng(const platform::Surface& surface) {
  std::vector<uint8_t> out;
  if (surface.width <= 0 || surface.height <= 0) return out;
  PngWriter writer;
  if (writer.info == nullptr) return out;
  std::vector<uint8_t> rgb = RgbRows(surface);
  std::vector<png_bytep> rows(static_cast<std::size_t>(surface.height));
  for (int y = 0; y < surface.height; ++y) rows[y] = rgb.data() + static_cast<std::size_t>(y) * surface.width * 3;
  if (setjmp(png_jmpbuf(writer.png))) return {};
  png_set_write_fn(writer.png, &out, AppendBytes, NoFlush);
  // Fast filters and compression: these pictures are small and sent often.
  png_set_compression_level(writer.png, 1);
  png_set_IHDR(writer.png, writer.info, static_cast<png_uint_32>(surface.width),
               static_cast<png_uint_32>(surface.height), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_set_rows(writer.png, writer.info, rows.data());
  png_write_png(writer.png, writer.info, PNG_TRANSFORM_IDENTITY, nullptr);
  return out;
}

std::string WritePngFile(const platform::Surface& surface, const std::string& path) {
  const std::vector<uint8_t> png = EncodePng(surface);
  if (png.empty()) return "the picture is empty (" + std::to_string(surface.width) + "x" +
                           std::to_string(surface.height) + ")";
  const std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "wb"), std::fclose);
  if (!file) return "cannot write " + path + ": " + std::strerror(errno);
  if (std::fwrite(png.data(), 1, png.size(), file.get()) != png.size()) {
    return "cannot write " + path + ": " + std::strerror(errno);
  }
  return {};
}

}  // namespace velko::script
