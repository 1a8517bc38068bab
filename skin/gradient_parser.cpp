#include "skin/gradient_parser.h"

#include <algorithm>
#include <vector>

#include "skin/ansi_text.h"
#include "skin/number_text.h"

namespace au {

TsGradArray ParseGradientData(std::string_view description) {
  std::vector<std::int32_t> numbers;
  for (std::string_view word : SplitWords(description, ";")) {
    word = TrimBlanks(word);
    if (!word.empty()) numbers.push_back(StrToIntDef(word, 0));
  }
  TsGradArray steps(numbers.size() / 5);
  for (std::size_t i = 0; i < steps.size(); ++i) {
    const std::int32_t* group = numbers.data() + 5 * i;
    steps[i].Color1 = group[0];
    steps[i].Color2 = group[1];
    steps[i].Percent = static_cast<std::uint8_t>(std::clamp(group[2], 0, 100));
    steps[i].Mode = group[3];
  }
  return steps;
}

}  // namespace au
