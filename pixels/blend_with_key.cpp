#include "pixels/blend_with_key.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "pixels/rounding.h"

namespace au {
namespace {

// From this many channel values on, working out all 65 536 answers first and
// looking them up is cheaper than the real arithmetic per channel.
constexpr std::int64_t kTableFrom = 1 << 16;

struct Span {
  int FirstColumn;
  int FirstRow;
  int LastRow;
  int Count;  // pixels per row
  int DestX;  // destination of the first column
  int DestY;  // destination of the first row
};

template <class Mix>
void BlendRows(Bitmap24& destination, const Bitmap24& source, const Span& span, TColor key,
               const Mix& mix) {
  const bool keyed = HasColorKey(key);
  const std::uint8_t keyBlue = BlueOf(key);
  const std::uint8_t keyGreen = GreenOf(key);
  const std::uint8_t keyRed = RedOf(key);
  for (int row = span.FirstRow; row <= span.LastRow; ++row) {
    const std::uint8_t* s = source.Row(row) + 3 * span.FirstColumn;
    std::uint8_t* d = destination.Row(span.DestY + row - span.FirstRow) + 3 * span.DestX;
    for (int i = 0; i < span.Count; ++i, s += 3, d += 3) {
      if (keyed && s[0] == keyBlue && s[1] == keyGreen && s[2] == keyRed) continue;
      d[0] = mix(s[0], d[0]);
      d[1] = mix(s[1], d[1]);
      d[2] = mix(s[2], d[2]);
    }
  }
}

}  // namespace

void BlendWithKey(Bitmap24& destination, int destX, int destY, TColor key, double factor, TRect r,
                  const Bitmap24& source) {
  if (r.Left < 0) {
    destX -= r.Left;
    r.Left = 0;
  }
  if (r.Top < 0) {
    destY -= r.Top;
    r.Top = 0;
  }
  r.Right = std::min(r.Right, source.Width() - 1);
  r.Bottom = std::min(r.Bottom, source.Height() - 1);

  // Only the columns and rows that land inside the destination.
  const int firstColumn = std::max(r.Left, r.Left - destX);
  const int lastColumn = std::min(r.Right, r.Left - destX + destination.Width() - 1);
  const int firstRow = std::max(r.Top, r.Top - destY);
  const int lastRow = std::min(r.Bottom, r.Top - destY + destination.Height() - 1);
  if (firstColumn > lastColumn || firstRow > lastRow) return;
  const Span span{firstColumn,
                  firstRow,
                  lastRow,
                  lastColumn - firstColumn + 1,
                  destX + firstColumn - r.Left,
                  destY + firstRow - r.Top};

  const auto exact = [factor](int s, int d) { return RoundToByte(s - factor * (s - d)); };
  if (3 * std::int64_t(span.Count) * (lastRow - firstRow + 1) < kTableFrom) {
    BlendRows(destination, source, span, key, exact);
    return;
  }
  std::vector<std::uint8_t> table(256 * 256);
  for (int s = 0; s < 256; ++s)
    for (int d = 0; d < 256; ++d) table[s << 8 | d] = exact(s, d);
  BlendRows(destination, source, span, key, [&table](int s, int d) { return table[s << 8 | d]; });
}

}  // namespace au
