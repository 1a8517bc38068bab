// The converter measured under Wine against the platform itself, in one run:
// start-up to idle and a full repaint against a bare window of the same
// layout built from platform controls (another process, driven the same
// way); opening files and converting a big text against the platform's
// floor, one WM_SETTEXT of the same text into an edit control of that bare
// window (painted); switching skins against the bare window's full repaint.
// Each figure is the median of several runs and is printed beside its
// reference and as a ratio, as a Markdown table.
//
//   app_bench.exe <ansi2utf8.exe> <bare_window.exe> [--runs N] [--skip files|skins|huge]...
//
// Start-up and the full repaint are always measured; the others can be left
// out ("files": opening 1 MB and 10.9 MB, converting 10.9 MB; "huge": 100 MB).
// Runs in code page 1251 (LANG=ru_RU.UTF-8 under Wine): the texts are Russian.
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "bench/wine/bare_window.h"
#include "bench/wine/process_driver.h"
#include "bench/wine/sample_text.h"
#include "bench/wine/skin_switch.h"

namespace au::bench {
namespace {

constexpr int kCyrillicLines = 200000;  // 10.9 MB
constexpr size_t kSmallFileBytes = 1 << 20;
constexpr size_t kHugeFileBytes = 100000000;
constexpr int kRepaints = 15;
constexpr wchar_t kMainWindowTitle[] = L"ANSI > UTF-8  ::  UTF-8 > ANSI  ::  v. 1.1";

struct Options {
  std::wstring program;
  std::wstring bare;
  int runs = 5;
  bool files = true;
  bool skins = true;
  bool huge = true;
};

std::optional<Options> ParseOptions(int argc, wchar_t** argv) {
  Options options;
  std::vector<std::wstring> paths;
  for (int i = 1; i < argc; ++i) {
    const std::wstring arg = argv[i];
    if (arg == L"--runs" && i + 1 < argc) {
      options.runs = std::max(1, _wtoi(argv[++i]));
    } else if (arg == L"--skip" && i + 1 < argc) {
      const std::wstring part = argv[++i];
      if (part == L"files") options.files = false;
      if (part == L"skins") options.skins = false;
      if (part == L"huge") options.huge = false;
    } else {
      paths.push_back(arg);
    }
  }
  if (paths.size() != 2) return std::nullopt;
  options.program = paths[0];
  options.bare = paths[1];
  return options;
}

double Median(std::vector<double> values) {
  if (values.empty()) return NAN;
  std::sort(values.begin(), values.end());
  const size_t mid = values.size() / 2;
  return values.size() % 2 == 1 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
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

// One line of the table: the program's figure beside its reference.
struct Row {
  std::string measure;
  double program = NAN;
  std::string reference;
  double referenceSeconds = NAN;
  double goal = 0;  // the ratio to stay at or under; 0: none
  std::string note;
};

void PrintTable(const std::vector<Row>& rows) {
  printf("\n| Measure | Program | Reference | Ratio | Goal | Note |\n");
  printf("|---|---:|---|---:|---|---|\n");
  for (const Row& row : rows) {
    const double ratio = row.program / row.referenceSeconds;
    char ratioText[32] = "–";
    if (std::isfinite(ratio)) snprintf(ratioText, sizeof(ratioText), "%.2f", ratio);
    char goalText[48] = "";
    if (row.goal > 0 && std::isfinite(ratio)) {
      snprintf(goalText, sizeof(goalText), "≤ %.2f: %s", row.goal,
               ratio <= row.goal ? "met" : "not met");
    }
    printf("| %s | %s | %s %s | %s | %s | %s |\n", row.measure.c_str(),
           Milliseconds(row.program).c_str(), row.reference.c_str(),
           Milliseconds(row.referenceSeconds).c_str(), ratioText, goalText, row.note.c_str());
  }
  fflush(stdout);
}

void Progress(const char* format, ...) {
  va_list args;
  va_start(args, format);
  vfprintf(stderr, format, args);
  va_end(args);
  fputc('\n', stderr);
  fflush(stderr);
}

void PumpOwnMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

std::wstring Quoted(const std::wstring& path) {
  return L"\"" + path + L"\"";
}

// The files of one run, written into a folder of their own.
struct Samples {
  std::wstring folder;
  std::string text;      // 10.9 MB, code page 1251, LF
  std::string textCrLf;  // as the memo holds it
  std::string utf8CrLf;  // its UTF-8 form as the memo holds it
  std::wstring small;    // the first 1 MB of it
  size_t smallCrLfBytes = 0;
  std::wstring big;
  std::wstring bigUtf8;
  std::wstring huge;
};

std::optional<Samples> WriteSamples(bool huge) {
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  Samples s;
  s.folder = std::wstring(temp) + L"ansiutf8-bench-" + std::to_wstring(GetCurrentProcessId());
  CreateDirectoryW(s.folder.c_str(), nullptr);
  s.text = CyrillicText(kCyrillicLines);
  s.textCrLf = WithCrLf(s.text);
  s.utf8CrLf = Cp1251ToUtf8(s.textCrLf);
  const std::string small = LeadingLines(s.text, kSmallFileBytes);
  s.smallCrLfBytes = WithCrLf(small).size();
  s.small = s.folder + L"\\small.txt";
  s.big = s.folder + L"\\big.txt";
  s.bigUtf8 = s.folder + L"\\big-utf8.txt";
  s.huge = s.folder + L"\\huge.txt";
  bool ok = WriteFileBytes(s.small, small) && WriteFileBytes(s.big, s.text) &&
            WriteFileBytes(s.bigUtf8, Cp1251ToUtf8(s.text));
  if (huge) ok = ok && WriteFileBytes(s.huge, RepeatedTo(s.text, kHugeFileBytes));
  if (!ok) return std::nullopt;
  Progress("samples: %s, %s, %s (UTF-8)%s", Megabytes(static_cast<double>(small.size())).c_str(),
           Megabytes(static_cast<double>(s.text.size())).c_str(),
           Megabytes(static_cast<double>(s.utf8CrLf.size())).c_str(), huge ? ", 100 MB" : "");
  return s;
}

void RemoveSamples(const Samples& s) {
  for (const std::wstring& file : {s.small, s.big, s.bigUtf8, s.huge}) DeleteFileW(file.c_str());
  RemoveDirectoryW(s.folder.c_str());
}

// One WM_SETTEXT of `text` into the upper edit control of a bare window of
// this process, painted: the least the platform needs to show that text.
std::vector<double> SetTextFloor(const BareWindow& w, const std::string& text, int runs) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    SendMessageA(w.upper, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    PumpOwnMessages();
    const double start = Now();
    SendMessageA(w.upper, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    RedrawWindow(w.frame, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    times.push_back(Now() - start);
  }
  SendMessageA(w.upper, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
  PumpOwnMessages();
  return times;
}

struct Floors {
  double small = NAN;
  double big = NAN;
  double utf8 = NAN;
};

Floors MeasureFloors(const Samples& s, int runs) {
  Progress("floor: WM_SETTEXT into a plain edit control");
  const BareWindow w = CreateBareWindow();
  PumpOwnMessages();
  Floors f;
  f.small = Median(SetTextFloor(w, s.textCrLf.substr(0, s.smallCrLfBytes), runs));
  f.big = Median(SetTextFloor(w, s.textCrLf, runs));
  f.utf8 = Median(SetTextFloor(w, s.utf8CrLf, runs));
  DestroyWindow(w.frame);
  PumpOwnMessages();
  return f;
}

// Start-up to idle of the program and of the bare window, in turns.
struct StartUp {
  double program = NAN;
  double bare = NAN;
  size_t programPeak = 0;
};

// Start-ups are quick and noisy: more of them, after one of each that is not
// counted (the first start of a program reads it from disk).
StartUp MeasureStartUp(const Options& o, int runs) {
  Progress("start-up to idle");
  std::vector<double> program;
  std::vector<double> bare;
  std::vector<double> peaks;
  for (int i = -1; i < 2 * runs + 1; ++i) {
    double t = 0;
    {
      Program p(o.program, L"", t);
      if (p.Started() && i >= 0) program.push_back(t);
      peaks.push_back(static_cast<double>(p.PeakWorkingSet()));
    }
    {
      Program b(o.bare, L"", t);
      if (b.Started() && i >= 0) bare.push_back(t);
    }
  }
  return {Median(program), Median(bare), static_cast<size_t>(Median(peaks))};
}

// Full repaints of both windows, side by side so that neither covers the other.
std::pair<double, double> MeasureRepaint(const Options& o) {
  Progress("full repaint");
  double t = 0;
  Program p(o.program, L"", t);
  Program b(o.bare, L"", t);
  if (!p.Started() || !b.Started()) return {NAN, NAN};
  SetWindowPos(p.Window(), nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  SetWindowPos(b.Window(), nullptr, 0, 520, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  p.WaitIdleAndPainted();
  b.WaitIdleAndPainted();
  std::vector<double> program;
  std::vector<double> bare;
  for (int i = 0; i < kRepaints; ++i) {
    for (auto [process, times] : {std::pair{&p, &program}, std::pair{&b, &bare}}) {
      const double start = Now();
      RepaintAll(process->Window());
      process->WaitIdleAndPainted();
      times->push_back(Now() - start);
    }
  }
  return {Median(program), Median(bare)};
}

// The program started with `file`: seconds to idle, or nothing when it did
// not show its window with the text of the expected length.
struct Opened {
  std::vector<double> times;
  int failures = 0;
};

// Starts the program with `file` `runs` times; `then` runs on each started
// program whose upper memo holds `expectedBytes` bytes.
Opened OpenRuns(const Options& o, const std::wstring& file, size_t expectedBytes, int runs,
                const std::function<void(Program&)>& then = {}) {
  Opened opened;
  for (int i = 0; i < runs; ++i) {
    double t = 0;
    Program p(o.program, Quoted(file), t);
    const std::vector<HWND> memos = p.Started() ? EditControls(p.Window()) : std::vector<HWND>{};
    if (memos.size() != 2 || WindowTextOf(memos[0]).size() != expectedBytes) {
      ++opened.failures;
      continue;
    }
    opened.times.push_back(t);
    if (then) then(p);
  }
  return opened;
}

// Clicks a conversion button and waits until the lower memo holds its text
// and the window is painted; checks the text.
void Convert(Program& p, POINT button, const std::string& expected, std::vector<double>& times,
             int& failures) {
  const std::vector<HWND> memos = EditControls(p.Window());
  const double start = Now();
  ClickAt(p.Window(), button);
  p.WaitIdleAndPainted();
  const double seconds = Now() - start;
  if (WindowTextOf(memos[1]) != expected) {
    ++failures;
    return;
  }
  times.push_back(seconds);
}

std::string FailureNote(int failures, const char* what) {
  return failures == 0 ? "" : std::to_string(failures) + " run(s) " + what;
}

std::string Joined(const std::string& a, const std::string& b) {
  return a.empty() || b.empty() ? a + b : a + "; " + b;
}

void MeasureFiles(const Options& o, const Samples& s, const StartUp& startUp,
                  std::vector<Row>& rows) {
  const Floors floor = MeasureFloors(s, o.runs);
  Progress("opening 1 MB");
  const Opened small = OpenRuns(o, s.small, s.smallCrLfBytes, o.runs);
  rows.push_back({"Opening 1 MB", Median(small.times) - startUp.program, "one WM_SETTEXT",
                  floor.small, 2.0,
                  Joined("start-up with the file less start-up without",
                         FailureNote(small.failures, "failed"))});

  Progress("opening 10.9 MB and converting it to UTF-8");
  std::vector<double> toUtf8;
  int toUtf8Failures = 0;
  const Opened big = OpenRuns(o, s.big, s.textCrLf.size(), o.runs, [&](Program& p) {
    Convert(p, kAnsiToUtf8Button, s.utf8CrLf, toUtf8, toUtf8Failures);
  });
  rows.push_back({"Opening 10.9 MB", Median(big.times) - startUp.program, "one WM_SETTEXT",
                  floor.big, 2.0, FailureNote(big.failures, "failed")});
  char utf8Floor[160];
  snprintf(utf8Floor, sizeof(utf8Floor), "its %s result alone takes %s in one WM_SETTEXT",
           Megabytes(static_cast<double>(s.utf8CrLf.size())).c_str(),
           Milliseconds(floor.utf8).c_str());
  rows.push_back({"ANSI > UTF-8, 10.9 MB", Median(toUtf8), "one WM_SETTEXT of the 10.9 MB",
                  floor.big, 2.0, Joined(utf8Floor, FailureNote(toUtf8Failures, "wrong"))});

  Progress("converting UTF-8 to 10.9 MB of ANSI");
  std::vector<double> toAnsi;
  int toAnsiFailures = 0;
  const Opened utf8 = OpenRuns(o, s.bigUtf8, s.utf8CrLf.size(), o.runs, [&](Program& p) {
    Convert(p, kUtf8ToAnsiButton, s.textCrLf, toAnsi, toAnsiFailures);
  });
  rows.push_back({"UTF-8 > ANSI, to 10.9 MB", Median(toAnsi), "one WM_SETTEXT of the 10.9 MB",
                  floor.big, 2.0,
                  FailureNote(toAnsiFailures + utf8.failures, "wrong or not opened")});
}

void MeasureSkins(const Options& o, double bareRepaint, std::vector<Row>& rows) {
  const std::vector<std::string> skins = OfferedSkins();
  const auto builtIn = std::find(skins.begin(), skins.end(), "Elegant (internal)");
  if (skins.size() < 2 || builtIn == skins.end()) {
    rows.push_back({"Switching skins", NAN, "bare window's full repaint", bareRepaint, 0,
                    "no skin folder installed in C:\\Skins"});
    return;
  }
  Progress("switching skins");
  double t = 0;
  Program p(o.program, L"", t);
  if (!p.Started()) return;
  const int home = static_cast<int>(builtIn - skins.begin());
  const std::uint64_t homePixels = TitlePixelsOf(p.Window());
  for (int i = 0; i < static_cast<int>(skins.size()); ++i) {
    if (i == home) continue;
    std::vector<double> there;
    std::vector<double> back;
    int unchanged = 0;
    for (int run = 0; run < o.runs; ++run) {
      there.push_back(ChooseSkin(p, i));
      if (TitlePixelsOf(p.Window()) == homePixels) ++unchanged;
      back.push_back(ChooseSkin(p, home));
      if (TitlePixelsOf(p.Window()) != homePixels) ++unchanged;
    }
    const std::string note = FailureNote(unchanged, "showed no change");
    rows.push_back({"Skin \"" + skins[static_cast<size_t>(i)] + "\"", Median(there),
                    "bare window's full repaint", bareRepaint, 0, note});
    rows.push_back({"Back to the built-in skin", Median(back), "bare window's full repaint",
                    bareRepaint, 0, note});
  }
}

void MeasureHuge(const Options& o, const Samples& s, const StartUp& startUp,
                 std::vector<Row>& rows) {
  Progress("opening 100 MB");
  double t = 0;
  Program p(o.program, Quoted(s.huge), t);
  std::string outcome = "did not start";
  if (p.Started()) {
    const std::vector<HWND> memos = EditControls(p.Window());
    const bool shown = p.Title() == kMainWindowTitle && memos.size() == 2;
    const double peak = static_cast<double>(p.PeakWorkingSet());
    const double budget =
        6.0 * static_cast<double>(kHugeFileBytes) + static_cast<double>(startUp.programPeak);
    outcome =
        (shown
             ? "opened, " +
                   Megabytes(static_cast<double>(SendMessageW(memos[0], WM_GETTEXTLENGTH, 0, 0))) +
                   " in the memo"
             : "load message") +
        "; peak working set " + Megabytes(peak) + " (budget " + Megabytes(budget) + ")";
  }
  rows.push_back({"Opening 100 MB", t - startUp.program, "not compared", NAN, 0, outcome});
}

int Run(const Options& o) {
  if (GetACP() != 1251) {
    fprintf(stderr, "app_bench: needs code page 1251 (LANG=ru_RU.UTF-8 under Wine)\n");
    return 2;
  }
  const std::optional<Samples> samples = WriteSamples(o.huge);
  if (!samples) {
    fprintf(stderr, "app_bench: cannot write the sample files\n");
    return 2;
  }
  const Samples& s = *samples;
  std::vector<Row> rows;
  // The pointer rests off the windows: the program's buttons would otherwise
  // start their hover animations, and the platform's their hot look.
  SetCursorPos(0, 0);

  const StartUp startUp = MeasureStartUp(o, o.runs);
  rows.push_back({"Start-up to idle", startUp.program, "bare window", startUp.bare, 1.15, ""});
  const auto [repaint, bareRepaint] = MeasureRepaint(o);
  rows.push_back({"Full repaint", repaint, "bare window", bareRepaint, 1.0, ""});
  if (o.files) MeasureFiles(o, s, startUp, rows);
  if (o.skins) MeasureSkins(o, bareRepaint, rows);
  if (o.huge) MeasureHuge(o, s, startUp, rows);
  RemoveSamples(s);
  PrintTable(rows);
  return 0;
}

}  // namespace
}  // namespace au::bench

int wmain(int argc, wchar_t** argv) {
  const auto options = au::bench::ParseOptions(argc, argv);
  if (!options) {
    fprintf(stderr,
            "usage: app_bench <ansi2utf8.exe> <bare_window.exe> [--runs N] [--skip "
            "files|skins|huge]...\n");
    return 2;
  }
  return au::bench::Run(*options);
}
