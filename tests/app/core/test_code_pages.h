// The code pages that the conversion tests run under on this platform. Natively
// the tests pick them; under Windows the locale of the test run decides, and the
// tests check what it chose.
#pragma once

#include <vector>

namespace au::testing_support {

std::vector<unsigned> TestCodePages();
// Makes `codePage` the conversion code page (natively) or checks that it is (Windows).
void SelectCodePage(unsigned codePage);

}  // namespace au::testing_support
