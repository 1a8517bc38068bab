#include "tools/artwork/preview.h"

#include <algorithm>
#include <sstream>
#include <string>

#include "pixels/paint_gradient.h"
#include "tools/artwork/elegant_layout.h"

namespace au::art {
namespace {

constexpr int kMasterScale = 3;
constexpr int kSampleScale = 2;
constexpr TColor kBackdrop = MakeColor(250, 250, 250);
constexpr TColor kPlaceLine = MakeColor(0, 170, 200);

Bitmap24 ToBitmap(const IndexedPicture& p) {
  Bitmap24 b(p.Width, p.Height);
  for (int y = 0; y < p.Height; ++y)
    for (int x = 0; x < p.Width; ++x) b.SetPixel(x, y, p.Palette[p.Indexes[y * p.Width + x]]);
  return b;
}

void Enlarge(Bitmap24& target, int left, int top, const Bitmap24& source, int scale) {
  for (int y = 0; y < source.Height() * scale; ++y)
    for (int x = 0; x < source.Width() * scale; ++x)
      target.SetPixel(left + x, top + y, source.Pixel(x / scale, y / scale));
}

// A one-pixel line just outside each place, in enlarged coordinates.
void OutlinePlace(Bitmap24& target, int left, int top, const MaskPlace& m, int scale) {
  const int l = left + m.Left * scale;
  const int t = top + m.Top * scale;
  const int r = left + m.Right * scale;
  const int b = top + m.Bottom * scale;
  for (int x = l; x <= r && x < target.Width(); ++x) {
    target.SetPixel(x, t, kPlaceLine);
    target.SetPixel(x, std::min(b, target.Height() - 1), kPlaceLine);
  }
  for (int y = t; y <= b && y < target.Height(); ++y) {
    target.SetPixel(l, y, kPlaceLine);
    target.SetPixel(std::min(r, target.Width() - 1), y, kPlaceLine);
  }
}

TsGradArray ParseGradient(const std::string& text) {
  std::vector<long> numbers;
  std::stringstream in(text);
  std::string item;
  while (std::getline(in, item, ';'))
    if (!item.empty()) numbers.push_back(std::stol(item));
  TsGradArray steps;
  for (std::size_t i = 0; i + 4 < numbers.size(); i += 5) {
    steps.push_back({static_cast<TColor>(numbers[i]), static_cast<TColor>(numbers[i + 1]),
                     static_cast<std::uint8_t>(std::min(numbers[i + 2], 100L)),
                     static_cast<std::int32_t>(numbers[i + 3]), 0});
  }
  return steps;
}

// A quick stand-in for the engine's border drawing: nine pieces, the sides
// and middle tiled, weighted by the mask row or keyed by magenta.
class Composer {
 public:
  explicit Composer(const Bitmap24& master) : master_(master) {}

  void Frame(Bitmap24& t, TRect r, const MaskPlace& m, int state, FrameBorders w,
             bool fillCentre) const {
    const int sw = m.StateWidth();
    const int sh = m.StateHeight();
    Fit(w.Left, w.Right, r.Width());
    Fit(w.Top, w.Bottom, r.Height());
    const int mw = sw - w.Left - w.Right;
    const int mh = sh - w.Top - w.Bottom;
    for (int ty = r.Top; ty < r.Bottom; ++ty) {
      const int dy = ty - r.Top;
      const bool top = dy < w.Top;
      const bool bottom = ty >= r.Bottom - w.Bottom;
      const int sy = top ? dy : (bottom ? sh - (r.Bottom - ty) : w.Top + (dy - w.Top) % mh);
      for (int tx = r.Left; tx < r.Right; ++tx) {
        const int dx = tx - r.Left;
        const bool left = dx < w.Left;
        const bool right = tx >= r.Right - w.Right;
        if (!fillCentre && !left && !right && !top && !bottom) continue;
        const int sx = left ? dx : (right ? sw - (r.Right - tx) : w.Left + (dx - w.Left) % mw);
        Put(t, tx, ty, m, state, sx, sy, (left || right) && (top || bottom));
      }
    }
  }

  void Glyph(Bitmap24& t, int x, int y, const MaskPlace& m, int state) const {
    for (int sy = 0; sy < m.StateHeight(); ++sy)
      for (int sx = 0; sx < m.StateWidth(); ++sx) Put(t, x + sx, y + sy, m, state, sx, sy, true);
  }

 private:
  static void Fit(int& a, int& b, int size) {
    if (size < a + b) {
      const int d = (a + b - size) / 2;
      a -= d;
      b -= d + (size % 2);
      a = std::max(a, 0);
      b = std::max(b, 0);
    }
  }

  void Put(Bitmap24& t, int tx, int ty, const MaskPlace& m, int state, int sx, int sy,
           bool keyed) const {
    if (tx < 0 || ty < 0 || tx >= t.Width() || ty >= t.Height()) return;
    const int x = m.StateLeft(state) + sx;
    const TColor p = master_.Pixel(x, m.Top + sy);
    if (keyed && p == clMagenta) return;
    if (m.MaskType == 0) {
      t.SetPixel(tx, ty, p);
      return;
    }
    const TColor weight = master_.Pixel(x, m.Top + m.StateHeight() + sy);
    const TColor d = t.Pixel(tx, ty);
    const auto mix = [](int dc, int pc, int mc) {
      return std::clamp(((dc - pc) * mc + pc * 256) >> 8, 0, 255);
    };
    t.SetPixel(tx, ty,
               MakeColor(mix(RedOf(d), RedOf(p), RedOf(weight)),
                         mix(GreenOf(d), GreenOf(p), GreenOf(weight)),
                         mix(BlueOf(d), BlueOf(p), BlueOf(weight))));
  }

  const Bitmap24& master_;
};

// Gradients of the skin's sections, as the skin stores them.
const char kPanelGradient[] = "16777215;12632256;110;0;0;12632256;12632256;0;0;0";
const char kTitleActive[] =
    "12632256;16777215;5;0;0;16777215;7428938;20;0;0;7428938;4862758;9;0;0;4862758;8279081;19;"
    "0;0;8279081;15238400;23;0;0;15238400;16777215;34;0;0;16777215;16777215;0;0;0";
const char kTitleInactive[] =
    "12632256;16777215;5;0;0;16777215;6579300;20;0;0;6579300;14079702;85;0;0;14079702;14079702;"
    "0;0;0";
const char kBarTitle[] =
    "15592167;9667440;28;0;0;9667440;7621929;21;0;0;7621929;13796891;33;0;0;13796891;16763257;"
    "18;0;0;16763257;16763257;0;0;0";
const char kBarTitleHot[] =
    "15592167;13153177;24;0;0;13153177;9921847;19;0;0;9921847;16495874;39;0;0;16495874;16763257;"
    "18;0;0;16763257;16763257;0;0;0";
const char kButtonGradient[] = "15066597;10790052;110;0;0;10790052;10790052;0;0;0";
const char kButtonHot[] =
    "16777215;12632256;34;0;0;12632256;12632256;39;0;0;12632256;16777215;21;0;0;16777215;"
    "16777215;16;0;0;16777215;16777215;0;0;0";

// A small window put together from the images, at its real size.
Bitmap24 SampleWindow(const Bitmap24& master) {
  const Composer c(master);
  Bitmap24 w(300, 220);
  w.Fill(kBackdrop);
  const TRect whole{0, 0, 300, 200};
  PaintGradient(w, whole, ParseGradient(kPanelGradient));
  c.Frame(w, whole, kEditFrame, 0, {3, 3, 3, 3}, false);
  // Active title, with the close button.
  const TRect title{0, 0, 300, 22};
  PaintGradient(w, title, ParseGradient(kTitleActive));
  c.Frame(w, title, kTitleBar, 0, {14, 18, 14, 18}, false);
  c.Glyph(w, 300 - 3 - 18, 2, kCloseButton, 0);
  c.Glyph(w, 300 - 3 - 38, 2, kCloseButton, 1);
  c.Glyph(w, 300 - 3 - 58, 2, kMaximizeButton, 0);
  c.Glyph(w, 300 - 3 - 78, 2, kMinimizeButton, 1);
  // The client panel and its controls.
  const TRect panel{3, 22, 297, 197};
  PaintGradient(w, panel, ParseGradient(kPanelGradient));
  c.Frame(w, panel, kEditFrame, 0, {3, 3, 3, 3}, false);
  const TRect memo{11, 30, 289, 100};
  PaintGradient(w, memo, {{clWhite, clWhite, 100, 0, 0}});
  c.Frame(w, memo, kEditFrame, 0, {3, 3, 3, 3}, false);
  // A vertical scroll bar inside the memo.
  const TRect track{270, 33, 286, 97};
  c.Frame(w, track, kScrollTrackVertical, 0, {8, 8, 8, 8}, true);
  c.Frame(w, {270, 33, 286, 49}, kScrollButton, 0, {8, 8, 8, 8}, true);
  c.Glyph(w, 270 + 3, 33 + 4, kArrowUp, 0);
  c.Frame(w, {270, 81, 286, 97}, kScrollButton, 1, {8, 8, 8, 8}, true);
  c.Glyph(w, 270 + 3, 81 + 4, kArrowDown, 1);
  c.Frame(w, {270, 52, 286, 72}, kScrollButton, 0, {8, 8, 8, 8}, true);
  c.Glyph(w, 270 + 4, 52 + 6, kGripLinesFlat, 0);
  // Two blue buttons, normal and hot, and a grey one pressed.
  const TRect b1{20, 108, 141, 130};
  PaintGradient(w, b1, ParseGradient(kBarTitle));
  c.Frame(w, b1, kTitledButton, 0, {7, 7, 7, 7}, true);
  const TRect b2{150, 108, 271, 130};
  PaintGradient(w, b2, ParseGradient(kBarTitleHot));
  c.Frame(w, b2, kTitledButton, 0, {7, 7, 7, 7}, true);
  const TRect b3{20, 138, 100, 160};
  PaintGradient(w, b3, ParseGradient(kButtonGradient));
  c.Frame(w, b3, kButton, 0, {6, 6, 6, 6}, true);
  const TRect b4{108, 138, 188, 160};
  PaintGradient(w, b4, ParseGradient(kButtonHot));
  c.Frame(w, b4, kButton, 1, {6, 6, 6, 6}, true);
  // Check boxes and radio buttons in their states.
  for (int s = 0; s < 3; ++s) {
    c.Glyph(w, 20 + 20 * s, 168, kBoxUnchecked, s);
    c.Glyph(w, 90 + 20 * s, 168, kBoxChecked, s);
    c.Glyph(w, 160 + 20 * s, 168, kRadioUnchecked, s);
    c.Glyph(w, 230 + 20 * s, 168, kRadioChecked, s);
  }
  // The inactive title below the window.
  const TRect inactive{0, 198, 300, 220};
  PaintGradient(w, inactive, ParseGradient(kTitleInactive));
  c.Frame(w, inactive, kTitleBar, 0, {14, 18, 14, 18}, false);
  c.Glyph(w, 300 - 3 - 18, 200, kCloseButton, 0);
  return w;
}

const char kSilverToWhite[] = "12632256;16777215;110;0;0;16777215;16777215;0;0;0";
const char kWhiteToSilver[] = "16777215;12632256;110;0;0;12632256;12632256;0;0;0";
const char kGreyPanel[] = "13816530;11579568;110;0;0;11579568;11579568;0;0;0";
const char kBigButtonGradient[] =
    "12632256;15851729;0;0;0;15851729;7428938;12;0;0;7428938;7162680;23;0;0;7162680;12953997;74;"
    "0;0;12953997;12953997;0;0;0";
const char kProgress[] =
    "15592167;8759727;36;0;0;8759727;4032941;7;0;0;4032941;4385023;26;0;0;4385023;8451583;31;0;"
    "0;8451583;8451583;0;0;0";
const char kHint[] =
    "8437446;9695999;24;2;0;9695999;11466239;24;2;0;11466239;14089215;24;2;0;14089215;11466239;"
    "24;2;0;11466239;11466239;0;2;0";

// The other controls of the skin on a grey panel: tool bar buttons, big
// buttons, a progress bar, a track bar, a group box, tabs, a combo box, a hint.
Bitmap24 Gallery(const Bitmap24& master) {
  const Composer c(master);
  Bitmap24 g(300, 220);
  PaintGradient(g, {0, 0, 300, 220}, ParseGradient(kGreyPanel));
  for (int s = 0; s < 3; ++s) {
    // Flat buttons: see-through until the mouse comes.
    const TRect speed{10 + 62 * s, 8, 66 + 62 * s, 32};
    if (s > 0) PaintGradient(g, speed, ParseGradient(kSilverToWhite));
    c.Frame(g, speed, kSpeedButton, s, {9, 8, 9, 8}, true);
    const TRect tool{10 + 62 * s, 38, 66 + 62 * s, 62};
    if (s > 0) PaintGradient(g, tool, ParseGradient(kWhiteToSilver));
    c.Frame(g, tool, kToolButton, s, {9, 8, 9, 8}, true);
    const TRect big{10 + 62 * s, 70, 66 + 62 * s, 110};
    PaintGradient(g, big, ParseGradient(kBigButtonGradient));
    c.Frame(g, big, kBigButton, s, {12, 12, 12, 12}, true);
  }
  // A progress bar (framed by the hot button frame) and a track bar.
  const TRect progress{196, 12, 290, 30};
  PaintGradient(g, progress, ParseGradient(kProgress));
  c.Frame(g, progress, kButton, 1, {6, 6, 6, 6}, true);
  c.Frame(g, {196, 48, 290, 54}, kSliderChannel, 0, {2, 2, 2, 2}, true);
  for (int i = 0; i < 6; ++i) c.Glyph(g, 200 + 17 * i, 64, {91, 111, 93, 114, 1, 0}, 0);
  c.Glyph(g, 220, 40, kTrackThumb, 0);
  c.Glyph(g, 250, 40, kTrackThumb, 1);
  // A group box with a check box and two radio buttons.
  c.Frame(g, {10, 120, 150, 200}, kGroupBox, 0, {2, 2, 2, 2}, false);
  c.Glyph(g, 20, 130, kBoxChecked, 0);
  c.Glyph(g, 20, 150, kRadioChecked, 0);
  c.Glyph(g, 20, 170, kRadioUnchecked, 1);
  // Tabs, a combo box with its arrow and a hint.
  const TRect tab{160, 120, 220, 141};
  PaintGradient(g, tab, ParseGradient("15658734;13619151;99;0;0;13619151;13619151;0;0;0"));
  c.Frame(g, tab, kTitledButton, 0, {7, 7, 7, 7}, true);
  const TRect combo{160, 150, 290, 172};
  PaintGradient(g, combo, ParseGradient(kWhiteToSilver));
  c.Frame(g, combo, kEditFrame, 0, {3, 3, 3, 3}, false);
  c.Glyph(g, 290 - 3 - 19, 152, kComboArrow, 0);
  const TRect hint{160, 180, 290, 205};
  PaintGradient(g, hint, ParseGradient(kHint));
  c.Frame(g, hint, kThinFrame, 0, {1, 1, 1, 1}, false);
  c.Glyph(g, 226, 104, kGrip, 0);
  return g;
}

}  // namespace

Bitmap24 DrawPreview(const IndexedPicture& master, const IndexedPicture& buttonHuge) {
  const Bitmap24 masterPicture = ToBitmap(master);
  const Bitmap24 hugePicture = ToBitmap(buttonHuge);
  const Bitmap24 sample = SampleWindow(masterPicture);
  const Bitmap24 gallery = Gallery(masterPicture);
  constexpr int kGap = 16;
  const int rightLeft = kGap + masterPicture.Width() * kMasterScale + kGap;
  const int sampleTop = kGap + hugePicture.Height() * 2 + kGap;
  const int galleryTop = sampleTop + sample.Height() * kSampleScale + kGap;
  const int width =
      rightLeft + std::max(hugePicture.Width() * 2, sample.Width() * kSampleScale) + kGap;
  const int height = std::max(kGap + masterPicture.Height() * kMasterScale,
                              galleryTop + gallery.Height() * kSampleScale) +
                     kGap;
  Bitmap24 out(width, height);
  out.Fill(kBackdrop);
  Enlarge(out, kGap, kGap, masterPicture, kMasterScale);
  for (const MaskPlace& m : kMasterPlaces) OutlinePlace(out, kGap, kGap, m, kMasterScale);
  Enlarge(out, rightLeft, kGap, hugePicture, 2);
  Enlarge(out, rightLeft, sampleTop, sample, kSampleScale);
  Enlarge(out, rightLeft, galleryTop, gallery, kSampleScale);
  return out;
}

}  // namespace au::art
