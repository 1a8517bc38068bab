#include "paint/masks/mask_pieces.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

namespace au {
namespace {

// A half-open run of pixel indexes.
struct Run {
  std::int64_t Begin = 0;
  std::int64_t End = 0;
  bool Empty() const { return Begin >= End; }
};

// Which of the `length` pixels from `start` on lie inside 0 .. limit - 1,
// counted from `start`.
Run Inside(std::int64_t start, std::int64_t length, std::int64_t limit) {
  return {std::max<std::int64_t>(0, -start), std::min(length, limit - start)};
}

Run Intersect(Run a, Run b) {
  return {std::max(a.Begin, b.Begin), std::min(a.End, b.End)};
}

struct Bgr {
  std::uint8_t B = 0;
  std::uint8_t G = 0;
  std::uint8_t R = 0;
};

Bgr BytesOf(TColor c) {
  return {BlueOf(c), GreenOf(c), RedOf(c)};
}

// What every span of one drawing shares.
struct SpanContext {
  Bgr Key;
  Bgr Fill;
  const TCacheInfo* Parent = nullptr;
  std::ptrdiff_t WeightOffset = 0;  // bytes from a piece pixel to its weight
};

// The parent pixels behind one span of target pixels: span pixel i has one
// when Begin <= i < End, at First + 3 * (i - Begin).
struct SpanParent {
  const std::uint8_t* First = nullptr;
  std::int64_t Begin = 0;
  std::int64_t End = 0;
};

SpanParent ParentBehind(const TCacheInfo& cache, std::int64_t x, std::int64_t y,
                        std::int64_t count) {
  const Bitmap24& parent = *cache.Bitmap;
  const std::int64_t parentY = cache.Y + y;
  if (parentY < 0 || parentY >= parent.Height()) return {};
  const std::int64_t parentX = cache.X + x;
  const Run run = Inside(parentX, count, parent.Width());
  if (run.Empty()) return {};
  return {parent.Row(static_cast<int>(parentY)) + 3 * (parentX + run.Begin), run.Begin, run.End};
}

// (D - P) * M + P * 256 is D * M + P * (256 - M), which lies in 0 .. 255 * 256
// for bytes D, P and M: it fits 16 bits unsigned, and the shifted value is a
// byte without clamping.
inline std::uint8_t Weigh(unsigned d, unsigned p, unsigned m) {
  return static_cast<std::uint8_t>(static_cast<std::uint16_t>(d * m + p * (256 - m)) >> 8);
}

// What becomes of the pixels that are not the key.
enum class Others : std::uint8_t { Copied, Weighted, Kept };

template <KeyRule Rule, Others Rest>
void DrawSpan(std::uint8_t* d, const std::uint8_t* s, std::int64_t count,
              [[maybe_unused]] std::int64_t x, [[maybe_unused]] std::int64_t y,
              const SpanContext& c) {
  if constexpr (Rule == KeyRule::None && Rest == Others::Copied) {
    // A parent cache may be copied onto itself.
    std::memmove(d, s, static_cast<std::size_t>(3 * count));
  } else if constexpr (Rule == KeyRule::None) {
    static_assert(Rest == Others::Weighted, "without a key, keeping the others draws nothing");
    // Every channel alike: one pass over the bytes, which the compiler vectorises.
    const std::uint8_t* m = s + c.WeightOffset;
    for (std::int64_t i = 0; i < 3 * count; ++i) d[i] = Weigh(d[i], s[i], m[i]);
  } else {
    // With a key: its pixels first, then the others copied or weighted.
    [[maybe_unused]] SpanParent parent;
    if constexpr (Rule == KeyRule::Parent) parent = ParentBehind(*c.Parent, x, y, count);
    for (std::int64_t i = 0; i < count; ++i, d += 3, s += 3) {
      if (s[0] == c.Key.B && s[1] == c.Key.G && s[2] == c.Key.R) {
        if constexpr (Rule == KeyRule::Write) {
          d[0] = s[0];
          d[1] = s[1];
          d[2] = s[2];
        } else if constexpr (Rule == KeyRule::FillColor) {
          d[0] = c.Fill.B;
          d[1] = c.Fill.G;
          d[2] = c.Fill.R;
        } else if constexpr (Rule == KeyRule::Parent) {
          if (i >= parent.Begin && i < parent.End) {
            const std::uint8_t* p = parent.First + 3 * (i - parent.Begin);
            d[0] = p[0];
            d[1] = p[1];
            d[2] = p[2];
          }
        }
        continue;
      }
      if constexpr (Rest == Others::Weighted) {
        const std::uint8_t* m = s + c.WeightOffset;
        d[0] = Weigh(d[0], s[0], m[0]);
        d[1] = Weigh(d[1], s[1], m[1]);
        d[2] = Weigh(d[2], s[2], m[2]);
      } else if constexpr (Rest == Others::Copied) {
        d[0] = s[0];
        d[1] = s[1];
        d[2] = s[2];
      }
    }
  }
}

// One tiling, clipped: piece columns and rows inside the picture (counted in
// the piece), target columns and rows inside the target (absolute).
struct TileJob {
  const Piece& Source;
  const PixelArea& Area;
  Run PieceColumns;
  Run PieceRows;
  Run Columns;
  Run Rows;
};

template <KeyRule Rule, Others Rest>
void TileRows(Bitmap24& target, const TileJob& job, const SpanContext& context) {
  const Piece& piece = job.Source;
  const Bitmap24& source = *piece.Picture;
  const std::int64_t firstTile =
      job.Area.Left + (job.Columns.Begin - job.Area.Left) / piece.Width * piece.Width;
  std::int64_t row = (job.Rows.Begin - job.Area.Top) % piece.Height;
  for (std::int64_t y = job.Rows.Begin; y < job.Rows.End; ++y) {
    if (row >= job.PieceRows.Begin && row < job.PieceRows.End) {
      std::uint8_t* targetRow = target.Row(static_cast<int>(y));
      const std::uint8_t* sourceRow = source.Row(static_cast<int>(piece.Top + row));
      for (std::int64_t tile = firstTile; tile < job.Columns.End; tile += piece.Width) {
        const std::int64_t from = std::max(tile + job.PieceColumns.Begin, job.Columns.Begin);
        const std::int64_t to = std::min(tile + job.PieceColumns.End, job.Columns.End);
        if (from < to)
          DrawSpan<Rule, Rest>(targetRow + 3 * from, sourceRow + 3 * (piece.Left + from - tile),
                               to - from, from, y, context);
      }
    }
    if (++row == piece.Height) row = 0;
  }
}

template <Others Rest>
void TileWith(KeyRule rule, Bitmap24& target, const TileJob& job, const SpanContext& context) {
  switch (rule) {
    case KeyRule::None:
      if constexpr (Rest != Others::Kept) TileRows<KeyRule::None, Rest>(target, job, context);
      return;
    case KeyRule::Keep:
      // Key pixels keep the target too: nothing would change.
      if constexpr (Rest != Others::Kept) TileRows<KeyRule::Keep, Rest>(target, job, context);
      return;
    case KeyRule::Write:
      return TileRows<KeyRule::Write, Rest>(target, job, context);
    case KeyRule::Parent:
      return TileRows<KeyRule::Parent, Rest>(target, job, context);
    case KeyRule::FillColor:
      return TileRows<KeyRule::FillColor, Rest>(target, job, context);
  }
}

// The first of `count` stretched target pixels whose source pixel, out of
// `length`, is at least `index`: the least i with (2i + 1) * length >= 2 * index * count.
std::int64_t FirstMappedTo(std::int64_t index, std::int64_t length, std::int64_t count) {
  const std::int64_t numerator = 2 * index * count - length;
  if (numerator <= 0) return 0;
  return (numerator + 2 * length - 1) / (2 * length);
}

Run Mapped(Run source, std::int64_t length, std::int64_t count) {
  return {FirstMappedTo(source.Begin, length, count), FirstMappedTo(source.End, length, count)};
}

// Keeps the products of the stretch arithmetic far inside 64 bits.
constexpr std::int64_t kLargestStretch = std::int64_t{1} << 24;

}  // namespace

bool IsUsableCache(const TCacheInfo& cache) {
  return cache.Ready && cache.Bitmap != nullptr && !cache.Bitmap->Empty();
}

void TilePiece(Bitmap24& target, const Piece& piece, const PixelArea& area,
               const PieceStyle& style) {
  if (piece.Picture == nullptr || piece.Width <= 0 || piece.Height <= 0 || style.WeightRows < 0)
    return;
  const Bitmap24& source = *piece.Picture;
  const TileJob job{
      piece,
      area,
      Inside(piece.Left, piece.Width, source.Width()),
      Inside(piece.Top, piece.Height, source.Height() - style.WeightRows),
      {std::max<std::int64_t>(area.Left, 0), std::min<std::int64_t>(area.Right, target.Width())},
      {std::max<std::int64_t>(area.Top, 0), std::min<std::int64_t>(area.Bottom, target.Height())}};
  if (job.PieceColumns.Empty() || job.PieceRows.Empty() || job.Columns.Empty() || job.Rows.Empty())
    return;

  KeyRule rule = style.Rule;
  if (rule == KeyRule::Parent && (style.Parent == nullptr || !IsUsableCache(*style.Parent)))
    rule = KeyRule::Keep;
  const SpanContext context{BytesOf(style.Key), BytesOf(style.Fill), style.Parent,
                            static_cast<std::ptrdiff_t>(style.WeightRows) * source.Stride()};
  if (style.KeyPixelsOnly) {
    TileWith<Others::Kept>(rule, target, job, context);
  } else if (style.WeightRows > 0) {
    TileWith<Others::Weighted>(rule, target, job, context);
  } else {
    TileWith<Others::Copied>(rule, target, job, context);
  }
}

void StretchPiece(Bitmap24& target, const Piece& piece, const PixelArea& area) {
  const std::int64_t width = area.Right - area.Left;
  const std::int64_t height = area.Bottom - area.Top;
  if (piece.Picture == nullptr || piece.Width <= 0 || piece.Height <= 0 || width <= 0 ||
      height <= 0)
    return;
  if (std::max({piece.Width, piece.Height, width, height}) > kLargestStretch) return;
  const Bitmap24& source = *piece.Picture;
  // Offsets into the area of the pixels that are visible and whose source
  // pixel lies inside the picture.
  const Run columns =
      Intersect(Mapped(Inside(piece.Left, piece.Width, source.Width()), piece.Width, width),
                Inside(area.Left, width, target.Width()));
  const Run rows =
      Intersect(Mapped(Inside(piece.Top, piece.Height, source.Height()), piece.Height, height),
                Inside(area.Top, height, target.Height()));
  if (columns.Empty() || rows.Empty()) return;

  // Across a row the source column advances by width / n with a remainder,
  // kept as a fraction of 2n so that no pixel needs a division.
  const std::int64_t denominator = 2 * width;
  const std::int64_t wholeStep = piece.Width / width;
  const std::int64_t restStep = (2 * piece.Width) % denominator;
  const std::int64_t first = (2 * columns.Begin + 1) * piece.Width;
  for (std::int64_t j = rows.Begin; j < rows.End; ++j) {
    const std::int64_t sourceY = piece.Top + (2 * j + 1) * piece.Height / (2 * height);
    const std::uint8_t* sourceRow = source.Row(static_cast<int>(sourceY));
    std::uint8_t* d = target.Row(static_cast<int>(area.Top + j)) + 3 * (area.Left + columns.Begin);
    std::int64_t column = piece.Left + first / denominator;
    std::int64_t rest = first % denominator;
    for (std::int64_t i = columns.Begin; i < columns.End; ++i, d += 3) {
      const std::uint8_t* s = sourceRow + 3 * column;
      d[0] = s[0];
      d[1] = s[1];
      d[2] = s[2];
      column += wholeStep;
      rest += restStep;
      if (rest >= denominator) {
        rest -= denominator;
        ++column;
      }
    }
  }
}

std::optional<PlacedPiece> PlacePiece(const Bitmap24& target, const Piece& piece, std::int64_t x,
                                      std::int64_t y) {
  if (piece.Picture == nullptr) return std::nullopt;
  const Run columns = Intersect(Inside(piece.Left, piece.Width, piece.Picture->Width()),
                                Inside(x, piece.Width, target.Width()));
  const Run rows = Intersect(Inside(piece.Top, piece.Height, piece.Picture->Height()),
                             Inside(y, piece.Height, target.Height()));
  if (columns.Empty() || rows.Empty()) return std::nullopt;
  return PlacedPiece{
      {static_cast<int>(piece.Left + columns.Begin), static_cast<int>(piece.Top + rows.Begin),
       static_cast<int>(piece.Left + columns.End - 1), static_cast<int>(piece.Top + rows.End - 1)},
      {static_cast<int>(x + columns.Begin), static_cast<int>(y + rows.Begin)}};
}

}  // namespace au
