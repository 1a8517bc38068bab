#include "tools/skinkit/section_keys.h"

#include <iterator>
#include <optional>
#include <string>

#include "pixels/color.h"
#include "skin/ansi_text.h"
#include "tools/skinkit/image_entry_text.h"

namespace au::kit {
namespace {

// How the loader reads a key: an inherited integer (a written -1 counts as not
// given), COLOR (inherited, and a system colour is resolved), an inherited
// text ("?" counts as not given), or an integer that is never inherited.
enum class ValueKind { Integer, Colour, Text, Own };

struct FieldRule {
  const char* Key;
  const char* Field;
  ValueKind Kind;
  std::string (*Value)(const TsGeneralData&);
};

std::string Flag(bool value) {
  return value ? "TRUE" : "FALSE";
}

#define AU_NUMBER(expr) [](const TsGeneralData& s) { return std::to_string(expr); }
#define AU_FLAG(expr) [](const TsGeneralData& s) { return Flag(expr); }
#define AU_TEXT(expr) [](const TsGeneralData& s) { return std::string(expr); }
constexpr FieldRule kRules[] = {
    {"COLOR", "Color", ValueKind::Colour, AU_NUMBER(s.Color)},
    {"BEVEL", "Bevel", ValueKind::Integer, AU_NUMBER(int{s.Bevel})},
    {"SHADOWBLUR", "ShadowBlur", ValueKind::Integer, AU_NUMBER(s.ShadowBlur)},
    {"SHADOWOFFSET", "ShadowOffset", ValueKind::Integer, AU_NUMBER(s.ShadowOffset)},
    {"SHADOWCOLOR", "ShadowColor", ValueKind::Own, AU_NUMBER(s.ShadowColor)},
    {"SHADOWTRANSPARENCY", "ShadowTransparency", ValueKind::Integer,
     AU_NUMBER(s.ShadowTransparency)},
    {"SHADOWENABLED", "ShadowEnabled", ValueKind::Text, AU_FLAG(s.ShadowEnabled)},
    {"RESERVEDBOOLEAN", "ReservedBoolean", ValueKind::Text, AU_FLAG(s.ReservedBoolean)},
    {"FONTCOLOR", "FontColor", ValueKind::Integer, AU_NUMBER(s.FontColor[0])},
    {"TCLEFT", "FontColor", ValueKind::Integer, AU_NUMBER(s.FontColor[1])},
    {"TCTOP", "FontColor", ValueKind::Integer, AU_NUMBER(s.FontColor[2])},
    {"TCRIGHT", "FontColor", ValueKind::Integer, AU_NUMBER(s.FontColor[3])},
    {"TCBOTTOM", "FontColor", ValueKind::Integer, AU_NUMBER(s.FontColor[4])},
    {"HOTFONTCOLOR", "HotFontColor", ValueKind::Integer, AU_NUMBER(s.HotFontColor[0])},
    {"HOTTCLEFT", "HotFontColor", ValueKind::Integer, AU_NUMBER(s.HotFontColor[1])},
    {"HOTTCTOP", "HotFontColor", ValueKind::Integer, AU_NUMBER(s.HotFontColor[2])},
    {"HOTTCRIGHT", "HotFontColor", ValueKind::Integer, AU_NUMBER(s.HotFontColor[3])},
    {"HOTTCBOTTOM", "HotFontColor", ValueKind::Integer, AU_NUMBER(s.HotFontColor[4])},
    {"TRANSPARENCY", "Transparency", ValueKind::Integer, AU_NUMBER(s.Transparency)},
    {"GRADIENTPERCENT", "GradientPercent", ValueKind::Integer, AU_NUMBER(s.GradientPercent)},
    {"IMAGEPERCENT", "ImagePercent", ValueKind::Integer, AU_NUMBER(s.ImagePercent)},
    {"GRADIENTDATA", "GradientData", ValueKind::Text, AU_TEXT(s.GradientData)},
    {"SHOWFOCUS", "ShowFocus", ValueKind::Text, AU_FLAG(s.ShowFocus)},
    {"FADINGENABLED", "FadingEnabled", ValueKind::Text, AU_FLAG(s.FadingEnabled)},
    {"FADINGINTERVALIN", "FadingIntervalIn", ValueKind::Integer, AU_NUMBER(s.FadingIntervalIn)},
    {"FADINGINTERVALOUT", "FadingIntervalOut", ValueKind::Integer, AU_NUMBER(s.FadingIntervalOut)},
    {"FADINGITERATIONS", "FadingIterations", ValueKind::Integer, AU_NUMBER(s.FadingIterations)},
    {"HOTCOLOR", "HotColor", ValueKind::Integer, AU_NUMBER(s.HotColor)},
    {"HOTTRANSPARENCY", "HotTransparency", ValueKind::Integer, AU_NUMBER(s.HotTransparency)},
    {"HOTBEVEL", "HotBevel", ValueKind::Integer, AU_NUMBER(int{s.HotBevel})},
    {"HOTGRADIENTPERCENT", "HotGradientPercent", ValueKind::Integer,
     AU_NUMBER(s.HotGradientPercent)},
    {"HOTGRADIENTDATA", "HotGradientData", ValueKind::Text, AU_TEXT(s.HotGradientData)},
    {"HOTIMAGEPERCENT", "HotImagePercent", ValueKind::Integer, AU_NUMBER(s.HotImagePercent)},
    {"BORDERCOLOR1", "BorderColor1", ValueKind::Integer, AU_NUMBER(s.BorderColor1)},
    {"BORDERCOLOR2", "BorderColor2", ValueKind::Integer, AU_NUMBER(s.BorderColor2)},
};
#undef AU_NUMBER
#undef AU_FLAG
#undef AU_TEXT
constexpr std::size_t kRuleCount = std::size(kRules);

using FieldValues = std::vector<std::string>;  // one per rule, as the loader reads it

FieldValues ValuesOf(const TsGeneralData& section) {
  FieldValues values;
  for (const FieldRule& rule : kRules) values.push_back(rule.Value(section));
  return values;
}

// Why a text value would not read back as itself, or nothing.
std::optional<std::string> UnreadableText(const std::string& value) {
  if (TrimBlanks(value) != value || value.find_first_of("\r\n") != std::string::npos)
    return "values are trimmed of blanks when a folder is read";
  if (ReadsAsPicture(value)) return "the value would be read as a picture";
  return std::nullopt;
}

// Why the loader cannot read `value` back under a key of this kind, or nothing.
std::optional<std::string> Unwritable(ValueKind kind, const std::string& value) {
  if (kind == ValueKind::Integer || kind == ValueKind::Colour) {
    if (value == "-1") return "a written -1 counts as not given";
    if (kind == ValueKind::Colour && IsSystemColor(static_cast<TColor>(std::stoll(value))))
      return "a system colour is resolved to its RGB value when a folder is read";
    return std::nullopt;
  }
  if (kind == ValueKind::Text) {
    if (value == "?") return "'?' counts as not given";
    return UnreadableText(value);
  }
  return std::nullopt;
}

// Works out, section by section and parents first, what the loader will read
// and which keys the file must state for that.
class SectionPlanner {
 public:
  SectionPlanner(const TsGeneralDataArray& sections, std::vector<RoundTripLoss>& losses)
      : sections_(sections),
        losses_(losses),
        read_(sections.size()),
        keys_(sections.size()),
        planning_(sections.size(), false) {}

  const FieldValues& Read(std::size_t i) {
    if (read_[i]) return *read_[i];
    planning_[i] = true;
    const TsGeneralData& section = sections_[i];
    const std::optional<std::size_t> parent = ParentOf(section);
    FieldValues inherited = defaults_;
    if (parent && planning_[*parent]) {
      losses_.push_back({RecordKind::Section, static_cast<int>(i), "ParentClass",
                         "its parents run in a circle, which the loader cuts short"});
    } else if (parent) {
      inherited = Read(*parent);
    }
    const FieldValues wanted = ValuesOf(section);
    FieldValues read(kRuleCount);
    for (std::size_t r = 0; r < kRuleCount; ++r) {
      const FieldRule& rule = kRules[r];
      const std::string& fallback = rule.Kind == ValueKind::Own ? defaults_[r] : inherited[r];
      read[r] = fallback;
      if (wanted[r] == fallback) continue;
      if (const std::optional<std::string> why = Unwritable(rule.Kind, wanted[r])) {
        losses_.push_back({RecordKind::Section, static_cast<int>(i), rule.Field, *why});
        continue;
      }
      read[r] = wanted[r];
      keys_[i].push_back(r);
    }
    planning_[i] = false;
    read_[i] = std::move(read);
    return *read_[i];
  }

  const std::vector<std::size_t>& Keys(std::size_t i) const { return keys_[i]; }

 private:
  // The loader climbs to a parent that names another section of the file.
  std::optional<std::size_t> ParentOf(const TsGeneralData& section) const {
    const std::string& parent = section.ParentClass;
    if (parent.empty() || parent == "?" || SameText(parent, section.SectionName))
      return std::nullopt;
    for (std::size_t j = 0; j < sections_.size(); ++j)
      if (SameText(sections_[j].SectionName, parent)) return j;
    return std::nullopt;
  }

  const TsGeneralDataArray& sections_;
  std::vector<RoundTripLoss>& losses_;
  const FieldValues defaults_ = ValuesOf(TsGeneralData{});
  std::vector<std::optional<FieldValues>> read_;
  std::vector<std::vector<std::size_t>> keys_;
  std::vector<bool> planning_;
};

}  // namespace

void AddSectionKeys(const TsGeneralDataArray& sections, OptionsText& options,
                    std::vector<RoundTripLoss>& losses) {
  SectionPlanner planner(sections, losses);
  for (std::size_t i = 0; i < sections.size(); ++i) {
    const TsGeneralData& record = sections[i];
    OptionsText::Section& section = options.AddSection(record.SectionName);
    if (!record.ParentClass.empty()) {
      if (const std::optional<std::string> why = UnreadableText(record.ParentClass)) {
        losses.push_back({RecordKind::Section, static_cast<int>(i), "ParentClass", *why});
      } else {
        section.Add("PARENTCLASS", record.ParentClass);
      }
    }
    const FieldValues& read = planner.Read(i);
    for (const std::size_t r : planner.Keys(i)) section.Add(kRules[r].Key, read[r]);
  }
}

}  // namespace au::kit
