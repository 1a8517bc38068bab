#include <gtest/gtest.h>

#include "app/core/code_page_posix.h"
#include "tests/app/core/test_code_pages.h"

namespace au::testing_support {

std::vector<unsigned> TestCodePages() {
  return {1251, 1252};
}

void SelectCodePage(unsigned codePage) {
  ASSERT_TRUE(SetConversionCodePage(codePage));
}

}  // namespace au::testing_support
