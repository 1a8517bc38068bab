// The program's arguments, split from its wide command line so that any file
// name reaches it unchanged whatever the ANSI code page.
//
// Arguments are separated by runs of code units 1 to 32. A double quote opens or
// closes a stretch in which those units belong to the argument; the quotes are
// dropped. A token of exactly two double quotes is passed over like white space.
// The line ends at its end or at its first 0 unit.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace au {

// Reads the argument that starts at `pos` (after any separators) into `param` and
// returns the position after it. An empty `param` means that the line is used up.
std::size_t NextParam(std::u16string_view commandLine, std::size_t pos, std::u16string& param);

class CommandLineArgs {
 public:
  explicit CommandLineArgs(std::u16string_view commandLine);

  // The arguments after the program: those before the first empty one.
  int ParamCount() const { return static_cast<int>(args_.size()) - 1; }
  // Argument 0 is the program; an index outside 0..ParamCount() gives "".
  std::u16string ParamStr(int index) const;

 private:
  std::vector<std::u16string> args_;  // args_[0] is the program, possibly ""
};

}  // namespace au
