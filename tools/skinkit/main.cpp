// The skin kit: tools for skin folders.
//   skinkit <command> [arguments...]
#include <iostream>
#include <string>
#include <vector>

#include "tools/skinkit/commands.h"

namespace {

struct Command {
  const char* Name;
  const char* Usage;
  int (*Run)(const std::vector<std::string>&, std::ostream&, std::ostream&);
};

constexpr Command kCommands[] = {
    {"check",
     "check FOLDER            load a skin folder as the program would and list "
     "what it holds and everything skipped or refused",
     au::kit::CheckCommand},
    {"export-internal", "export-internal DIR     write the built-in skin as a skin folder in DIR",
     au::kit::ExportInternalCommand},
};

int Usage() {
  std::cerr << "usage: skinkit <command> [arguments...]\ncommands:\n";
  for (const Command& command : kCommands) std::cerr << "  " << command.Usage << "\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  const std::string name = argv[1];
  for (const Command& command : kCommands) {
    if (name == command.Name)
      return command.Run(std::vector<std::string>(argv + 2, argv + argc), std::cout, std::cerr);
  }
  std::cerr << "skinkit: no command '" << name << "'\n";
  return Usage();
}
