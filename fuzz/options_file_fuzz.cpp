// The options file of a skin folder: the reader, then the section and image
// entries read from it as the loader reads them.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "skin/ansi_text.h"
#include "skin/conversion_error.h"
#include "skin/folder_skin_loader.h"
#include "skin/ini_file.h"

namespace {

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace au;
  const IniFile options(std::string_view(reinterpret_cast<const char*>(data), size));
  for (const IniFile::Section& section : options.Sections()) {
    Check(options.FindSection(section.Name) == &section);
    for (const IniFile::Entry& entry : section.Entries) {
      Check(TrimBlanks(entry.Key) == entry.Key && TrimBlanks(entry.Value) == entry.Value);
      Check(options.FindValue(section.Name, entry.Key) != nullptr);
    }
  }

  SkinRecords records;
  SkinLoadReport report;
  // No such folder: picture entries find no files and are skipped.
  const MaskSource source{"/nonexistent-skin-folder/", nullptr, nullptr, &report};
  try {
    LoadFolderMasks(options, records, source);
  } catch (const SkinConversionError&) {
  }
  try {
    LoadFolderSections(options, records, source);
  } catch (const SkinConversionError&) {
  }
  records.RecomputeCommonIndexes();
  // The geometry of whatever the entries gave must not trip the sanitizers.
  for (int i = 0; i < static_cast<int>(records.Masks.size()); ++i) {
    records.BorderLeft(i);
    records.BorderTop(i);
    records.BorderRight(i);
    records.BorderBottom(i);
    records.StateImageSize(i);
  }
  for (int i = 0; i < static_cast<int>(records.Sections.size()); ++i) {
    const TsGeneralData& section = records.Sections[static_cast<std::size_t>(i)];
    Check(records.SectionIndex(section.SectionName) <= i);
    records.MaskIndex(i, section.SectionName, "BORDERSMASK");
    records.TextureMaskIndex(i, section.SectionName, "PATTERN");
    for (const TsGradientStep& step : section.GradientArray) Check(step.Percent <= 100);
  }
  return 0;
}
