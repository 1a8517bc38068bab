// The harness's figures and how they are printed: each measure pairs runs of
// the program with runs of its reference taken in turn, so that the ratio of
// each pair sees the same load on a busy machine; the table shows the median
// of each side and the median of the pairs' ratios.
#pragma once

#include <string>
#include <vector>

namespace au::bench {

struct Row {
  std::string measure;
  std::vector<double> program;  // seconds
  std::string reference;        // what the program is held against
  std::vector<double> references;
  double goal = 0;  // the ratio to stay at or under; 0: none
  std::string note;
};

double Median(std::vector<double> values);
// The median of program[i] / references[i]; a single reference serves every run.
double MedianRatio(const Row& row);
// A Markdown table of the rows.
void PrintTable(const std::vector<Row>& rows);

std::string Milliseconds(double seconds);
std::string Megabytes(double bytes);
// "a; b" without a separator for an empty part.
std::string Joined(const std::string& a, const std::string& b);

}  // namespace au::bench
