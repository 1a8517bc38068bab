// Processors without block paths: the portable code converts everything.
#include "app/core/utf8_blocks.h"

namespace au {

const Utf8BlockPaths& Utf8Blocks() {
  static const Utf8BlockPaths none;
  return none;
}

}  // namespace au
