// Under Wine, the Unix side of the files a test makes: what only it shows
// (symbolic links, permission bits, inodes) is made and read with a shell.
#pragma once

#include <string>

namespace au::test {

// Whether the test runs under Wine, with a Unix side to ask.
bool HasUnixSide();

// Runs a command with /bin/sh in the Unix folder of `folder` and returns what
// it printed (errors too); waits at most 10 s, then returns what came.
std::string RunUnixCommand(const std::wstring& folder, const std::string& command);

}  // namespace au::test
