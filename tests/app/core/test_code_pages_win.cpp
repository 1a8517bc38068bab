#include <windows.h>

#include <gtest/gtest.h>

#include "tests/app/core/test_code_pages.h"

namespace au::testing_support {

std::vector<unsigned> TestCodePages() {
  return {GetACP()};
}

void SelectCodePage(unsigned codePage) {
  // The test runs are registered once per locale; any other code page means
  // that the locale of the run did not take effect.
  ASSERT_TRUE(codePage == 1251 || codePage == 1252) << "ANSI code page " << codePage;
  ASSERT_EQ(GetACP(), codePage);
}

}  // namespace au::testing_support
