// The converter's window under Wine, built from its stored layout and driven
// through real mouse messages.
#include "app/main_form.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <memory>
#include <string>
#include <string_view>

#include "app/core/ansi_codec.h"
#include "controls/skin_broadcaster_win.h"
#include "skin/elegant_skin.h"
#include "skin/skin_globals.h"
#include "tests/support/gui_driver.h"
#include "tests/support/temp_folder.h"
#include "ui/application.h"
#include "ui/wide_text.h"

namespace au {
namespace {

using test::ClickAt;
using test::MessageBoxCatcher;
using test::PumpMessages;
using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

struct FormDeleter {
  void operator()(TForm1* form) const { delete form; }
};
using FormPtr = std::unique_ptr<TForm1, FormDeleter>;

FormPtr MakeForm(const std::wstring& commandLine) {
  const std::u16string line(commandLine.begin(), commandLine.end());
  return FormPtr(Application()->CreateForm<TForm1>(CommandLineArgs(line)));
}

FormPtr MakeFormWithFile(const std::wstring& path) {
  return MakeForm(L"ansi2utf8.exe \"" + path + L"\"");
}

// Text in the ANSI code page of the running test (1251 or 1252).
std::string Ansi(std::u16string_view text) {
  return WideToAnsi(text);
}

TEST(MainForm, OpensWithOneSpaceInEachMemoAndTheCreditLineAlone) {
  FormPtr form = MakeForm(L"ansi2utf8.exe");
  EXPECT_EQ(form->Caption(), "ANSI > UTF-8  ::  UTF-8 > ANSI  ::  v. 1.1");
  EXPECT_EQ(form->ClientWidth(), 688);
  EXPECT_EQ(form->ClientHeight(), 404);
  EXPECT_EQ(form->sMemo1->Lines().Count(), 1);
  EXPECT_EQ(form->sMemo1->Lines().Get(0), " ");
  EXPECT_EQ(form->sMemo2->Lines().Count(), 1);
  EXPECT_EQ(form->sMemo2->Lines().Get(0), " ");
  EXPECT_FALSE(form->sSpeedButton3->Visible());
  EXPECT_EQ(form->sStatusBar1->SimpleText(), kCreditLine);
  EXPECT_TRUE(form->LoadedFilePath().empty());
  EXPECT_EQ(form->ActiveControl(), form->sMemo1);
  EXPECT_TRUE(form->sMemo2->ReadOnly());
}

TEST(MainForm, LaysOutTheControlsAsStored) {
  FormPtr form = MakeForm(L"ansi2utf8.exe");
  form->Show();
  PumpMessages();
  const auto bounds = [](TControl* c) { return c->BoundsRect(); };
  EXPECT_EQ(bounds(form->sPanel1).bottom, 385);
  EXPECT_EQ(bounds(form->sPanel1).right, 688);
  EXPECT_EQ(bounds(form->sStatusBar1).top, 385);
  EXPECT_EQ(bounds(form->sStatusBar1).bottom, 404);
  EXPECT_EQ(form->sMemo1->Left(), 8);
  EXPECT_EQ(form->sMemo2->Left(), 7);
  EXPECT_EQ(form->sMemo1->Height() - form->sMemo2->Height(), 8);
  EXPECT_EQ(form->sSpeedButton1->Width(), 121);
  EXPECT_EQ(form->sSpeedButton3->Width(), 49);
  EXPECT_EQ(form->sMemo1->SkinData().SkinSection(), "EDIT");
  EXPECT_EQ(form->sSpeedButton1->SkinData().SkinSection(), "BARTITLE");
  EXPECT_EQ(form->sPanel1->SkinData().SkinSection(), "ALPHAEDIT");
  EXPECT_EQ(form->sStatusBar1->SkinData().SkinSection(), "STATUSBAR");
}

TEST(MainForm, LoadsTheFileOfTheFirstArgumentAndOffersToOverwriteIt) {
  TempFolder folder;
  const std::wstring path = folder.File(L"with space.txt");
  WriteBytes(path, Ansi(u"first\nsecond\rthird"));
  FormPtr form = MakeFormWithFile(path);
  EXPECT_EQ(form->sMemo1->Text(), Ansi(u"first\r\nsecond\r\nthird"));
  EXPECT_EQ(form->LoadedFilePath(), path);
  EXPECT_TRUE(form->sSpeedButton3->Visible());
  EXPECT_EQ(form->sStatusBar1->SimpleText(),
            std::string(kCreditLine) + "  ::  Файл: " + Narrow(path));
}

// What the status bar's window itself shows, read through the wide API.
std::wstring StatusBarText(TsStatusBar& bar) {
  wchar_t text[1024] = {};
  SendMessageW(bar.Handle(), SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text));
  return text;
}

TEST(MainForm, AnyFileNameLoadsSavesAndShowsInTheStatusBar) {
  TempFolder folder;
  // Greek, Cyrillic and Japanese: no ANSI code page holds them all.
  const std::wstring path = folder.File(L"\u03b1\u03b2 \u0436 \u65e5\u672c.txt");
  WriteBytes(path, "abc");
  FormPtr form = MakeFormWithFile(path);
  EXPECT_EQ(form->sMemo1->Text(), "abc");
  EXPECT_EQ(StatusBarText(*form->sStatusBar1),
            Widen(kCreditLine) + L"  ::  \u0424\u0430\u0439\u043b: " + path);
  ClickAt(*form->sSpeedButton1, 10, 10);  // "abc" is the same in UTF-8
  form->sMemo2->SetText("saved");
  ClickAt(*form->sSpeedButton3, 20, 10);
  EXPECT_EQ(ReadBytes(path), "saved");
}

TEST(MainForm, AFileThatCannotBeLoadedIsReportedAndTheWindowStillOpens) {
  TempFolder folder;
  for (const std::wstring& path : {folder.File(L"missing.txt"), folder.Path()}) {
    MessageBoxCatcher boxes;
    FormPtr form = MakeFormWithFile(path);
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].Text, Widen("Упс, ошибка при загрузке файла..."));
    EXPECT_EQ(boxes.Boxes()[0].Caption, Widen(Application()->Title()));
    EXPECT_FALSE(form->sSpeedButton3->Visible());
    EXPECT_EQ(form->sStatusBar1->SimpleText(), kCreditLine);
    EXPECT_EQ(form->sMemo1->Lines().Get(0), " ");
  }
}

TEST(MainForm, ConvertsBothWaysThroughButtonClicks) {
  FormPtr form = MakeForm(L"ansi2utf8.exe");
  form->Show();
  PumpMessages();
  const std::u16string text = u"Caf\u00e9 \u041f\u0440\u0438\u0432\u0435\u0442";
  const std::string ansi = Ansi(text);
  form->sMemo1->SetText(ansi);
  ClickAt(*form->sSpeedButton1, 10, 10);
  const std::string utf8 = form->sMemo2->Text();
  EXPECT_EQ(utf8, ConvertAnsiToUtf8(ansi));
  EXPECT_EQ(form->sMemo1->Text(), ansi);  // the source stays

  form->sMemo1->SetText(utf8);
  ClickAt(*form->sSpeedButton2, 60, 11);
  EXPECT_EQ(form->sMemo2->Text(), ansi);

  // Malformed UTF-8 empties the result.
  form->sMemo1->SetText("\xCF\xF0");
  ClickAt(*form->sSpeedButton2, 60, 11);
  EXPECT_EQ(form->sMemo2->Text(), "");
}

TEST(MainForm, ConvertingShowsTheWaitCursorUntilTheResultIsShown) {
  FormPtr form = MakeForm(L"ansi2utf8.exe");
  form->Show();
  PumpMessages();
  form->sMemo1->SetText("abc");
  const HCURSOR wait = LoadCursorW(nullptr, IDC_WAIT);
  HCURSOR whileShown = nullptr;
  const TWndMethod handle = form->sMemo2->WindowProc;
  form->sMemo2->WindowProc = [&](TMessage& m) {
    if (m.Msg == WM_SETTEXT) whileShown = GetCursor();
    handle(m);
  };
  for (TsSpeedButton* button : {form->sSpeedButton1, form->sSpeedButton2}) {
    form->sMemo2->SetText("");
    whileShown = nullptr;
    ClickAt(*button, 10, 10);
    EXPECT_EQ(whileShown, wait);
    EXPECT_NE(GetCursor(), wait);
  }
  form->sMemo2->WindowProc = handle;
}

TEST(MainForm, APressReleasedOutsideTheButtonDoesNotConvert) {
  FormPtr form = MakeForm(L"ansi2utf8.exe");
  form->Show();
  PumpMessages();
  form->sMemo1->SetText("abc");
  test::SendMouse(*form->sSpeedButton1, WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
  test::SendMouse(*form->sSpeedButton1, WM_MOUSEMOVE, 300, 5, MK_LBUTTON);
  test::SendMouse(*form->sSpeedButton1, WM_LBUTTONUP, 300, 5);
  EXPECT_EQ(form->sMemo2->Lines().Get(0), " ");
}

TEST(MainForm, OverwritesTheLoadedFileWithTheLowerMemo) {
  TempFolder folder;
  const std::wstring path = folder.File(L"text.txt");
  const std::string ansi = Ansi(u"\u00c0 \u0411\r\nline\nend");
  WriteBytes(path, ansi);
  FormPtr form = MakeFormWithFile(path);
  form->Show();
  PumpMessages();
  ClickAt(*form->sSpeedButton1, 10, 10);
  ClickAt(*form->sSpeedButton3, 20, 10);
  const std::string expected = ConvertAnsiToUtf8(Ansi(u"\u00c0 \u0411\r\nline\r\nend"));
  EXPECT_EQ(ReadBytes(path), expected);
  EXPECT_NE(ReadBytes(path).substr(0, 3), "\xEF\xBB\xBF");
}

TEST(MainForm, AFailedOverwriteIsReportedAndLeavesTheFileAsItWas) {
  TempFolder folder;
  const std::wstring path = folder.File(L"locked.txt");
  WriteBytes(path, "original");
  FormPtr form = MakeFormWithFile(path);
  form->sMemo2->SetText("replacement");
  // Another program holds the file open and lets nobody else write it.
  HANDLE other = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(other, INVALID_HANDLE_VALUE);
  {
    MessageBoxCatcher boxes;
    form->sSpeedButton3Click(form->sSpeedButton3);
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].Text, Widen("Упс, ошибка при сохранении файла..."));
  }
  CloseHandle(other);
  EXPECT_EQ(ReadBytes(path), "original");
  EXPECT_EQ(form->sMemo2->Text(), "replacement");
}

TEST(MainForm, EnteringAMemoSelectsAllOfItsText) {
  FormPtr form = MakeForm(L"ansi2utf8.exe");
  form->Show();
  PumpMessages();
  form->sMemo2->SetText("0123456789");
  form->sMemo2->SetFocus();
  PumpMessages();
  EXPECT_EQ(form->sMemo2->SelStart(), 0);
  EXPECT_EQ(form->sMemo2->SelLength(), 10);

  // By mouse: the click's own caret placement does not undo the selection.
  form->sMemo1->SetText("abcdef");
  ClickAt(*form->sMemo1, 30, 5);
  PumpMessages();
  EXPECT_TRUE(form->sMemo1->Focused());
  EXPECT_EQ(form->sMemo1->SelStart(), 0);
  EXPECT_EQ(form->sMemo1->SelLength(), 6);
}

// Pixels of the selection's highlight in the top left corner of a memo's text.
int HighlightedPixels(TMemo& memo) {
  const TColor highlight = static_cast<TColor>(GetSysColor(COLOR_HIGHLIGHT));
  int count = 0;
  for (int y = 0; y < 12; ++y) {
    for (int x = 0; x < 60; ++x) count += test::ScreenPixel(memo.Handle(), x, y) == highlight;
  }
  return count;
}

TEST(MainForm, OnlyTheFocusedMemoShowsItsSelection) {
  FormPtr form = MakeForm(L"ansi2utf8.exe");
  form->Show();
  form->sMemo1->SetText("upper memo text");
  form->sMemo2->SetText("lower memo text");
  form->sMemo1->SelectAll();
  for (TsMemo* focused : {form->sMemo2, form->sMemo1}) {
    // Entering a memo selects all its text; the other keeps its selection, unseen.
    focused->SetFocus();
    PumpMessages(100);
    for (TsMemo* memo : {form->sMemo1, form->sMemo2}) {
      SCOPED_TRACE(memo->Name());
      EXPECT_EQ(memo->SelLength(), 15);
      if (memo == focused) {
        EXPECT_GT(HighlightedPixels(*memo), 100);
      } else {
        EXPECT_EQ(HighlightedPixels(*memo), 0);
      }
    }
  }
}

TEST(MainForm, EscapeInAMemoLeavesTheWindowWhole) {
  FormPtr form = MakeForm(L"ansi2utf8.exe");
  form->Show();
  form->sMemo1->SetText("kept");
  form->sMemo1->SetFocus();
  // As the message loop's dialog handling asks it, the edit control takes
  // itself for part of a dialog and answers Escape with WM_CLOSE to its parent.
  MSG escape{form->sMemo1->Handle(), WM_KEYDOWN, VK_ESCAPE, 0, 0, {}};
  SendMessageW(escape.hwnd, WM_GETDLGCODE, VK_ESCAPE, reinterpret_cast<LPARAM>(&escape));
  SendMessageW(escape.hwnd, WM_KEYDOWN, VK_ESCAPE, 0);
  PumpMessages(100);
  EXPECT_TRUE(IsWindow(form->sPanel1->Handle()));
  EXPECT_TRUE(IsWindow(form->sMemo1->Handle()));
  EXPECT_EQ(form->sMemo1->Text(), "kept");
}

// Passes every broadcast on to the windows and remembers it, with whether the
// manager's stored settings were still being read.
class RecordingBroadcaster : public WindowsSkinBroadcaster {
 public:
  struct Event {
    TSkinCommand Command;
    bool WhileReading;
    friend bool operator==(const Event&, const Event&) = default;
  };
  void BroadcastToForms(TSkinCommand command, TsSkinManager* manager) override {
    events.push_back({command, manager->IsReading()});
    WindowsSkinBroadcaster::BroadcastToForms(command, manager);
  }
  std::vector<Event> events;
};

TEST(MainForm, StartsWithTheInternalSkinLoadedWhileReadingAndAppliedAgainAfterwards) {
  RecordingBroadcaster recorder;
  SetDefaultSkinBroadcaster(&recorder);
  {
    FormPtr form = MakeForm(L"ansi2utf8.exe");
    const std::vector<RecordingBroadcaster::Event> expected = {
        {SK_SKINCHANGED, true},  {SK_STOPFADING, true},  {SK_REFRESH, true},
        {SK_SKINCHANGED, false}, {SK_STOPFADING, false}, {SK_REFRESH, false}};
    EXPECT_EQ(recorder.events, expected);
  }
  InstallWindowsSkinBroadcaster();
}

// A skin folder named like the internal skin in the stored skins folder
// "c:\Skins", for as long as the object lives.
class StoredSkinFolder {
 public:
  explicit StoredSkinFolder(std::string_view options) {
    madeSkins_ = CreateDirectoryW(kSkins, nullptr) != 0;
    made_ = CreateDirectoryW(kFolder, nullptr) != 0;
    if (made_) WriteBytes(std::wstring(kFolder) + L"\\Options.dat", options);
  }
  ~StoredSkinFolder() {
    if (!made_) return;
    DeleteFileW((std::wstring(kFolder) + L"\\Options.dat").c_str());
    RemoveDirectoryW(kFolder);
    if (madeSkins_) RemoveDirectoryW(kSkins);
  }
  // False when the folder was there already: it is left alone.
  bool Made() const { return made_; }

 private:
  static constexpr const wchar_t* kSkins = L"c:\\Skins";
  static constexpr const wchar_t* kFolder = L"c:\\Skins\\Elegant (internal)";
  bool madeSkins_ = false;
  bool made_ = false;
};

TEST(MainForm, AStoredSkinFolderThatCannotBeLoadedLeavesTheInternalSkinWithoutAMessage) {
  // A description with "#" reads as an image entry whose corners are no numbers.
  const StoredSkinFolder folder("[GLOBALINFO]\r\nDESCRIPTION=Skin #2\r\n");
  ASSERT_TRUE(folder.Made());
  MessageBoxCatcher boxes;
  FormPtr form = MakeForm(L"ansi2utf8.exe");
  form->Show();
  PumpMessages();
  EXPECT_TRUE(boxes.Boxes().empty());
  const TsSkinManager& manager = *form->sSkinManager1;
  EXPECT_EQ(manager.SkinName(), "Elegant (internal)");
  EXPECT_EQ(manager.SkinData().SkinPath, "");  // the internal skin, not the folder
  EXPECT_EQ(manager.SkinInfo(), "4.81");
  EXPECT_EQ(manager.Sections().size(), ElegantInternalSkin().GeneralData.size());
  EXPECT_TRUE(IsWindowVisible(form->Handle()));
}

TEST(MainForm, EveryControlIsBoundToTheInternalSkin) {
  FormPtr form = MakeForm(L"ansi2utf8.exe");
  form->Show();
  PumpMessages();
  TsSkinManager& manager = *form->sSkinManager1;
  EXPECT_EQ(DefaultSkinManager, &manager);
  EXPECT_EQ(manager.SkinName(), "Elegant (internal)");
  EXPECT_EQ(manager.SkinInfo(), "4.81");
  EXPECT_TRUE(manager.SkinData().SkinActive);
  EXPECT_FALSE(SkinChangeInProgress);
  const auto expectBound = [&](TsCommonData& data, const char* section) {
    SCOPED_TRACE(section);
    EXPECT_EQ(data.SkinSectionIndex, manager.SectionIndex(section));
    EXPECT_GE(data.SkinSectionIndex, 0);
    EXPECT_EQ(data.BordersMaskIndex,
              manager.MaskIndex(data.SkinSectionIndex, section, "BORDERSMASK"));
    EXPECT_FALSE(data.Updating);
    EXPECT_TRUE(data.IsSkinned(true));
  };
  expectBound(form->sPanel1->SkinData(), "ALPHAEDIT");
  expectBound(form->sSpeedButton1->SkinData(), "BARTITLE");
  expectBound(form->sSpeedButton2->SkinData(), "BARTITLE");
  expectBound(form->sSpeedButton3->SkinData(), "EDIT");
  expectBound(form->sMemo1->SkinData(), "EDIT");
  expectBound(form->sMemo2->SkinData(), "EDIT");
  expectBound(form->sStatusBar1->SkinData(), "STATUSBAR");
  EXPECT_EQ(form->sMemo1->SkinData().SkinSectionIndex, 38);
  EXPECT_EQ(form->sMemo1->SkinData().BordersMaskIndex,
            69);  // the skin has no frame for the status bar
  EXPECT_EQ(form->sStatusBar1->SkinData().BordersMaskIndex, -1);
}

// Makes the test's stand-in browser the handler of https addresses for as
// long as it exists (putting the usual handler back afterwards), and reads
// back what it was asked to open.
class BrowserStandIn {
 public:
  explicit BrowserStandIn(const TempFolder& folder) : log_(folder.File(L"opened.txt")) {
    wchar_t previous[1024] = {};
    DWORD size = sizeof(previous);
    if (RegGetValueW(HKEY_CLASSES_ROOT, kKey, nullptr, RRF_RT_REG_SZ, nullptr, previous, &size) ==
        ERROR_SUCCESS) {
      previous_ = previous;
    }
    wchar_t exe[MAX_PATH];
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::wstring recorder = exe;
    recorder =
        recorder.substr(0, recorder.find_last_of(L'\\')) + L"\\..\\support\\url_recorder.exe";
    SetHandler(L"\"" + recorder + L"\" \"%1\"");
    SetEnvironmentVariableW(L"ANSIUTF8_URL_LOG", log_.c_str());
  }
  ~BrowserStandIn() {
    SetHandler(previous_);
    SetEnvironmentVariableW(L"ANSIUTF8_URL_LOG", nullptr);
  }
  // What the browser was started with, waiting a few seconds for it.
  std::string Opened() const {
    for (int i = 0; i < 100; ++i) {
      const std::string bytes = ReadBytes(log_);
      if (bytes != "<missing>" && !bytes.empty()) {
        return Narrow(std::wstring(reinterpret_cast<const wchar_t*>(bytes.data()),
                                   bytes.size() / sizeof(wchar_t)));
      }
      PumpMessages(50);
    }
    return {};
  }

 private:
  static void SetHandler(const std::wstring& command) {
    RegSetKeyValueW(HKEY_CLASSES_ROOT, kKey, nullptr, REG_SZ, command.c_str(),
                    static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t)));
  }
  static constexpr wchar_t kKey[] = L"https\\shell\\open\\command";
  std::wstring log_;
  std::wstring previous_;
};

TEST(MainForm, AClickOnTheStatusBarOpensTheWebAddress) {
  TempFolder folder;
  BrowserStandIn browser(folder);
  FormPtr form = MakeForm(L"ansi2utf8.exe");
  form->Show();
  PumpMessages();
  EXPECT_EQ(form->sStatusBar1->Hint(), kWebAddress);
  ClickAt(*form->sStatusBar1, 150, 8);
  EXPECT_NE(browser.Opened().find(kWebAddress), std::string::npos);
}

}  // namespace
}  // namespace au
