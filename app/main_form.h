// The converter's window: an editable upper memo, a read-only lower memo, the
// two conversion buttons between them, a button that writes the lower memo
// back over the file named on the command line, and a status bar with a
// credit line that opens the project's web page when clicked.
#pragma once

#include <string>
#include <string_view>

#include "app/core/command_line.h"
#include "controls/ts_memo.h"
#include "controls/ts_panel.h"
#include "controls/ts_speed_button.h"
#include "controls/ts_status_bar.h"
#include "frame/skin_provider.h"
#include "skin/skin_manager.h"
#include "ui/form.h"

namespace au {

inline constexpr char kWebAddress[] = "https://www.example.com/ansi2utf8/";
inline constexpr char kCreditLine[] =
    "ANSI <> UTF-8 converter, 2026  ::  https://www.example.com/ansi2utf8/";
inline constexpr char kLoadErrorText[] = "Упс, ошибка при загрузке файла...";
inline constexpr char kSaveErrorText[] = "Упс, ошибка при сохранении файла...";
inline constexpr char kFileLabel[] = "  ::  Файл: ";

class TForm1 : public TForm {
 public:
  // `args` are the program's arguments; argument 1 names the file to load.
  TForm1(TComponent* owner, CommandLineArgs args);

  TsPanel* sPanel1 = nullptr;
  TsSpeedButton* sSpeedButton1 = nullptr;
  TsSpeedButton* sSpeedButton2 = nullptr;
  TsSpeedButton* sSpeedButton3 = nullptr;
  TsMemo* sMemo1 = nullptr;
  TsMemo* sMemo2 = nullptr;
  TsStatusBar* sStatusBar1 = nullptr;
  TsSkinManager* sSkinManager1 = nullptr;
  TsSkinProvider* sSkinProvider1 = nullptr;

  void FormCreate(TComponent* sender);
  void sSpeedButton1Click(TComponent* sender);
  void sSpeedButton2Click(TComponent* sender);
  void sSpeedButton3Click(TComponent* sender);
  void sMemo1Enter(TComponent* sender);
  void sStatusBar1Click(TComponent* sender);

  // Argument 1 exactly as given, empty until the window has been created with one.
  const std::wstring& LoadedFilePath() const { return loadedFilePath_; }

 private:
  void ReadStoredLayout();
  // Lower memo := `convert` of the upper memo's text.
  void ShowConverted(std::string (*convert)(std::string_view));

  CommandLineArgs args_;
  std::wstring loadedFilePath_;
};

}  // namespace au
