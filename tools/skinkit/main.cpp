// skinkit COMMAND [ARGUMENTS]: picks the command by its name.
#include <cstdio>
#include <string_view>

#include "tools/skinkit/commands.h"

namespace {

struct Command {
  std::string_view Name;
  const char* Usage;
  int (*Run)(int argc, char** argv);
};

constexpr Command kCommands[] = {
    {"check", "check FOLDER", au::skinkit::Check},
};

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 2) {
    for (const Command& command : kCommands)
      if (command.Name == argv[1]) return command.Run(argc - 2, argv + 2);
  }
  std::fputs("usage:\n", stderr);
  for (const Command& command : kCommands) std::fprintf(stderr, "  skinkit %s\n", command.Usage);
  return 2;
}
