// Whole files in and out of a real memo: raw bytes, line-break
// normalisation, and saves that never damage the file they replace.
#include "app/text_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <utility>
#include <vector>

#include "tests/support/temp_folder.h"
#include "tests/support/unix_side.h"
#include "ui/form.h"
#include "ui/memo.h"
#include "ui/memo_strings.h"
#include "ui/wide_text.h"

namespace au {
namespace {

using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

class TextFileTest : public testing::Test {
 protected:
  TextFileTest() : form_(new TForm(nullptr)) {
    memo_ = new TMemo(form_.get());
    memo_->SetParent(form_.get());
    memo_->SetBounds(0, 0, 300, 200);
    memo_->SetWordWrap(false);
  }

  // Loads a file of these bytes into the memo and saves the memo back.
  std::string RoundTrip(std::string_view bytes) {
    const std::wstring path = folder_.File(L"round.txt");
    WriteBytes(path, bytes);
    LoadLinesFromFile(memo_->Lines(), path);
    SaveLinesToFile(memo_->Lines(), path);
    return ReadBytes(path);
  }

  int FilesInFolder() const { return FilesIn(folder_); }
  static int FilesIn(const TempFolder& folder) {
    int n = 0;
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((folder.Path() + L"\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return 0;
    do {
      if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) ++n;
    } while (FindNextFileW(find, &data));
    FindClose(find);
    return n;
  }

  TempFolder folder_;
  std::unique_ptr<TForm> form_;
  TMemo* memo_ = nullptr;
};

TEST_F(TextFileTest, LineBreaksBecomeCrLfAndEverythingElseKeepsItsBytes) {
  EXPECT_EQ(RoundTrip("a\nb\nc"), "a\r\nb\r\nc");  // one byte more per lone LF
  EXPECT_EQ(RoundTrip("a\rb\r"), "a\r\nb\r\n");
  EXPECT_EQ(RoundTrip("a\n\rb"), "a\r\n\r\nb");  // LF CR: a break and an empty line
  EXPECT_EQ(RoundTrip("x\r\ny\r\n"), "x\r\ny\r\n");
  EXPECT_EQ(RoundTrip("no break at the end"), "no break at the end");
  EXPECT_EQ(RoundTrip("\xEF\xBB\xBFwith mark"), "\xEF\xBB\xBFwith mark");
  EXPECT_EQ(RoundTrip("\x80\x81\x98\xFF high bytes"), "\x80\x81\x98\xFF high bytes");
}

TEST_F(TextFileTest, AZeroByteEndsTheTextThatTheMemoShows) {
  EXPECT_EQ(RoundTrip(std::string("before\0after", 12)), "before");
}

TEST_F(TextFileTest, AnEmptyFileEmptiesTheMemoAndAnEmptyMemoSavesNothing) {
  memo_->SetText("old");
  EXPECT_EQ(RoundTrip(""), "");
  EXPECT_EQ(memo_->Text(), "");
  EXPECT_EQ(memo_->Lines().Count(), 0);
}

TEST_F(TextFileTest, ATextEndingInABreakCountsOneLineFewerThanTheControlShows) {
  const std::wstring path = folder_.File(L"lines.txt");
  WriteBytes(path, "one\r\ntwo\r\n");
  LoadLinesFromFile(memo_->Lines(), path);
  EXPECT_EQ(memo_->Lines().Count(), 2);
  EXPECT_EQ(memo_->Lines().Get(1), "two");
}

TEST_F(TextFileTest, FilesThatCannotBeOpenedLeaveTheMemoAsItWas) {
  memo_->SetText("kept");
  EXPECT_THROW(LoadLinesFromFile(memo_->Lines(), folder_.File(L"missing.txt")), EFOpenError);
  EXPECT_THROW(LoadLinesFromFile(memo_->Lines(), folder_.Path()), EFOpenError);

  const std::wstring path = folder_.File(L"busy.txt");
  WriteBytes(path, "busy");
  HANDLE writer = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(writer, INVALID_HANDLE_VALUE);
  EXPECT_THROW(LoadLinesFromFile(memo_->Lines(), path), EFOpenError);
  CloseHandle(writer);
  EXPECT_EQ(memo_->Text(), "kept");

  // A reader that lets others read does not stand in the way.
  HANDLE reader = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(reader, INVALID_HANDLE_VALUE);
  LoadLinesFromFile(memo_->Lines(), path);
  CloseHandle(reader);
  EXPECT_EQ(memo_->Text(), "busy");
}

TEST_F(TextFileTest, AFileOfTwoGibibytesIsRefusedWithoutTouchingTheMemo) {
  const std::wstring path = folder_.File(L"huge.txt");
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  LARGE_INTEGER size;
  size.QuadPart = 0x80000000LL;
  SetFilePointerEx(file, size, nullptr, FILE_BEGIN);
  SetEndOfFile(file);
  CloseHandle(file);
  memo_->SetText("kept");
  EXPECT_THROW(LoadLinesFromFile(memo_->Lines(), path), EReadError);
  EXPECT_EQ(memo_->Text(), "kept");
}

TEST_F(TextFileTest, AMemoTakesFilesOfManyMegabytes) {
  std::string big;
  const std::string filler(120, '-');
  for (int i = 0; big.size() < 4 * 1024 * 1024; ++i) {
    big += "line " + std::to_string(i) + filler + "\r\n";
  }
  EXPECT_EQ(RoundTrip(big), big);
}

enum class Step { Create, Write, Flush, Replace, Rename };
using Call = std::pair<Step, int>;  // a step and its count among the calls of that step, from 1

// The platform's operations but for the calls chosen to fail. A failing
// write leaves half its bytes; a failing replacement may first move the
// original aside, as one that stops half way does.
class FailingFileOperations : public FileOperations {
 public:
  FailingFileOperations(bool byRename, std::vector<Call> failing, bool halfReplace)
      : byRename_(byRename), failing_(std::move(failing)), halfReplace_(halfReplace) {}

  HANDLE Create(const std::wstring& path, DWORD access, DWORD disposition) override {
    if (!Fails(Step::Create)) return FileOperations::Create(path, access, disposition);
    SetLastError(ERROR_ACCESS_DENIED);
    return INVALID_HANDLE_VALUE;
  }
  bool Write(HANDLE file, std::string_view bytes) override {
    if (!Fails(Step::Write)) return FileOperations::Write(file, bytes);
    FileOperations::Write(file, bytes.substr(0, bytes.size() / 2));
    return false;
  }
  bool Flush(HANDLE file) override { return !Fails(Step::Flush) && FileOperations::Flush(file); }
  bool Replace(const std::wstring& target, const std::wstring& replacement,
               const std::wstring& backup) override {
    if (!Fails(Step::Replace)) return FileOperations::Replace(target, replacement, backup);
    if (halfReplace_) MoveFileExW(target.c_str(), backup.c_str(), MOVEFILE_REPLACE_EXISTING);
    return false;
  }
  bool Rename(const std::wstring& from, const std::wstring& to) override {
    return !Fails(Step::Rename) && FileOperations::Rename(from, to);
  }
  bool RenameMayLoseUnseenProperties() const override { return !byRename_; }

  int Failures() const { return failures_; }

 private:
  bool Fails(Step step) {
    const Call call{step, ++calls_[static_cast<int>(step)]};
    const bool fails = std::find(failing_.begin(), failing_.end(), call) != failing_.end();
    failures_ += fails ? 1 : 0;
    return fails;
  }

  bool byRename_;
  std::vector<Call> failing_;
  bool halfReplace_;
  std::array<int, 5> calls_{};
  int failures_ = 0;
};

TEST_F(TextFileTest, AFailureAtAnyStepKeepsTheOriginalAndLeavesNoOtherFile) {
  enum Way { InPlace, ByRename, NewFile };
  struct Case {
    const char* Name;
    Way Way;
    std::vector<Call> Failing;
    bool HalfReplace = false;
    // Even putting the original back failed: its copy stays beside the file.
    bool CopyStays = false;
  };
  const Case cases[] = {
      {"in place, saved", InPlace, {}},
      {"in place, opening the file", InPlace, {{Step::Create, 1}}},
      {"in place, creating the copy", InPlace, {{Step::Create, 2}}},
      {"in place, writing the copy", InPlace, {{Step::Write, 1}}},
      {"in place, flushing the copy", InPlace, {{Step::Flush, 1}}},
      {"in place, writing the file", InPlace, {{Step::Write, 2}}},
      {"in place, flushing the file", InPlace, {{Step::Flush, 2}}},
      {"in place, writing and putting back",
       InPlace,
       {{Step::Write, 2}, {Step::Write, 3}},
       false,
       true},
      {"by rename, saved", ByRename, {}},
      {"by rename, creating the new file", ByRename, {{Step::Create, 2}}},
      {"by rename, writing it", ByRename, {{Step::Write, 1}}},
      {"by rename, flushing it", ByRename, {{Step::Flush, 1}}},
      {"by rename, taking the name of the copy", ByRename, {{Step::Create, 3}}},
      {"by rename, replacing", ByRename, {{Step::Replace, 1}}},
      {"by rename, replacing half way", ByRename, {{Step::Replace, 1}}, true},
      {"by rename, replacing half way and putting back",
       ByRename,
       {{Step::Replace, 1}, {Step::Rename, 1}},
       true,
       true},
      {"new file, saved", NewFile, {}},
      {"new file, creating", NewFile, {{Step::Create, 1}}},
      {"new file, writing", NewFile, {{Step::Write, 1}}},
      {"new file, flushing", NewFile, {{Step::Flush, 1}}},
      {"new file, renaming", NewFile, {{Step::Rename, 1}}},
  };
  memo_->SetText("new text that must not half-replace the old");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    const TempFolder folder;
    const std::wstring path = folder.File(L"precious.txt");
    if (c.Way != NewFile) WriteBytes(path, "precious");
    FailingFileOperations operations(c.Way == ByRename, c.Failing, c.HalfReplace);
    if (c.Failing.empty()) {
      SaveLinesToFile(memo_->Lines(), path, operations);
      EXPECT_EQ(ReadBytes(path), memo_->Text());
      EXPECT_EQ(FilesIn(folder), 1);
      continue;
    }
    EXPECT_THROW(SaveLinesToFile(memo_->Lines(), path, operations), std::exception);
    EXPECT_EQ(operations.Failures(), static_cast<int>(c.Failing.size()));
    if (c.CopyStays) {
      EXPECT_EQ(ReadBytes(path + L".backup~"), "precious");
      EXPECT_EQ(FilesIn(folder), c.Way == InPlace ? 2 : 1);
    } else {
      EXPECT_EQ(ReadBytes(path), c.Way == NewFile ? "<missing>" : "precious");
      EXPECT_EQ(FilesIn(folder), c.Way == NewFile ? 0 : 1);
    }
  }
}

// What the Unix side shows of every file in the folder: name, type,
// permissions, links and inode.
std::string UnixView(const TempFolder& folder) {
  return test::RunUnixCommand(folder.Path(), "stat -c '%n %F %a %h %i' *");
}

TEST_F(TextFileTest, SavingKeepsLinksAndPermissionsAsTheUnixSideSeesThem) {
  if (!test::HasUnixSide()) GTEST_SKIP() << "needs Wine's Unix side";
  struct Case {
    const char* Name;
    std::string Setup;
    std::wstring SavedThrough;
  };
  const Case cases[] = {
      {"symbolic link", "printf old > target.txt && ln -s target.txt link.txt", L"link.txt"},
      {"hard links", "printf old > one.txt && ln one.txt two.txt", L"one.txt"},
      {"private file", "printf old > private.txt && chmod 600 private.txt", L"private.txt"},
  };
  memo_->SetText("new");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    const TempFolder folder;
    test::RunUnixCommand(folder.Path(), c.Setup);
    const std::string before = UnixView(folder);
    ASSERT_NE(before.find(Narrow(c.SavedThrough) + " "), std::string::npos) << before;
    SaveLinesToFile(memo_->Lines(), folder.File(c.SavedThrough));
    // Every name shows the new text, and nothing else changed or came.
    EXPECT_EQ(UnixView(folder), before);
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((folder.Path() + L"\\*.txt").c_str(), &data);
    ASSERT_NE(find, INVALID_HANDLE_VALUE);
    do {
      EXPECT_EQ(ReadBytes(folder.File(data.cFileName)), "new") << Narrow(data.cFileName);
    } while (FindNextFileW(find, &data));
    FindClose(find);
  }
}

TEST_F(TextFileTest, FilesThatCannotBeReplacedAreLeftAlone) {
  memo_->SetText("new");
  const std::wstring readOnly = folder_.File(L"readonly.txt");
  WriteBytes(readOnly, "read only");
  SetFileAttributesW(readOnly.c_str(), FILE_ATTRIBUTE_READONLY);
  EXPECT_THROW(SaveLinesToFile(memo_->Lines(), readOnly), EFCreateError);
  EXPECT_EQ(ReadBytes(readOnly), "read only");

  EXPECT_THROW(SaveLinesToFile(memo_->Lines(), folder_.Path()), EFCreateError);
  EXPECT_THROW(SaveLinesToFile(memo_->Lines(), folder_.File(L"no such folder\\x.txt")),
               EFCreateError);
  EXPECT_EQ(FilesInFolder(), 1);
}

TEST_F(TextFileTest, ASavedFileKeepsItsAttributesAndANewFileIsCreated) {
  const std::wstring hidden = folder_.File(L"hidden.txt");
  WriteBytes(hidden, "old");
  SetFileAttributesW(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN);
  memo_->SetText("new");
  SaveLinesToFile(memo_->Lines(), hidden);
  EXPECT_EQ(ReadBytes(hidden), "new");
  EXPECT_TRUE(GetFileAttributesW(hidden.c_str()) & FILE_ATTRIBUTE_HIDDEN);

  const std::wstring fresh = folder_.File(L"fresh.txt");
  SaveLinesToFile(memo_->Lines(), fresh);
  EXPECT_EQ(ReadBytes(fresh), "new");
  EXPECT_EQ(FilesInFolder(), 2);
}

TEST_F(TextFileTest, MemoLinesAreRequestsToTheEditControl) {
  TStrings& lines = memo_->Lines();
  lines.Clear();
  lines.Add("a");
  lines.Add("b");
  EXPECT_EQ(memo_->Text(), "a\r\nb\r\n");
  lines.Insert(1, "between");
  EXPECT_EQ(memo_->Text(), "a\r\nbetween\r\nb\r\n");
  lines.Put(0, "A");
  lines.Delete(2);
  EXPECT_EQ(memo_->Text(), "A\r\nbetween\r\n");
  lines.Delete(7);  // no such line
  EXPECT_EQ(lines.Count(), 2);

  // Appending after a last line without a break starts a new line.
  memo_->SetText("x");
  lines.Insert(1, "y");
  EXPECT_EQ(memo_->Text(), "x\r\ny");

  // Lines are read through a buffer of 4096 bytes.
  memo_->SetText(std::string(5000, 'q'));
  EXPECT_EQ(lines.Get(0).size(), 4096u);
}

TEST(LineBreaks, NormalisationKeepsCrLfAndCompletesLoneBreaks) {
  EXPECT_EQ(NormalizeLineBreaks("a\r\nb\nc\rd\n\r"), "a\r\nb\r\nc\r\nd\r\n\r\n");
  EXPECT_EQ(NormalizeLineBreaks(""), "");
}

}  // namespace
}  // namespace au
