// The skin kit's commands. Each takes the arguments after its name, writes
// what it did to `out` and what went wrong to `err`, and returns the exit code.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace au::kit {

// export-internal DIR: the built-in skin as a skin folder in DIR.
int ExportInternalCommand(const std::vector<std::string>& args, std::ostream& out,
                          std::ostream& err);

// check FOLDER: loads FOLDER as the program would and lists what it holds and
// every entry, key or file that was skipped or refused; 1 when there was any.
int CheckCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace au::kit
