#include "tools/skin_designs/skin_design.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

#include "pixels/bmp_file.h"
#include "tools/jpeg_writer/jpeg_writer.h"

namespace au::design {

std::string Gradient(std::initializer_list<GradientStep> steps) {
  std::string text;
  for (const GradientStep& step : steps) {
    if (!text.empty()) text += ";";
    text += std::to_string(step.From) + ";" + std::to_string(step.To) + ";" +
            std::to_string(step.Percent) + ";" + std::to_string(step.Mode) + ";0";
  }
  return text;
}

SkinDesign::SkinDesign(int masterWidth, std::string hexPrefix)
    : hexPrefix_(std::move(hexPrefix)), width_(masterWidth) {}

std::string SkinDesign::Colour(TColor colour) const {
  if (hexPrefix_.empty()) return std::to_string(colour);
  char digits[16];
  std::snprintf(digits, sizeof(digits), "%06X", static_cast<unsigned>(colour));
  return hexPrefix_ + digits;
}

OptionsText::Section& SkinDesign::GlobalInformation(std::string_view description,
                                                    WindowShadow shadow) {
  return Section("GLOBALINFO")
      .Add("VERSION", "4.81")
      .Add("AUTHOR", "The AnsiUtf8 developers")
      .Add("DESCRIPTION", description)
      .Add("SHADOW1COLOR", Colour(shadow.Colour))
      .Add("SHADOW1OFFSET", std::to_string(shadow.Offset))
      .Add("SHADOW1BLUR", std::to_string(shadow.Blur))
      .Add("SHADOW1TRANSPARENCY", std::to_string(shadow.Transparency));
}

OptionsText::Section& SkinDesign::Section(std::string_view name) {
  OptionsText& options = content_.Options;
  if (const std::optional<std::size_t> index = options.IndexOf(name)) return options.At(*index);
  return options.AddSection(name);
}

TRect SkinDesign::Pack(const Piece& piece) {
  const Bitmap24& picture = piece.Board.Picture();
  if (picture.Width() > width_)
    throw std::invalid_argument("a piece is wider than the master picture");
  if (x_ + picture.Width() > width_) {
    x_ = 0;
    y_ += rowHeight_;
    rowHeight_ = 0;
  }
  const TRect where{x_, y_, x_ + picture.Width(), y_ + picture.Height()};
  packed_.push_back({where, picture.Clone()});
  x_ += picture.Width();
  rowHeight_ = std::max(rowHeight_, picture.Height());
  return where;
}

std::string SkinDesign::AddBmp(std::string fileName, const Bitmap24& picture) {
  return content_.AddPicture(std::move(fileName), EncodeBmp24(picture));
}

std::string SkinDesign::AddJpeg(std::string fileName, const Bitmap24& picture, int quality) {
  return content_.AddPicture(std::move(fileName), EncodeJpeg(picture, {.Quality = quality}));
}

kit::SkinFolderContent SkinDesign::Finish() {
  Bitmap24 master(width_, y_ + rowHeight_);
  master.Fill(clMagenta);
  for (const Packed& p : packed_) {
    for (int y = 0; y < p.Picture.Height(); ++y)
      for (int x = 0; x < p.Picture.Width(); ++x)
        master.SetPixel(p.Where.Left + x, p.Where.Top + y, p.Picture.Pixel(x, y));
  }
  Section("GLOBALINFO").Add("MASTERBITMAP", AddBmp("MASTER.BMP", master));
  return std::move(content_);
}

}  // namespace au::design
