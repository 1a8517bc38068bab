// What every skin of our own is put together with: a master picture that the
// images are packed into as they are drawn, the options file, the pictures of
// their own, and the spelling of colours and gradients in the options file.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "pixels/bitmap24.h"
#include "pixels/rect.h"
#include "tools/artwork/art_board.h"
#include "tools/skinkit/skin_folder_writer.h"

namespace au::design {

using art::ArtBoard;
using art::FrameBorders;
using art::Layer;
using art::MaskPlace;
using kit::OptionsText;

// One picture of state images, drawn on its own and then packed into the
// master picture (or saved as a picture of its own).
struct Piece {
  Piece(int stateWidth, int stateHeight, int imageCount, int maskType)
      : Place{0, 0, stateWidth * imageCount, stateHeight * (maskType + 1), imageCount, maskType},
        Board(Place.Right, Place.Bottom) {}

  Layer NewLayer() const { return Place.NewLayer(); }
  int Count() const { return Place.ImageCount; }
  int MaskType() const { return Place.MaskType; }

  MaskPlace Place;
  ArtBoard Board;  // magenta until drawn on
};

// A step of a gradient description: from `from` to `to` over `percent` of
// the extent, in `mode` (0 top to bottom, 1 left to right, 2 four triangles).
struct GradientStep {
  TColor From;
  TColor To;
  int Percent;
  int Mode;
};
std::string Gradient(std::initializer_list<GradientStep> steps);

// The window shadow of GLOBALINFO, as the options file writes it.
struct WindowShadow {
  TColor Colour = 0;
  int Offset = 0;
  int Blur = -1;  // none
  int Transparency = 0;
};

class SkinDesign {
 public:
  // `masterWidth` is the width of the master picture; its height grows with
  // the pieces packed into it. Colours are written in decimal, or in
  // hexadecimal after `hexPrefix` ("$" or "0x"; the loader reads all three).
  explicit SkinDesign(int masterWidth, std::string hexPrefix = "");

  OptionsText::Section& Section(std::string_view name);
  std::string Colour(TColor colour) const;

  // GLOBALINFO with the skin's version, authors, description and shadow.
  OptionsText::Section& GlobalInformation(std::string_view description, WindowShadow shadow);

  // Where a piece lands in the master picture: pieces go left to right in
  // rows as high as their highest piece.
  TRect Pack(const Piece& piece);

  // A picture of its own, as a 24-bit BMP or a JPEG file; returns its name.
  std::string AddBmp(std::string fileName, const Bitmap24& picture);
  std::string AddJpeg(std::string fileName, const Bitmap24& picture, int quality);

  // Writes the master picture as MASTER.BMP (named in GLOBALINFO) and hands
  // over the folder's content.
  kit::SkinFolderContent Finish();

 private:
  kit::SkinFolderContent content_;
  std::string hexPrefix_;
  int width_;
  int x_ = 0;
  int y_ = 0;
  int rowHeight_ = 0;
  struct Packed {
    TRect Where;
    Bitmap24 Picture;
  };
  std::vector<Packed> packed_;
};

}  // namespace au::design
