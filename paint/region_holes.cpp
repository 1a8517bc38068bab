#include "paint/region_holes.h"

#include <algorithm>
#include <cstdint>

#include "paint/masks/state_images.h"

namespace au {
namespace {

// Adds the magenta runs of one row between image columns [from, to) (already
// clipped to the picture), shifted by `shift` into window columns.
void AddRuns(std::vector<TRect>& holes, const std::uint8_t* row, std::int64_t imageLeft,
             std::int64_t from, std::int64_t to, std::int64_t shift, int y) {
  const auto addHole = [&](std::int64_t first, std::int64_t end) {
    holes.push_back({static_cast<int>(first + shift), y, static_cast<int>(end + shift), y + 1});
  };
  std::int64_t start = -1;
  const std::uint8_t* p = row + 3 * (imageLeft + from);
  for (std::int64_t x = from; x < to; ++x, p += 3) {
    const bool magenta = p[0] == 0xFF && p[1] == 0x00 && p[2] == 0xFF;
    if (magenta && start < 0) start = x;
    if (!magenta && start >= 0) {
      addHole(start, x);
      start = -1;
    }
  }
  if (start >= 0) addHole(start, to);
}

}  // namespace

void AddCornerHoles(std::vector<TRect>& holes, const TsMaskData& mask, const CornerWidths& widths,
                    bool bottom, int y, int windowWidth) {
  const std::optional<StateImage> image = StateImageOf(mask, 0);
  if (!image) return;
  const Bitmap24& picture = *image->Picture;
  const std::int64_t width = image->Width;
  const std::int64_t rows = std::clamp<std::int64_t>(widths.Top, 0, image->Height);
  const std::int64_t firstRow = bottom ? image->Height - rows : 0;
  const std::int64_t left = std::clamp<std::int64_t>(widths.Left, 0, width);
  const std::int64_t right = std::clamp<std::int64_t>(widths.Right, 0, width);
  // Columns of the state image that lie inside the picture.
  const std::int64_t visibleFrom = std::max<std::int64_t>(0, -image->Left);
  const std::int64_t visibleTo = std::min<std::int64_t>(width, picture.Width() - image->Left);
  const auto clip = [&](std::int64_t from, std::int64_t to, std::int64_t& a, std::int64_t& b) {
    a = std::max(from, visibleFrom);
    b = std::min(to, visibleTo);
    return a < b;
  };
  std::int64_t leftFrom = 0, leftTo = 0, rightFrom = 0, rightTo = 0;
  const bool scanLeft = clip(0, left, leftFrom, leftTo);
  const bool scanRight = clip(width - right, width, rightFrom, rightTo);
  for (std::int64_t r = 0; r < rows; ++r) {
    const std::int64_t pictureRow = image->Top + firstRow + r;
    if (pictureRow < 0 || pictureRow >= picture.Height()) continue;
    const std::uint8_t* row = picture.Row(static_cast<int>(pictureRow));
    const int windowRow = y + static_cast<int>(r);
    if (scanLeft) AddRuns(holes, row, image->Left, leftFrom, leftTo, 0, windowRow);
    if (scanRight) {
      AddRuns(holes, row, image->Left, rightFrom, rightTo, windowWidth - width, windowRow);
    }
  }
}

UniqueRegion MakeWindowShape(int width, int height, const std::vector<TRect>& holes) {
  UniqueRegion shape(CreateRectRgn(0, 0, width, height));
  if (!shape) return shape;
  for (const TRect& hole : holes) {
    UniqueRegion cut(CreateRectRgn(hole.Left, hole.Top, hole.Right, hole.Bottom));
    if (cut) CombineRgn(shape.Get(), shape.Get(), cut.Get(), RGN_DIFF);
  }
  return shape;
}

}  // namespace au
