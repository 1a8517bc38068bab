#include "tools/artwork/palette_quantizer.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <vector>

namespace au::art {
namespace {

constexpr int kWhiteIndex = 0;
constexpr int kMagentaIndex = 1;
constexpr int kBlackIndex = 3;
constexpr std::size_t kFreeEntries = 253;
constexpr std::size_t kMostGreys = 96;

struct Weighted {
  std::array<int, 3> Channels{};  // red, green, blue
  std::int64_t Count = 0;
};

bool IsGrey(TColor c) {
  return RedOf(c) == GreenOf(c) && GreenOf(c) == BlueOf(c);
}
int Lightness(TColor c) {
  return 3 * RedOf(c) + 6 * GreenOf(c) + BlueOf(c);
}
int Distance(TColor a, TColor b) {
  const int dr = RedOf(a) - RedOf(b);
  const int dg = GreenOf(a) - GreenOf(b);
  const int db = BlueOf(a) - BlueOf(b);
  return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

// A box of colours, to be split at the median of its widest channel.
class Box {
 public:
  explicit Box(std::vector<Weighted> colors) : colors_(std::move(colors)) {}

  // How much splitting the box promises: its spread, weighted by its pixels;
  // -1 when it holds a single colour.
  std::int64_t Score() const {
    if (colors_.size() < 2) return -1;
    const std::int64_t range = Range(WidestChannel());
    return range * range * Pixels();
  }

  // Cuts where half the pixels lie below, keeping a colour on either side.
  Box Split() {
    const int ch = WidestChannel();
    std::stable_sort(colors_.begin(), colors_.end(), [ch](const Weighted& a, const Weighted& b) {
      return a.Channels[ch] < b.Channels[ch];
    });
    const std::int64_t half = Pixels() / 2;
    std::size_t cut = 1;
    std::int64_t below = colors_[0].Count;
    while (cut < colors_.size() - 1 && below < half) below += colors_[cut++].Count;
    Box upper(std::vector<Weighted>(colors_.begin() + std::ptrdiff_t(cut), colors_.end()));
    colors_.resize(cut);
    return upper;
  }

  // The mean colour; the mean of greys is a grey.
  TColor Mean() const {
    std::array<std::int64_t, 3> sum{};
    for (const Weighted& w : colors_)
      for (int ch = 0; ch < 3; ++ch) sum[ch] += std::int64_t(w.Channels[ch]) * w.Count;
    const std::int64_t pixels = Pixels();
    const auto mean = [&](int ch) { return int((sum[ch] + pixels / 2) / pixels); };
    return MakeColor(mean(0), mean(1), mean(2));
  }

 private:
  std::int64_t Pixels() const {
    std::int64_t n = 0;
    for (const Weighted& w : colors_) n += w.Count;
    return n;
  }
  int Range(int ch) const {
    const auto [lo, hi] = std::minmax_element(
        colors_.begin(), colors_.end(),
        [ch](const Weighted& a, const Weighted& b) { return a.Channels[ch] < b.Channels[ch]; });
    return hi->Channels[ch] - lo->Channels[ch];
  }
  int WidestChannel() const {
    int best = 0;
    for (int ch = 1; ch < 3; ++ch)
      if (Range(ch) > Range(best)) best = ch;
    return best;
  }

  std::vector<Weighted> colors_;
};

// At most `wanted` colours standing for `colors`: all of them when they fit,
// else the means of a median cut.
std::vector<TColor> Reduce(std::vector<Weighted> colors, std::size_t wanted) {
  std::vector<TColor> result;
  if (colors.empty() || wanted == 0) return result;
  if (colors.size() <= wanted) {
    for (const Weighted& w : colors)
      result.push_back(MakeColor(w.Channels[0], w.Channels[1], w.Channels[2]));
    return result;
  }
  std::vector<Box> boxes{Box(std::move(colors))};
  while (boxes.size() < wanted) {
    const auto best = std::max_element(boxes.begin(), boxes.end(), [](const Box& a, const Box& b) {
      return a.Score() < b.Score();
    });
    if (best->Score() < 0) break;
    Box upper = best->Split();
    boxes.push_back(std::move(upper));
  }
  for (const Box& b : boxes) result.push_back(b.Mean());
  return result;
}

}  // namespace

IndexedPicture QuantizeTo256Colors(const Bitmap24& picture) {
  std::map<TColor, std::int64_t> histogram;
  for (int y = 0; y < picture.Height(); ++y)
    for (int x = 0; x < picture.Width(); ++x) ++histogram[picture.Pixel(x, y)];

  std::vector<Weighted> greys;
  std::vector<Weighted> tints;
  for (const auto& [color, count] : histogram) {
    if (color == clWhite || color == clMagenta || color == clBlack) continue;
    const Weighted w{{RedOf(color), GreenOf(color), BlueOf(color)}, count};
    (IsGrey(color) ? greys : tints).push_back(w);
  }
  std::vector<TColor> colors = Reduce(std::move(greys), kMostGreys);
  const std::vector<TColor> tinted = Reduce(std::move(tints), kFreeEntries - colors.size());
  colors.insert(colors.end(), tinted.begin(), tinted.end());
  // Entries the picture does not need become greys, so the palette is complete.
  for (int level = 1; colors.size() < kFreeEntries; ++level) {
    const TColor grey = MakeColor(level, level, level);
    if (std::find(colors.begin(), colors.end(), grey) == colors.end()) colors.push_back(grey);
  }
  std::stable_sort(colors.begin(), colors.end(), [](TColor a, TColor b) {
    if (IsGrey(a) != IsGrey(b)) return IsGrey(a);
    return Lightness(a) != Lightness(b) ? Lightness(a) < Lightness(b) : a < b;
  });

  IndexedPicture out;
  out.Width = picture.Width();
  out.Height = picture.Height();
  out.Palette[kWhiteIndex] = clWhite;
  out.Palette[kMagentaIndex] = clMagenta;
  out.Palette[kBlackIndex] = clBlack;
  std::size_t next = 0;
  for (int i = 0; i < 256; ++i)
    if (i != kWhiteIndex && i != kMagentaIndex && i != kBlackIndex) out.Palette[i] = colors[next++];

  std::map<TColor, std::uint8_t> nearest;
  for (const auto& [color, count] : histogram) {
    int best = color == clMagenta ? kMagentaIndex : kWhiteIndex;
    const bool grey = IsGrey(color);
    for (int i = 0; i < 256 && color != clMagenta; ++i) {
      if (i == kMagentaIndex || (grey && !IsGrey(out.Palette[i]))) continue;
      if (Distance(out.Palette[i], color) < Distance(out.Palette[best], color)) best = i;
    }
    nearest[color] = static_cast<std::uint8_t>(best);
  }
  out.Indexes.reserve(std::size_t(out.Width) * out.Height);
  for (int y = 0; y < picture.Height(); ++y)
    for (int x = 0; x < picture.Width(); ++x) out.Indexes.push_back(nearest[picture.Pixel(x, y)]);
  return out;
}

}  // namespace au::art
