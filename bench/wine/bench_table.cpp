#include "bench/wine/bench_table.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace au::bench {

double Median(std::vector<double> values) {
  if (values.empty()) return NAN;
  std::sort(values.begin(), values.end());
  const size_t mid = values.size() / 2;
  return values.size() % 2 == 1 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

double MedianRatio(const Row& row) {
  std::vector<double> ratios;
  for (size_t i = 0; i < row.program.size() && !row.references.empty(); ++i) {
    const double reference = row.references[std::min(i, row.references.size() - 1)];
    if (reference > 0) ratios.push_back(row.program[i] / reference);
  }
  return Median(ratios);
}

std::string Milliseconds(double seconds) {
  if (std::isnan(seconds)) return "–";
  char text[32];
  snprintf(text, sizeof(text), seconds < 0.1 ? "%.1f ms" : "%.0f ms", seconds * 1000);
  return text;
}

std::string Megabytes(double bytes) {
  char text[32];
  snprintf(text, sizeof(text), "%.1f MB", bytes / 1e6);
  return text;
}

std::string Joined(const std::string& a, const std::string& b) {
  return a.empty() || b.empty() ? a + b : a + "; " + b;
}

void PrintTable(const std::vector<Row>& rows) {
  printf("\n| Measure | Program | Reference | Ratio | Goal | Note |\n");
  printf("|---|---:|---|---:|---|---|\n");
  for (const Row& row : rows) {
    const double ratio = MedianRatio(row);
    char ratioText[32] = "–";
    if (std::isfinite(ratio)) snprintf(ratioText, sizeof(ratioText), "%.2f", ratio);
    char goalText[48] = "";
    if (row.goal > 0 && std::isfinite(ratio)) {
      snprintf(goalText, sizeof(goalText), "≤ %.2f: %s", row.goal,
               ratio <= row.goal ? "met" : "not met");
    }
    printf("| %s | %s | %s %s | %s | %s | %s |\n", row.measure.c_str(),
           Milliseconds(Median(row.program)).c_str(), row.reference.c_str(),
           Milliseconds(Median(row.references)).c_str(), ratioText, goalText, row.note.c_str());
  }
  fflush(stdout);
}

}  // namespace au::bench
