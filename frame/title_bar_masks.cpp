#include "frame/title_bar_masks.h"

#include "frame/caption_buttons.h"

namespace au {
namespace {

constexpr char kGlobalInfo[] = "GLOBALINFO";

}  // namespace

void LookUpTitleBarMasks(const TsSkinManager& manager, int windowSection,
                         std::string_view windowSectionName, TFormBorderStyle style,
                         TitleBarMaskIndexes& masks) {
  const int global = manager.SectionIndex(kGlobalInfo);
  if (global < 0) return;
  const auto globalMask = [&](std::string_view property) {
    return manager.MaskIndex(global, kGlobalInfo, property);
  };
  const auto useBig = [&] {
    masks.Close = globalMask("BICONCLOSE");
    masks.Minimize = globalMask("BICONMIN");
    masks.Maximize = globalMask("BICONMAX");
    masks.Help = globalMask("BICONHELP");
  };

  masks.Close = globalMask("BICONCLOSE");
  if (!manager.IsValidMaskIndex(masks.Close)) {
    const auto formMask = [&](std::string_view property) {
      return manager.MaskIndex(windowSection, "FORM", property);
    };
    masks.Minimize = formMask("BICONMIN");
    masks.Maximize = formMask("BICONMAX");
    masks.Close = formMask("BICONCLOSE");
    masks.Help = formMask("BICONHELP");
  } else if (style == TFormBorderStyle::bsNone || style == TFormBorderStyle::bsDialog) {
    masks.Close = globalMask("SICONCLOSE");
    masks.Minimize = globalMask("SICONMIN");
    masks.Maximize = globalMask("SICONMAX");
    masks.Help = globalMask("BICONHELP");
    if (!manager.IsValidMaskIndex(masks.Close)) useBig();
  } else {
    useBig();
  }

  masks.Normal = globalMask("BICONNORM");
  if (!manager.IsValidMaskIndex(masks.Normal)) {
    masks.Normal = manager.MaskIndex(windowSection, windowSectionName, "BICONNORM");
  }
  masks.TitleButton = globalMask("TITLEBUTTON");
  if (!manager.IsValidMaskIndex(masks.TitleButton)) {
    masks.TitleButton = manager.MaskIndex(windowSection, windowSectionName, "TITLEBUTTON");
  }
}

int ButtonImageWidth(const TsSkinManager& manager, int maskIndex) {
  if (!manager.IsValidMaskIndex(maskIndex)) return kDefaultButtonSize;
  const TsMaskData& mask = manager.Masks()[static_cast<size_t>(maskIndex)];
  if (mask.ImageCount <= 0) return kDefaultButtonSize;
  const int width = mask.Image ? mask.Image->Width() : mask.Rect.Width();
  return width / mask.ImageCount;
}

int CaptionButtonHeight(const TsSkinManager& manager, int closeMask) {
  if (!manager.IsValidMaskIndex(closeMask)) return kDefaultButtonSize;
  const TsMaskData& mask = manager.Masks()[static_cast<size_t>(closeMask)];
  if (mask.Image) return mask.Image->Height() / 2;
  return mask.Rect.Height() / (mask.MaskType + 1 > 0 ? mask.MaskType + 1 : 1);
}

}  // namespace au
