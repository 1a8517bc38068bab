// Whole files in and out of a real memo: raw bytes, line-break
// normalisation, and saves that never damage the file they replace.
#include "app/text_file.h"

#include <gtest/gtest.h>

#include <memory>

#include "tests/support/temp_folder.h"
#include "ui/form.h"
#include "ui/memo.h"
#include "ui/memo_strings.h"

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

  int FilesInFolder() const {
    int n = 0;
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((folder_.Path() + L"\\*").c_str(), &data);
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

TEST_F(TextFileTest, AShortOrFailedWriteKeepsTheOriginalAndLeavesNoTemporaryFile) {
  const std::wstring path = folder_.File(L"precious.txt");
  WriteBytes(path, "precious");
  memo_->SetText("new text that must not half-replace the old");
  const ByteWriter shortWrite = [](HANDLE file, std::string_view bytes) {
    return WriteBytesToFile(file, bytes.substr(0, bytes.size() / 2));
  };
  EXPECT_THROW(SaveLinesToFile(memo_->Lines(), path, shortWrite), EWriteError);
  EXPECT_THROW(SaveLinesToFile(memo_->Lines(), path, [](HANDLE, std::string_view) { return 0ul; }),
               EWriteError);
  EXPECT_EQ(ReadBytes(path), "precious");
  EXPECT_EQ(FilesInFolder(), 1);
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
