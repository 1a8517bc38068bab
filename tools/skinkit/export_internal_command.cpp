// skinkit export-internal DIR: the skin built into the program, as a skin
// folder that the program loads back as the same skin.
#include <algorithm>
#include <exception>
#include <map>
#include <ostream>
#include <tuple>

#include "skin/elegant_skin.h"
#include "tools/skinkit/commands.h"
#include "tools/skinkit/stored_skin_export.h"

namespace au::kit {
namespace {

const char* KindName(RecordKind kind) {
  switch (kind) {
    case RecordKind::Global:
      return "the global information";
    case RecordKind::Section:
      return "section";
    case RecordKind::Mask:
      return "mask";
    case RecordKind::Pattern:
      return "pattern";
  }
  return "";
}

// One line per field and reason, with how many records it concerns.
void ReportLosses(const std::vector<RoundTripLoss>& losses, std::ostream& out) {
  if (losses.empty()) {
    out << "Every field of the skin's records reads back exactly.\n";
    return;
  }
  std::map<std::tuple<RecordKind, std::string, std::string>, std::vector<int>> grouped;
  for (const RoundTripLoss& loss : losses)
    grouped[{loss.Kind, loss.Field, loss.Reason}].push_back(loss.Index);
  out << "Fields that read back otherwise:\n";
  for (auto& [key, indexes] : grouped) {
    const auto& [kind, field, reason] = key;
    std::sort(indexes.begin(), indexes.end());
    out << "  " << field << " of " << KindName(kind);
    if (kind != RecordKind::Global) {
      out << (indexes.size() > 1 ? "s" : "");
      for (std::size_t i = 0; i < indexes.size(); ++i) out << (i == 0 ? " " : ",") << indexes[i];
    }
    out << ": " << reason << "\n";
  }
}

}  // namespace

int ExportInternalCommand(const std::vector<std::string>& args, std::ostream& out,
                          std::ostream& err) {
  if (args.size() != 1) {
    err << "usage: skinkit export-internal DIR\n";
    return 2;
  }
  try {
    const ExportedSkin skin = ExportStoredSkin(ElegantInternalSkin());
    WriteSkinFolder(args[0], skin.Folder);
    out << "Wrote \"" << kElegantSkinName << "\" to " << args[0] << ".\n";
    ReportLosses(skin.Losses, out);
    return 0;
  } catch (const std::exception& e) {
    err << "skinkit export-internal: " << e.what() << "\n";
    return 1;
  }
}

}  // namespace au::kit
