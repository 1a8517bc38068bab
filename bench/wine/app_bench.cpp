// The converter measured under Wine against the platform itself, in one run:
// start-up to idle and a full repaint against a bare window of the same
// layout built from platform controls (another process, driven the same
// way); opening files and converting a big text against the platform's
// floor, one WM_SETTEXT of the same text into an edit control of such a bare
// window (painted); switching skins against the bare window's full repaint.
// Program and reference are run in turn, and the table shows the medians and
// the median of the ratios of each turn (bench_table.h).
//
//   app_bench.exe <ansi2utf8.exe> <bare_window.exe> [--runs N] [--skip files|skins|huge]...
//
// Start-up and the full repaint are always measured; the others can be left
// out ("files": opening 1 MB and 10.9 MB, converting 10.9 MB; "huge": 100 MB).
// Runs in code page 1251 (LANG=ru_RU.UTF-8 under Wine): the texts are Russian.
#include <windows.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "bench/wine/bare_window.h"
#include "bench/wine/bench_table.h"
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

std::string FailureNote(int failures, const char* what) {
  return failures == 0 ? "" : std::to_string(failures) + " run(s) " + what;
}

// The files of one run, written into a folder of their own.
struct Samples {
  std::wstring folder;
  std::string textCrLf;   // 10.9 MB of code page 1251 as the memo holds it
  std::string smallCrLf;  // its first 1 MB
  std::string utf8CrLf;   // its UTF-8 form
  std::wstring small;
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
  const std::string text = CyrillicText(kCyrillicLines);
  const std::string small = LeadingLines(text, kSmallFileBytes);
  s.textCrLf = WithCrLf(text);
  s.smallCrLf = WithCrLf(small);
  s.utf8CrLf = Cp1251ToUtf8(s.textCrLf);
  s.small = s.folder + L"\\small.txt";
  s.big = s.folder + L"\\big.txt";
  s.bigUtf8 = s.folder + L"\\big-utf8.txt";
  s.huge = s.folder + L"\\huge.txt";
  bool ok = WriteFileBytes(s.small, small) && WriteFileBytes(s.big, text) &&
            WriteFileBytes(s.bigUtf8, Cp1251ToUtf8(text));
  if (huge) ok = ok && WriteFileBytes(s.huge, RepeatedTo(text, kHugeFileBytes));
  if (!ok) return std::nullopt;
  Progress("samples: %s, %s, %s (UTF-8)%s", Megabytes(static_cast<double>(small.size())).c_str(),
           Megabytes(static_cast<double>(text.size())).c_str(),
           Megabytes(static_cast<double>(s.utf8CrLf.size())).c_str(), huge ? ", 100 MB" : "");
  return s;
}

void RemoveSamples(const Samples& s) {
  for (const std::wstring& file : {s.small, s.big, s.bigUtf8, s.huge}) DeleteFileW(file.c_str());
  RemoveDirectoryW(s.folder.c_str());
}

// One WM_SETTEXT of `text` into the upper edit control of the bare window
// of this process, painted: the least the platform needs to show that text.
double SetTextFloor(const BareWindow& w, const std::string& text) {
  SendMessageA(w.upper, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
  PumpOwnMessages();
  const double start = Now();
  SendMessageA(w.upper, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  RedrawWindow(w.frame, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  const double seconds = Now() - start;
  SendMessageA(w.upper, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
  PumpOwnMessages();
  return seconds;
}

// Start-ups are quick and noisy: more of them, after one of each that is not
// counted (the first start of a program reads it from disk).
Row MeasureStartUp(const Options& o, size_t& programPeak) {
  Progress("start-up to idle");
  Row row{"Start-up to idle", {}, "bare window", {}, 1.15, ""};
  std::vector<double> peaks;
  for (int i = -1; i < 2 * o.runs + 1; ++i) {
    double program = 0;
    double bare = 0;
    {
      const Program p(o.program, L"", program);
      peaks.push_back(static_cast<double>(p.PeakWorkingSet()));
    }
    { const Program b(o.bare, L"", bare); }
    if (i < 0 || program <= 0 || bare <= 0) continue;
    row.program.push_back(program);
    row.references.push_back(bare);
  }
  programPeak = static_cast<size_t>(Median(peaks));
  return row;
}

// Full repaints of both windows in turn, side by side so that neither covers
// the other.
Row MeasureRepaint(const Options& o) {
  Progress("full repaint");
  Row row{"Full repaint", {}, "bare window", {}, 1.0, ""};
  double t = 0;
  const Program p(o.program, L"", t);
  const Program b(o.bare, L"", t);
  if (!p.Started() || !b.Started()) return row;
  SetWindowPos(p.Window(), nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  SetWindowPos(b.Window(), nullptr, 0, 520, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  p.WaitIdleAndPainted();
  b.WaitIdleAndPainted();
  const auto repaint = [](const Program& process) {
    const double start = Now();
    RepaintAll(process.Window());
    process.WaitIdleAndPainted();
    return Now() - start;
  };
  for (int i = 0; i < kRepaints; ++i) {
    row.program.push_back(repaint(p));
    row.references.push_back(repaint(b));
  }
  return row;
}

// Starts the program with `file` and, when its upper memo holds
// `expectedBytes` bytes, runs `then` on it; returns the time to idle, or
// nothing when it did not show the text.
std::optional<double> Open(const Options& o, const std::wstring& file, size_t expectedBytes,
                           const std::function<void(Program&)>& then = {}) {
  double t = 0;
  Program p(o.program, Quoted(file), t);
  const std::vector<HWND> memos = p.Started() ? EditControls(p.Window()) : std::vector<HWND>{};
  if (memos.size() != 2 || WindowTextOf(memos[0]).size() != expectedBytes) return std::nullopt;
  if (then) then(p);
  return t;
}

// Clicks a conversion button and waits until the lower memo holds its text
// and the window is painted; nothing when the text is not `expected`.
std::optional<double> Convert(Program& p, POINT button, const std::string& expected) {
  const std::vector<HWND> memos = EditControls(p.Window());
  const double start = Now();
  ClickAt(p.Window(), button);
  p.WaitIdleAndPainted();
  const double seconds = Now() - start;
  if (WindowTextOf(memos[1]) != expected) return std::nullopt;
  return seconds;
}

// Opening 1 MB and 10.9 MB and converting 10.9 MB both ways, each run next
// to one WM_SETTEXT of the same text into a bare window of this process. An
// opening is the start-up with the file less the start-up without.
void MeasureFiles(const Options& o, const Samples& s, double startUp, std::vector<Row>& rows) {
  const BareWindow floor = CreateBareWindow();
  PumpOwnMessages();
  Row small{"Opening 1 MB", {}, "one WM_SETTEXT", {}, 2.0, ""};
  Row big{"Opening 10.9 MB", {}, "one WM_SETTEXT", {}, 2.0, ""};
  Row toUtf8{"ANSI > UTF-8, 10.9 MB", {}, "one WM_SETTEXT of the 10.9 MB", {}, 2.0, ""};
  Row toAnsi{"UTF-8 > ANSI, to 10.9 MB", {}, "one WM_SETTEXT of the 10.9 MB", {}, 2.0, ""};
  std::vector<double> utf8Floors;
  int failures[4] = {};
  for (int run = 0; run < o.runs; ++run) {
    Progress("files, run %d of %d", run + 1, o.runs);
    const double smallFloor = SetTextFloor(floor, s.smallCrLf);
    if (const auto t = Open(o, s.small, s.smallCrLf.size())) {
      small.program.push_back(*t - startUp);
      small.references.push_back(smallFloor);
    } else {
      ++failures[0];
    }
    const double bigFloor = SetTextFloor(floor, s.textCrLf);
    std::optional<double> converted;
    if (const auto t = Open(o, s.big, s.textCrLf.size(), [&](Program& p) {
          converted = Convert(p, kAnsiToUtf8Button, s.utf8CrLf);
        })) {
      big.program.push_back(*t - startUp);
      big.references.push_back(bigFloor);
    } else {
      ++failures[1];
    }
    if (converted) {
      toUtf8.program.push_back(*converted);
      toUtf8.references.push_back(bigFloor);
    } else {
      ++failures[2];
    }
    utf8Floors.push_back(SetTextFloor(floor, s.utf8CrLf));
    converted.reset();
    Open(o, s.bigUtf8, s.utf8CrLf.size(),
         [&](Program& p) { converted = Convert(p, kUtf8ToAnsiButton, s.textCrLf); });
    if (converted) {
      toAnsi.program.push_back(*converted);
      toAnsi.references.push_back(bigFloor);
    } else {
      ++failures[3];
    }
  }
  DestroyWindow(floor.frame);
  PumpOwnMessages();
  small.note =
      Joined("start-up with the file less start-up without", FailureNote(failures[0], "failed"));
  big.note = FailureNote(failures[1], "failed");
  toUtf8.note =
      Joined("its " + Megabytes(static_cast<double>(s.utf8CrLf.size())) + " result alone takes " +
                 Milliseconds(Median(utf8Floors)) + " in one WM_SETTEXT",
             FailureNote(failures[2], "wrong"));
  toAnsi.note = FailureNote(failures[3], "wrong or not opened");
  rows.insert(rows.end(), {small, big, toUtf8, toAnsi});
}

void MeasureSkins(const Options& o, double bareRepaint, std::vector<Row>& rows) {
  const std::vector<std::string> skins = OfferedSkins();
  const auto builtIn = std::find(skins.begin(), skins.end(), "Elegant (internal)");
  if (skins.size() < 2 || builtIn == skins.end()) {
    rows.push_back({"Switching skins",
                    {},
                    "bare window's full repaint",
                    {bareRepaint},
                    0,
                    "no skin folder installed in C:\\Skins"});
    return;
  }
  Progress("switching skins");
  double t = 0;
  const Program p(o.program, L"", t);
  if (!p.Started()) return;
  const int home = static_cast<int>(builtIn - skins.begin());
  const std::uint64_t homePixels = TitlePixelsOf(p.Window());
  for (int i = 0; i < static_cast<int>(skins.size()); ++i) {
    if (i == home) continue;
    Row there{"Skin \"" + skins[static_cast<size_t>(i)] + "\"",
              {},
              "bare window's full repaint",
              {bareRepaint},
              0,
              ""};
    Row back{"Back to the built-in skin", {}, "bare window's full repaint", {bareRepaint}, 0, ""};
    int unchanged = 0;
    int closed = 0;
    int refused = 0;
    int lookAlike = 0;
    // A choice counts when the menu opened, no message box said the skin
    // could not be loaded, and coming back showed the built-in look again. A
    // skin may look as the built-in one does (the built-in skin exported to a
    // folder does): that is noted, not refused.
    const auto choose = [&](Row& row, int index, bool home) {
      const double seconds = ChooseSkin(p, index);
      if (seconds < 0) {
        ++closed;
        return;
      }
      if (CloseMessageBoxes(p)) {
        ++refused;
        return;
      }
      const bool looksHome = TitlePixelsOf(p.Window()) == homePixels;
      if (home && !looksHome) {
        ++unchanged;
        return;
      }
      if (!home && looksHome) ++lookAlike;
      row.program.push_back(seconds);
    };
    for (int run = 0; run < o.runs; ++run) {
      choose(there, i, false);
      choose(back, home, true);
    }
    there.note = Joined(Joined(FailureNote(lookAlike, "looked as the built-in skin"),
                               FailureNote(refused, "could not load it")),
                        FailureNote(closed, "found no menu"));
    back.note = FailureNote(unchanged, "did not show the built-in look");
    rows.insert(rows.end(), {there, back});
  }
}

void MeasureHuge(const Options& o, const Samples& s, double startUp, size_t programPeak,
                 std::vector<Row>& rows) {
  Progress("opening 100 MB");
  double t = 0;
  const Program p(o.program, Quoted(s.huge), t);
  std::string outcome = "did not start";
  if (p.Started()) {
    const std::vector<HWND> memos = EditControls(p.Window());
    const bool shown = p.Title() == kMainWindowTitle && memos.size() == 2;
    const double peak = static_cast<double>(p.PeakWorkingSet());
    const double budget =
        6.0 * static_cast<double>(kHugeFileBytes) + static_cast<double>(programPeak);
    const auto held =
        static_cast<double>(shown ? SendMessageW(memos[0], WM_GETTEXTLENGTH, 0, 0) : 0);
    outcome = (shown ? "opened, " + Megabytes(held) + " in the memo" : "load message") +
              "; peak working set " + Megabytes(peak) + " (at most " + Megabytes(budget) + ")";
  }
  rows.push_back({"Opening 100 MB", {t - startUp}, "not compared", {}, 0, outcome});
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
  // The pointer rests off the windows: the program's buttons would otherwise
  // start their hover animations, and the platform's their hot look.
  SetCursorPos(0, 0);
  std::vector<Row> rows;
  size_t programPeak = 0;
  rows.push_back(MeasureStartUp(o, programPeak));
  const double startUp = Median(rows.back().program);
  rows.push_back(MeasureRepaint(o));
  const double bareRepaint = Median(rows.back().references);
  if (o.files) MeasureFiles(o, *samples, startUp, rows);
  if (o.skins) MeasureSkins(o, bareRepaint, rows);
  if (o.huge) MeasureHuge(o, *samples, startUp, programPeak, rows);
  RemoveSamples(*samples);
  PrintTable(rows);
  return 0;
}

}  // namespace
}  // namespace au::bench

int wmain(int argc, wchar_t** argv) {
  const auto options = au::bench::ParseOptions(argc, argv);
  if (!options) {
    fprintf(stderr,
            "usage: app_bench <ansi2utf8.exe> <bare_window.exe> [--runs N] "
            "[--skip files|skins|huge]...\n");
    return 2;
  }
  return au::bench::Run(*options);
}
