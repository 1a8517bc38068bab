#include "tools/skinkit/image_entry_text.h"

#include <cstdio>
#include <stdexcept>

#include "skin/ansi_text.h"
#include "skin/skin_pictures.h"

namespace au::kit {
namespace {

// A number in a field of `digits` characters, zero-filled; the loader reads
// leading zeros as decimal.
std::string Field(int value, int digits, const char* what) {
  const int limit = digits == 1 ? 9 : (digits == 2 ? 99 : 9999);
  if (value < 0 || value > limit)
    throw std::invalid_argument(std::string(what) + " " + std::to_string(value) +
                                " does not fit its " + std::to_string(digits) + "-character field");
  char text[8];
  std::snprintf(text, sizeof(text), "%0*d", digits, value);
  return text;
}

std::string Corners(const TRect& r) {
  return Field(r.Left, 4, "left") + "," + Field(r.Top, 4, "top") + "," +
         Field(r.Right, 4, "right") + "," + Field(r.Bottom, 4, "bottom");
}

void RequireBmpName(std::string_view fileName, bool upperCaseExtension) {
  const bool named =
      upperCaseExtension ? Contains(fileName, ".BMP") : Contains(UpperCase(fileName), ".BMP");
  if (!named || fileName.find_first_of("!#") != std::string_view::npos)
    throw std::invalid_argument("'" + std::string(fileName) + "' cannot name a picture here");
}

}  // namespace

std::string GlyphEntry(const TRect& rect, int imageCount, int maskType) {
  return "@" + Corners(rect) + "," + Field(imageCount, 1, "image count") + "," +
         Field(maskType, 1, "mask type");
}

std::string BorderEntry(const TRect& rect, const BorderWidths& widths, int imageCount, int maskType,
                        int stretchMode, int borderWidth) {
  return "^" + Corners(rect) + "," + Field(widths.Left, 4, "width") + "," +
         Field(widths.Top, 4, "width") + "," + Field(widths.Right, 4, "width") + "," +
         Field(widths.Bottom, 4, "width") + "," + Field(imageCount, 1, "image count") + "," +
         Field(maskType, 1, "mask type") + "," + Field(stretchMode, 1, "stretch mode") + "," +
         Field(borderWidth, 1, "border width");
}

std::string TextureEntry(const TRect& rect, int stretchMode, int maskType) {
  return "~" + Corners(rect) + "," + Field(stretchMode, 2, "stretch mode") + "," +
         Field(maskType, 1, "mask type");
}

std::string OwnPictureEntry(std::string_view fileName, int imageCount, int maskType,
                            TacImgType imgType, std::optional<BorderWidths> widths) {
  RequireBmpName(fileName, true);
  std::string value = "!" + std::string(fileName) + "!" + std::to_string(imageCount) + "!" +
                      std::to_string(maskType) + "!" + std::to_string(int{imgType});
  if (widths) {
    for (const int w : {widths->Left, widths->Top, widths->Right, widths->Bottom})
      value += "!" + std::to_string(w);
  }
  return value;
}

std::string PlainPictureEntry(std::string_view fileName) {
  RequireBmpName(fileName, false);
  return std::string(fileName);
}

std::string RectangleEntry(const TRect& rect, int imageCount, int maskType,
                           std::optional<int> borderWidth, std::optional<int> stretchMode) {
  if (stretchMode && !borderWidth)
    throw std::invalid_argument("a stretch mode needs a border width before it");
  std::string value = "#(" + std::to_string(rect.Left) + "," + std::to_string(rect.Top) + "," +
                      std::to_string(rect.Right) + "," + std::to_string(rect.Bottom) + ")(" +
                      std::to_string(imageCount) + "," + std::to_string(maskType);
  if (borderWidth) value += "," + std::to_string(*borderWidth);
  if (stretchMode) value += "," + std::to_string(*stretchMode);
  return value + ")";
}

bool ReadsAsPicture(std::string_view value) {
  if (!value.empty() && std::string_view("@^~!").find(value.front()) != std::string_view::npos)
    return true;
  const std::string upper = UpperCase(value);
  if (Contains(value, "#")) return value != "#";
  return Contains(upper, ".BMP") || NamesJpegFile(upper);
}

}  // namespace au::kit
