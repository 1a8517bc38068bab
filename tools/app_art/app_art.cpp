// Draws the program's icon and the 16 x 16 glyph of the overwrite button and
// writes them into res/. Shapes are sampled 4 x 4 times per pixel, so edges
// are smooth at every icon size.
//
//   app_art <res folder>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "pixels/bmp_file.h"

namespace au {
namespace {

struct Rgba {
  double r = 0, g = 0, b = 0, a = 0;
};

// A picture in unit coordinates (0..1 across), painted shape after shape.
class Canvas {
 public:
  explicit Canvas(int size) : size_(size), pixels_(size_t(size) * size) {}

  using Shape = std::function<bool(double x, double y)>;

  void Paint(const Shape& inside, Rgba colour) {
    constexpr int kSamples = 4;
    for (int py = 0; py < size_; ++py) {
      for (int px = 0; px < size_; ++px) {
        int hits = 0;
        for (int sy = 0; sy < kSamples; ++sy) {
          for (int sx = 0; sx < kSamples; ++sx) {
            const double x = (px + (sx + 0.5) / kSamples) / size_;
            const double y = (py + (sy + 0.5) / kSamples) / size_;
            hits += inside(x, y) ? 1 : 0;
          }
        }
        if (hits == 0) continue;
        const double cover = colour.a * hits / (kSamples * kSamples);
        Rgba& d = pixels_[size_t(py) * size_ + px];
        // Source over destination, straight alpha.
        const double a = cover + d.a * (1 - cover);
        if (a <= 0) continue;
        d.r = (colour.r * cover + d.r * d.a * (1 - cover)) / a;
        d.g = (colour.g * cover + d.g * d.a * (1 - cover)) / a;
        d.b = (colour.b * cover + d.b * d.a * (1 - cover)) / a;
        d.a = a;
      }
    }
  }

  int Size() const { return size_; }
  const Rgba& At(int x, int y) const { return pixels_[size_t(y) * size_ + x]; }

 private:
  int size_;
  std::vector<Rgba> pixels_;
};

Rgba Hex(unsigned rgb, double alpha = 1) {
  return {((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0, alpha};
}

Canvas::Shape RoundRect(double l, double t, double r, double b, double radius) {
  return [=](double x, double y) {
    if (x < l || x > r || y < t || y > b) return false;
    const double cx = std::clamp(x, l + radius, r - radius);
    const double cy = std::clamp(y, t + radius, b - radius);
    return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
  };
}

Canvas::Shape Rect(double l, double t, double r, double b) {
  return [=](double x, double y) { return x >= l && x <= r && y >= t && y <= b; };
}

// A convex polygon, points in clockwise or counter-clockwise order.
Canvas::Shape Polygon(std::vector<std::pair<double, double>> points) {
  return [points](double x, double y) {
    int sign = 0;
    for (size_t i = 0; i < points.size(); ++i) {
      const auto [x0, y0] = points[i];
      const auto [x1, y1] = points[(i + 1) % points.size()];
      const double cross = (x1 - x0) * (y - y0) - (y1 - y0) * (x - x0);
      const int s = cross > 0 ? 1 : (cross < 0 ? -1 : 0);
      if (s == 0) continue;
      if (sign == 0) sign = s;
      if (s != sign) return false;
    }
    return true;
  };
}

// A sheet of paper with lines of text in `ink`.
void PaintSheet(Canvas& c, double l, double t, double r, double b, Rgba ink) {
  c.Paint(RoundRect(l, t, r, b, 0.05), Hex(0x5A6B7D));
  c.Paint(RoundRect(l + 0.03, t + 0.03, r - 0.03, b - 0.03, 0.03), Hex(0xFBFCFE));
  const double lineHeight = (b - t) / 7;
  for (int i = 1; i <= 4; ++i) {
    const double y = t + lineHeight * (i + 0.6);
    const double end = i == 4 ? l + (r - l) * 0.55 : r - 0.08;
    c.Paint(Rect(l + 0.08, y, end, y + lineHeight * 0.45), ink);
  }
}

// The icon: a grey ANSI sheet behind a blue UTF-8 sheet, with an arrow
// from one to the other, on a calm grey-blue tile.
Canvas DrawIcon(int size) {
  Canvas c(size);
  c.Paint(RoundRect(0.02, 0.02, 0.98, 0.98, 0.18), Hex(0x6F8398));
  c.Paint(RoundRect(0.05, 0.05, 0.95, 0.95, 0.15), Hex(0xC9D4E0));
  c.Paint(RoundRect(0.05, 0.05, 0.95, 0.50, 0.15), Hex(0xDCE4EC));
  PaintSheet(c, 0.14, 0.12, 0.58, 0.70, Hex(0x8A96A3));
  PaintSheet(c, 0.42, 0.32, 0.86, 0.90, Hex(0x3D6FA8));
  c.Paint(Rect(0.09, 0.77, 0.27, 0.87), Hex(0x2E5A8C));
  c.Paint(Polygon({{0.26, 0.69}, {0.41, 0.82}, {0.26, 0.95}}), Hex(0x2E5A8C));
  return c;
}

// The overwrite glyph: a sheet with a downward arrow onto it.
Canvas DrawGlyph() {
  Canvas c(16);
  c.Paint(Rect(3 / 16.0, 2 / 16.0, 13 / 16.0, 15 / 16.0), Hex(0x4C5B6B));
  c.Paint(Rect(4 / 16.0, 3 / 16.0, 12 / 16.0, 14 / 16.0), Hex(0xFFFFFF));
  for (int row : {9, 11, 13}) {
    c.Paint(Rect(5 / 16.0, row / 16.0, 11 / 16.0, (row + 0.99) / 16.0), Hex(0x8A96A3));
  }
  c.Paint(Rect(7 / 16.0, 0, 9 / 16.0, 5 / 16.0), Hex(0x2E6FB8));
  c.Paint(Polygon({{4.5 / 16, 4.5 / 16}, {11.5 / 16, 4.5 / 16}, {8 / 16.0, 8.5 / 16}}),
          Hex(0x2E6FB8));
  return c;
}

std::uint8_t Byte(double v) {
  return std::uint8_t(std::lround(std::clamp(v, 0.0, 1.0) * 255));
}

// 8-bit glyph: magenta where nothing is drawn, so the bottom-left pixel (the
// glyph's transparent colour) is magenta; the palette holds the colours used.
std::vector<std::uint8_t> GlyphFile(const Canvas& c) {
  IndexedPicture picture;
  picture.Width = picture.Height = c.Size();
  std::vector<TColor> palette{clMagenta};
  for (int y = 0; y < c.Size(); ++y) {
    for (int x = 0; x < c.Size(); ++x) {
      const Rgba& p = c.At(x, y);
      TColor colour = clMagenta;
      if (p.a >= 0.5) colour = MakeColor(Byte(p.r), Byte(p.g), Byte(p.b));
      auto it = std::find(palette.begin(), palette.end(), colour);
      if (it == palette.end()) {
        palette.push_back(colour);
        it = palette.end() - 1;
      }
      picture.Indexes.push_back(std::uint8_t(std::min<long>(it - palette.begin(), 255)));
    }
  }
  std::copy_n(palette.begin(), std::min<size_t>(palette.size(), 256), picture.Palette.begin());
  return EncodeBmp8(picture);
}

void Put16(std::vector<std::uint8_t>& out, unsigned v) {
  out.push_back(std::uint8_t(v));
  out.push_back(std::uint8_t(v >> 8));
}
void Put32(std::vector<std::uint8_t>& out, unsigned v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

// An icon file with one 32-bit image per canvas (straight alpha, AND mask).
std::vector<std::uint8_t> IconFile(const std::vector<Canvas>& images) {
  std::vector<std::vector<std::uint8_t>> bodies;
  for (const Canvas& c : images) {
    std::vector<std::uint8_t> body;
    const int n = c.Size();
    Put32(body, 40);
    Put32(body, n);
    Put32(body, n * 2);  // colour rows and mask rows
    Put16(body, 1);
    Put16(body, 32);
    Put32(body, 0);
    Put32(body, 0);
    Put32(body, 0);
    Put32(body, 0);
    Put32(body, 0);
    Put32(body, 0);
    for (int y = n - 1; y >= 0; --y) {
      for (int x = 0; x < n; ++x) {
        const Rgba& p = c.At(x, y);
        body.push_back(Byte(p.b));
        body.push_back(Byte(p.g));
        body.push_back(Byte(p.r));
        body.push_back(Byte(p.a));
      }
    }
    const int maskStride = ((n + 31) / 32) * 4;
    for (int y = n - 1; y >= 0; --y) {
      std::vector<std::uint8_t> row(size_t(maskStride), 0);
      for (int x = 0; x < n; ++x) {
        if (c.At(x, y).a < 0.5) row[size_t(x / 8)] |= std::uint8_t(0x80 >> (x % 8));
      }
      body.insert(body.end(), row.begin(), row.end());
    }
    bodies.push_back(std::move(body));
  }
  std::vector<std::uint8_t> out;
  Put16(out, 0);
  Put16(out, 1);
  Put16(out, unsigned(images.size()));
  unsigned offset = 6 + 16 * unsigned(images.size());
  for (size_t i = 0; i < images.size(); ++i) {
    const int n = images[i].Size();
    out.push_back(std::uint8_t(n >= 256 ? 0 : n));
    out.push_back(std::uint8_t(n >= 256 ? 0 : n));
    out.push_back(0);
    out.push_back(0);
    Put16(out, 1);
    Put16(out, 32);
    Put32(out, unsigned(bodies[i].size()));
    Put32(out, offset);
    offset += unsigned(bodies[i].size());
  }
  for (const auto& body : bodies) out.insert(out.end(), body.begin(), body.end());
  return out;
}

bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  return bool(out);
}

}  // namespace
}  // namespace au

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <res folder>\n", argv[0]);
    return 2;
  }
  const std::string folder = argv[1];
  const bool ok =
      au::WriteFile(folder + "/overwrite_glyph.bmp", au::GlyphFile(au::DrawGlyph())) &&
      au::WriteFile(folder + "/ansi2utf8.ico",
                    au::IconFile({au::DrawIcon(48), au::DrawIcon(32), au::DrawIcon(16)}));
  if (!ok) std::fprintf(stderr, "cannot write into %s\n", folder.c_str());
  return ok ? 0 : 1;
}
