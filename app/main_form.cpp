#include "app/main_form.h"

#include "app/core/ansi_codec.h"
#include "app/overwrite_glyph.h"
#include "app/text_file.h"
#include "skin/elegant_skin.h"
#include "ui/application.h"
#include "ui/stored_layout.h"
#include "ui/wait_cursor.h"
#include "ui/wide_text.h"

namespace au {
namespace {

std::wstring ToWide(const std::u16string& s) {
  return std::wstring(s.begin(), s.end());
}

TColor constexpr kFormColor = 13750737;  // red, green and blue 209 each

void SetMemoFont(TFont& font) {
  font.SetName("MS Sans Serif");
  font.SetHeight(-11);
  font.SetColor(clBlack);
  font.SetCharset(DEFAULT_CHARSET);
}

}  // namespace

TForm1::TForm1(TComponent* owner, CommandLineArgs args) : TForm(owner), args_(std::move(args)) {
  ReadStoredLayout();
  DoCreate();
}

void TForm1::ReadStoredLayout() {
  StoredLayout layout(*this);
  SetName("Form1");
  SetLeft(233);
  SetTop(103);
  SetBorderStyle(TFormBorderStyle::bsDialog);
  SetCaption("ANSI > UTF-8  ::  UTF-8 > ANSI  ::  v. 1.1");
  SetClientSize(688, 404);
  SetColor(kFormColor);
  Font().SetName("MS Sans Serif");
  Font().SetHeight(-11);
  Font().SetColor(clWindowText);
  Font().SetCharset(DEFAULT_CHARSET);
  SetKeyPreview(true);
  SetPosition(TPosition::poDesktopCenter);
  OnCreate = [this](TComponent* sender) { FormCreate(sender); };

  sPanel1 = layout.Add<TsPanel>("sPanel1");
  sPanel1->SetParent(this);
  sPanel1->SetBounds(0, 0, 688, 385);
  sPanel1->SetAlign(TAlign::alClient);
  sPanel1->SetTabOrder(0);
  sPanel1->SkinData().SetSkinSection("ALPHAEDIT");

  auto addButton = [&](TsSpeedButton*& button, const char* name, int left, int width) {
    button = layout.Add<TsSpeedButton>(name);
    button->SetParent(sPanel1);
    button->SetBounds(left, 184, width, 22);
    button->SetCursor(TCursor::crHandPoint);
  };
  addButton(sSpeedButton1, "sSpeedButton1", 200, 121);
  sSpeedButton1->SetCaption("ANSI > UTF-8");
  sSpeedButton1->OnClick = [this](TComponent* sender) { sSpeedButton1Click(sender); };
  sSpeedButton1->SkinData().SetSkinSection("BARTITLE");

  addButton(sSpeedButton2, "sSpeedButton2", 328, 121);
  sSpeedButton2->SetCaption("UTF-8 > ANSI");
  sSpeedButton2->OnClick = [this](TComponent* sender) { sSpeedButton2Click(sender); };
  sSpeedButton2->SkinData().SetSkinSection("BARTITLE");

  addButton(sSpeedButton3, "sSpeedButton3", 464, 49);
  sSpeedButton3->SetGlyph(OverwriteGlyph());
  sSpeedButton3->SetHint("Перезаписать исходный файл");
  sSpeedButton3->SetShowHint(true);
  sSpeedButton3->SetVisible(false);
  sSpeedButton3->OnClick = [this](TComponent* sender) { sSpeedButton3Click(sender); };
  sSpeedButton3->SkinData().SetSkinSection("EDIT");

  auto addMemo = [&](TsMemo*& memo, const char* name, RECT bounds, int tabOrder) {
    memo = layout.Add<TsMemo>(name);
    // The styles of its window come first, so that the window is made once:
    // each change of them makes a window anew.
    memo->SetScrollBars(TScrollStyle::ssBoth);
    memo->SetWordWrap(false);
    memo->SetParent(sPanel1);
    memo->SetBounds(bounds.left, bounds.top, bounds.right, bounds.bottom);
    memo->SetColor(clWhite);
    SetMemoFont(memo->Font());
    memo->Lines().Assign(std::vector<std::string>{" "});
    memo->SetTabOrder(tabOrder);
    memo->OnEnter = [this](TComponent* sender) { sMemo1Enter(sender); };
    memo->SkinData().SetSkinSection("EDIT");
  };
  addMemo(sMemo1, "sMemo1", {8, 8, 673, 169}, 0);
  addMemo(sMemo2, "sMemo2", {7, 216, 673, 161}, 1);
  sMemo2->SetReadOnly(true);

  sStatusBar1 = layout.Add<TsStatusBar>("sStatusBar1");
  sStatusBar1->SetParent(this);
  sStatusBar1->SetBounds(0, 385, 688, 19);
  sStatusBar1->SetCursor(TCursor::crHandPoint);
  sStatusBar1->SetHint(kWebAddress);
  sStatusBar1->SetShowHint(true);
  sStatusBar1->SetSimplePanel(true);
  sStatusBar1->SetSimpleText(kCreditLine);
  sStatusBar1->OnClick = [this](TComponent* sender) { sStatusBar1Click(sender); };
  sStatusBar1->SkinData().SetSkinSection("STATUSBAR");

  // Setting the name loads the internal skin (unless a skin folder of that
  // name exists) and applies it; loading completes by applying it once more.
  sSkinManager1 = layout.Add<TsSkinManager>("sSkinManager1");
  sSkinManager1->SetInternalSkins({ElegantInternalSkin()});
  sSkinManager1->MenuSupport().IcoLineSkin = "ICOLINE";
  sSkinManager1->MenuSupport().ExtraLineFont = {"MS Sans Serif", -11, clWindowText, DEFAULT_CHARSET,
                                                0};
  sSkinManager1->SetSkinDirectory(kDefaultSkinDirectory);
  try {
    sSkinManager1->SetSkinName(kElegantSkinName);
  } catch (const SkinLoadError&) {
    // A skin folder of that name that cannot be loaded: the manager shows the
    // internal skin instead, and before the window exists nobody is asked.
  }
  sSkinManager1->SetSkinInfo("4.81");

  // The frame is drawn from the skin: an edit-like window section under the
  // title section, and only the close button.
  sSkinProvider1 = layout.Add<TsSkinProvider>("sSkinProvider1");
  sSkinProvider1->SkinData().SetSkinSection("EDIT");
  sSkinProvider1->SetTitleSkin("FORMTITLE");

  SetActiveControl(sMemo1);
  layout.Finish();
}

void TForm1::FormCreate(TComponent*) {
  if (args_.ParamCount() < 1) return;
  try {
    const WaitCursor wait;
    loadedFilePath_ = ToWide(args_.ParamStr(1));
    LoadLinesFromFile(sMemo1->Lines(), loadedFilePath_);
    sStatusBar1->SetSimpleText(sStatusBar1->SimpleText() + kFileLabel + Narrow(loadedFilePath_));
    sSpeedButton3->SetVisible(true);
  } catch (const std::exception&) {
    Application()->MessageBox(kLoadErrorText);
  }
}

void TForm1::sSpeedButton1Click(TComponent*) {
  ShowConverted(ConvertAnsiToUtf8);
}

void TForm1::sSpeedButton2Click(TComponent*) {
  ShowConverted(ConvertUtf8ToAnsi);
}

void TForm1::ShowConverted(std::string (*convert)(std::string_view)) {
  const WaitCursor wait;
  // The copy of the upper memo's text goes before the lower memo takes the
  // result: a big text is never held more often than needed.
  const std::string result = convert(sMemo1->Text());
  sMemo2->SetText(result);
}

void TForm1::sSpeedButton3Click(TComponent*) {
  try {
    SaveLinesToFile(sMemo2->Lines(), loadedFilePath_);
  } catch (const std::exception&) {
    Application()->MessageBox(kSaveErrorText);
  }
}

void TForm1::sMemo1Enter(TComponent* sender) {
  if (auto* memo = dynamic_cast<TsMemo*>(sender)) memo->SelectAll();
}

void TForm1::sStatusBar1Click(TComponent*) {
  // The shell is loaded when it is first needed, not at every start: under
  // Wine it and what it loads take a fifth of a bare window's start-up.
  using ShellExecuteFunction = HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
  HMODULE shell = LoadLibraryW(L"shell32.dll");
  if (shell == nullptr) return;
  // (Through a function type without parameters, which any function type may
  // be cast from and to.)
  const auto execute = reinterpret_cast<ShellExecuteFunction>(
      reinterpret_cast<void (*)()>(GetProcAddress(shell, "ShellExecuteA")));
  if (execute != nullptr) execute(Handle(), "open", kWebAddress, "", "", SW_SHOW);
}

}  // namespace au
