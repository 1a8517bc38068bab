#include "skin/common_sections_loader.h"

#include <vector>

#include "skin/ansi_text.h"
#include "skin/ini_file.h"
#include "skin/number_text.h"
#include "skin/section_reader.h"
#include "skin/skin_paths.h"
#include "skin/skin_pictures.h"

namespace au {
namespace {

IniFile ReadLines(std::span<const std::string> lines) {
  std::string text;
  for (const std::string& line : lines) {
    text += line;
    text += '\n';
  }
  return IniFile(text);
}

// A section block: its header's name and the lines below it.
struct Block {
  std::string_view Name;
  std::vector<std::string_view> Lines;
};

std::vector<Block> SplitBlocks(std::span<const std::string> lines) {
  std::vector<Block> blocks;
  for (const std::string& line : lines) {
    if (line.empty() || line.front() == ';') continue;
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
      blocks.push_back({std::string_view(line).substr(1, line.size() - 2), {}});
    } else if (!blocks.empty()) {
      blocks.back().Lines.push_back(line);
    }
  }
  return blocks;
}

// The keys of one block; nothing is inherited from other blocks here, the
// loader takes it from the parent record instead.
class BlockValues final : public SectionValues {
 public:
  explicit BlockValues(const Block& block) : block_(block) {}

  std::optional<std::string_view> Find(std::string_view key) const {
    for (std::string_view line : block_.Lines) {
      const std::size_t equals = line.find('=');
      if (equals != std::string_view::npos && SameText(line.substr(0, equals), key))
        return line.substr(equals + 1);
    }
    return std::nullopt;
  }

  std::optional<std::int32_t> Integer(std::string_view key) const override {
    const std::int32_t value = StrToIntDef(Find(key).value_or(""), -1);
    if (value == -1) return std::nullopt;
    return value;
  }

  std::optional<std::string> Text(std::string_view key) const override {
    const std::optional<std::string_view> value = Find(key);
    if (!value || *value == "?") return std::nullopt;
    return std::string(*value);
  }

  std::int32_t OwnInteger(std::string_view key, std::int32_t fallback) const override {
    return StrToIntDef(Find(key).value_or(""), fallback);
  }

 private:
  const Block& block_;
};

}  // namespace

void LoadCommonMasks(std::span<const std::string> lines, SkinRecords& records,
                     const MaskSource& source) {
  const IniFile common = ReadLines(lines);
  for (const IniFile::Section& section : common.Sections()) {
    if (SameText(section.Name, "GLOBALINFO")) continue;
    for (const IniFile::Entry& entry : section.Entries) {
      const std::string_view value = entry.Value;
      if (records.MasterBitmap.Empty() || !Contains(value, "#")) {
        std::optional<Bitmap24> picture = LoadNamedBmp(source, {section.Name, entry.Key}, value);
        if (!picture) continue;
        TsMaskData& mask = records.Masks.emplace_back();
        mask.Image = std::move(*picture);
        mask.PropertyName = UpperCase(entry.Key);
        mask.SectionName = UpperCase(section.Name);
        mask.Manager = source.Manager;
      } else if (std::optional<TsMaskData> mask = ReadOrFail(
                     source.EntryFile, section.Name, entry.Key,
                     [&] { return ReadRectangleEntry(section.Name, entry.Key, value, source); })) {
        records.Masks.push_back(std::move(*mask));
      }
    }
  }
}

void LoadCommonPatterns(std::span<const std::string> lines, SkinRecords& records,
                        const MaskSource& source) {
  ForEachJpegEntry(
      ReadLines(lines), source,
      [&](const IniFile::Section& section, const IniFile::Entry& entry, Bitmap24 picture) {
        records.Patterns.push_back(
            {std::move(picture), UpperCase(section.Name), UpperCase(entry.Key)});
      });
}

void LoadCommonSections(std::span<const std::string> lines, SkinRecords& records) {
  const TsGeneralData defaults;
  for (const Block& block : SplitBlocks(lines)) {
    const BlockValues values(block);
    const std::string parentClass = UpperCase(values.Find("PARENTCLASS").value_or("-1"));
    const TsGeneralData* parent = &defaults;
    for (const TsGeneralData& section : records.Sections) {
      if (SameText(section.SectionName, parentClass)) {
        parent = &section;
        break;
      }
    }
    TsGeneralData record = ReadSectionFields(values, *parent, false);
    record.SectionName = block.Name;
    record.ParentClass = parentClass;
    records.Sections.push_back(std::move(record));
  }
}

}  // namespace au
