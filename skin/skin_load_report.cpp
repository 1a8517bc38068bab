#include "skin/skin_load_report.h"

#include <utility>

namespace au {

std::string SkinLoadIssue::Describe() const {
  std::string text = File;
  const auto add = [&text](const char* label, const std::string& part) {
    if (part.empty()) return;
    if (!text.empty()) text += ", ";
    text += label;
    text += part;
  };
  add("section ", Section.empty() ? std::string() : "[" + Section + "]");
  add("key ", Key);
  if (!text.empty()) text += ": ";
  return text + Reason;
}

SkinLoadError::SkinLoadError(SkinLoadIssue issue)
    : SkinConversionError(issue.Describe()), issue_(std::move(issue)) {}

}  // namespace au
