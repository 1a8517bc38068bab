// What loading the images of a skin folder needs besides the entries: the
// folder that picture names are resolved against, the files, the manager to
// record in every mask, and the report of what was passed over.
#pragma once

#include <string>
#include <string_view>

#include "skin/skin_files.h"
#include "skin/skin_load_report.h"
#include "skin/skin_paths.h"

namespace au {

class TsSkinManager;

// The section and key of the entry being read, as written.
struct EntryPlace {
  std::string_view Section;
  std::string_view Key;
};

struct MaskSource {
  std::string_view SkinPath;  // picture files are resolved against it
  TsSkinManager* Manager = nullptr;
  const SkinFileSource* Files = nullptr;          // null: the disk
  SkinLoadReport* Report = nullptr;               // null: nobody asks what was skipped
  std::string_view EntryFile = kOptionsFileName;  // where the entries are written

  const SkinFileSource& FileSource() const { return Files != nullptr ? *Files : DiskSkinFiles(); }

  // Tells the report that the entry at `place` was passed over; `file` is
  // the picture it named, or empty for the entry itself.
  void Skip(const EntryPlace& place, std::string_view file, std::string reason) const {
    if (Report == nullptr) return;
    Report->Skipped.push_back({std::string(file.empty() ? EntryFile : file),
                               std::string(place.Section), std::string(place.Key),
                               std::move(reason)});
  }
};

}  // namespace au
