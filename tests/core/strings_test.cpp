#include "core/strings.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace au {
namespace {

using namespace std::string_literals;
using Lines = std::vector<std::string>;

// A line list written against the bare interface, so that the generic operations
// (and the default Put) are tested on their own. It records when the update
// state switches, as a memo that stops redrawing would, and can refuse a line as
// an edit control that is full does.
class RecordingList : public TStrings {
 public:
  std::vector<bool> switches;
  int clearsWhileUpdating = 0;
  int insertsOutsideUpdate = 0;
  std::string refused = "\x01refuse";

  int Count() const override { return static_cast<int>(lines_.size()); }
  std::string Get(int index) const override { return lines_.at(static_cast<std::size_t>(index)); }
  void Insert(int index, std::string line) override {
    if (line == refused) throw std::runtime_error("Text exceeds memo capacity");
    if (UpdateCount() == 0) ++insertsOutsideUpdate;
    lines_.insert(lines_.begin() + index, std::move(line));
  }
  void Delete(int index) override { lines_.erase(lines_.begin() + index); }
  void Clear() override {
    if (UpdateCount() > 0) ++clearsWhileUpdating;
    lines_.clear();
  }

 protected:
  void SetUpdateState(bool updating) override { switches.push_back(updating); }

 private:
  std::vector<std::string> lines_;
};

Lines LinesOf(const TStrings& list) {
  Lines lines;
  for (int i = 0; i < list.Count(); ++i) lines.push_back(list.Get(i));
  return lines;
}

Lines LinesOfText(std::string_view text) {
  TStringList list;
  list.SetText(text);
  return LinesOf(list);
}

TEST(TStrings, TextEndsEveryLineWithCrLf) {
  TStringList list;
  EXPECT_EQ(list.GetText(), "");
  list.Add("one");
  list.Add("");
  list.Add("three");
  EXPECT_EQ(list.GetText(), "one\r\n\r\nthree\r\n");
}

TEST(TStrings, SetTextBreaksAtCrLfLoneLfAndLoneCr) {
  EXPECT_EQ(LinesOfText("a\r\nb\nc\rd"), (Lines{"a", "b", "c", "d"}));
  EXPECT_EQ(LinesOfText("a\n\rb"), (Lines{"a", "", "b"}));  // LF CR: a break, then an empty line
  EXPECT_EQ(LinesOfText("a\r\rb"), (Lines{"a", "", "b"}));
  EXPECT_EQ(LinesOfText("a\r\n"), (Lines{"a"}));  // no empty line after a final break
  EXPECT_EQ(LinesOfText("a\r\n\r\n"), (Lines{"a", ""}));
  EXPECT_EQ(LinesOfText("\r\n"), (Lines{""}));
  EXPECT_EQ(LinesOfText(""), Lines{});
}

TEST(TStrings, AZeroByteEndsTheText) {
  EXPECT_EQ(LinesOfText("ab\r\ncd\0ef\r\ngh"s), (Lines{"ab", "cd"}));
  EXPECT_EQ(LinesOfText("\0abc"s), Lines{});
}

TEST(TStrings, TextRoundTripsThroughTheLines) {
  const std::string text = "first\r\n\r\n  indented\t\r\n\xCF\xF0\xE8\xE2\xE5\xF2\r\n";
  TStringList list;
  list.SetText(text);
  EXPECT_EQ(list.GetText(), text);
}

TEST(TStrings, SetTextReplacesTheLinesWithinOneUpdate) {
  RecordingList list;
  list.Add("old");
  list.insertsOutsideUpdate = 0;
  list.SetText("x\ny\nz");
  EXPECT_EQ(LinesOf(list), (Lines{"x", "y", "z"}));
  EXPECT_EQ(list.switches, (std::vector<bool>{true, false}));
  EXPECT_EQ(list.clearsWhileUpdating, 1);
  EXPECT_EQ(list.insertsOutsideUpdate, 0);
}

TEST(TStrings, NestedUpdatesSwitchTheStateOnceEachWay) {
  RecordingList list;
  list.BeginUpdate();
  list.BeginUpdate();
  list.SetText("a");  // a third level inside
  list.EndUpdate();
  EXPECT_EQ(list.switches, (std::vector<bool>{true}));
  list.EndUpdate();
  EXPECT_EQ(list.switches, (std::vector<bool>{true, false}));
  // An unmatched EndUpdate leaves the counter alone, so the next pair still switches.
  list.EndUpdate();
  list.BeginUpdate();
  list.EndUpdate();
  EXPECT_EQ(list.switches, (std::vector<bool>{true, false, true, false}));
}

TEST(TStrings, UpdateEndsAlsoWhenALineIsRefused) {
  RecordingList list;
  list.refused = "bad";
  EXPECT_THROW(list.SetText("a\nbad\nc"), std::runtime_error);
  EXPECT_EQ(LinesOf(list), (Lines{"a"}));
  EXPECT_EQ(list.switches, (std::vector<bool>{true, false}));
}

TEST(TStrings, PutReplacesALineByDefault) {
  RecordingList list;
  list.Assign(Lines{"a", "b", "c"});
  list.Put(1, "B");
  EXPECT_EQ(LinesOf(list), (Lines{"a", "B", "c"}));
  EXPECT_EQ(list.insertsOutsideUpdate, 0);  // the deletion and insertion form one update
}

TEST(TStrings, AssignAndAddStringsLoadStoredLines) {
  RecordingList list;
  list.Add("old");
  list.Assign(Lines{"a", "b"});
  EXPECT_EQ(LinesOf(list), (Lines{"a", "b"}));
  list.AddStrings(Lines{"c"});
  EXPECT_EQ(LinesOf(list), (Lines{"a", "b", "c"}));
  EXPECT_EQ(list.switches, (std::vector<bool>{true, false, true, false}));
}

TEST(TStringList, EditsLinesAndRejectsIndexesOutsideTheList) {
  TStringList list;
  EXPECT_EQ(list.Add("b"), 0);
  list.Insert(0, "a");
  list.Insert(2, "d");
  list.Insert(2, "c");
  list.Put(3, "D");
  EXPECT_EQ(LinesOf(list), (Lines{"a", "b", "c", "D"}));
  list.Delete(1);
  EXPECT_EQ(LinesOf(list), (Lines{"a", "c", "D"}));
  EXPECT_THROW(list.Get(3), std::out_of_range);
  EXPECT_THROW(list.Get(-1), std::out_of_range);
  EXPECT_THROW(list.Insert(4, "x"), std::out_of_range);
  EXPECT_THROW(list.Delete(3), std::out_of_range);
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
}

}  // namespace
}  // namespace au
