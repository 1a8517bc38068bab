// Hue and saturation changes applied to a freshly loaded skin.
#pragma once

#include <cstdint>

#include "skin/skin_records.h"

namespace au {

// Rotates the hue of every skin colour by `degrees`: the pixels of the master
// bitmap and of the masks' own pictures (magenta and grey pixels stay), the
// section colours, font colours that are set, gradient colours and the window
// shadow colour. Pattern pictures, shadow and border colours are left alone.
void ApplyHueOffset(SkinRecords& records, std::int32_t degrees);

// The same colours, moved away from grey (positive) or towards it (negative).
void ApplySaturation(SkinRecords& records, std::int32_t saturation);

// The ScaleSaturation amount for a Saturation setting: its negation modulo
// 101, with the sign of the dividend (100 gives -100).
std::int32_t SaturationAmount(std::int32_t saturation);

}  // namespace au
