// What a skin load passed over, and the error that ends one. Skins come from
// other people's tools: the program loads what it can and says nothing, but a
// skin's author (and the skin kit's check) needs to know every entry, key or
// file that was skipped or refused, why, and where.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "skin/conversion_error.h"

namespace au {

struct SkinLoadIssue {
  std::string File;     // the file concerned, as the skin names it; "Options.dat" for an entry
  std::string Section;  // as written; empty when the issue is not inside a section
  std::string Key;      // as written; empty when the issue concerns no key
  std::string Reason;   // "file not found", "malformed number ('x' is not ...)", ...

  // "Options.dat, section [PANEL], key COLOR: malformed number ('x')"; empty
  // parts are left out.
  std::string Describe() const;
};

// Every entry, key or file that a load skipped or refused, in the order met.
struct SkinLoadReport {
  std::vector<SkinLoadIssue> Skipped;
};

// A skin that cannot be loaded at all: a malformed number where the skin
// must give one (an image entry, a window shadow setting), with its place in
// the skin. The records being filled are abandoned; what() describes the issue.
class SkinLoadError : public SkinConversionError {
 public:
  explicit SkinLoadError(SkinLoadIssue issue);
  const SkinLoadIssue& Issue() const { return issue_; }

 private:
  SkinLoadIssue issue_;
};

// Runs `read`, turning a malformed number that it meets into a load error at
// the place given by `file`, `section` and `key`.
template <typename Read>
auto ReadOrFail(std::string_view file, std::string_view section, std::string_view key, Read read)
    -> decltype(read()) {
  try {
    return read();
  } catch (const SkinConversionError& error) {
    throw SkinLoadError({std::string(file), std::string(section), std::string(key),
                         std::string("malformed number (") + error.what() + ")"});
  }
}

}  // namespace au
