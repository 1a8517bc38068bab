// The skin kit's commands. Each takes the arguments after its name and
// returns the process's exit status.
#pragma once

namespace au::skinkit {

// check FOLDER
int Check(int argc, char** argv);

}  // namespace au::skinkit
