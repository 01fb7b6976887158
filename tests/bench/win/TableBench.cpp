// The program measured from outside, as a user waits for it, beside a peer in the
// same run: the editor window opening a 100 000-line file beside notepad opening it,
// the content list showing that file as BootLog.txt beside a bare list box filled with
// its lines, and the start through the base module beside a minimal window program.
// Prints "ours / peer = ratio" with medians (win_bench.exe, the default).
#include <windows.h>

#include <cstdio>
#include <string>
#include <thread>

#include "BenchFigures.h"
#include "BenchPrograms.h"
#include "config/TextLines.h"
#include "harness/Harness.h"
#include "harness/MainWindowDriver.h"

namespace vbench {
namespace {

using namespace std::chrono_literals;
using vtest::Process;
using vtest::RunningProgram;
using vtest::SuiteCopy;

constexpr size_t kLines = 100000;
const char kEditor[] = "editor";
const char kNotepad[] = "notepad";
const char kContent[] = "content list";
const char kBareList[] = "bare list box";
const char kStart[] = "start";
const char kMinimal[] = "minimal window";
const char kFloor[] = "stand-in + minimal window";
// The same two, until the shown window also answers a message sent to it (the start
// of ours ends when its source list answers how many rows it holds).
const char kMinimalAnswers[] = "minimal window answering";
const char kFloorAnswers[] = "stand-in + minimal window answering";

// Polls every 2 ms (pumping this thread's messages) until cond holds; false on timeout.
bool Poll(const std::function<bool()>& cond, std::chrono::milliseconds timeout = 60s) {
  const auto end = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    if (cond()) return true;
    if (std::chrono::steady_clock::now() >= end) return false;
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
    std::this_thread::sleep_for(2ms);
  }
}

// The bench file: kLines lines of a real bootlog (repeated), CR LF after each.
std::string BootlogLines(const std::string& realBootlog) {
  vconfig::TextLines piece = vconfig::SplitTextLines(vtest::ReadFileBytes(realBootlog));
  if (piece.empty()) piece.push_back("[0011A1B2] Loading Device = C:\\WINDOWS\\HIMEM.SYS");
  vconfig::TextLines lines;
  lines.ReserveMore(kLines, 0);
  for (size_t i = 0; lines.size() < kLines; ++i) lines.push_back(piece[i % piece.size()]);
  return vconfig::JoinTextLines(lines);
}

LRESULT CountRows(HWND list) { return ::SendMessageW(list, LB_GETCOUNT, 0, 0); }

// The text length of the first edit control inside a window, in characters.
LRESULT EditTextLength(HWND window) {
  const std::vector<HWND> edits = vtest::ChildWindows(window, "Edit");
  return edits.empty() ? -1 : ::SendMessageW(edits.front(), WM_GETTEXTLENGTH, 0, 0);
}

// Clicks a list row (scrolled into view first) by posting the button messages.
void ClickListRow(HWND list, int row, std::chrono::steady_clock::time_point* clicked = nullptr) {
  const RECT r = vtest::RowRect(list, row);
  if (clicked) *clicked = std::chrono::steady_clock::now();
  vtest::ClickAt(list, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

int RowWithText(HWND list, const std::string& text) {
  const std::vector<std::string> rows = vtest::Rows(list);
  for (size_t i = 0; i < rows.size(); ++i)
    if (rows[i] == text) return static_cast<int>(i);
  return -1;
}

class TableRun {
 public:
  TableRun(Figures& figures, std::string folder, std::string path, size_t bytes)
      : f_(figures), folder_(std::move(folder)), path_(std::move(path)), bytes_(bytes) {}

  bool Start(RunningProgram& program) {
    const auto start = std::chrono::steady_clock::now();
    program.base = vtest::StartProgram(suite_.root() + "VInfo.exe", "", suite_.root());
    const bool shown = Poll([&] {
      HWND main = ::FindWindowA("TUpravitFrm", "Vorn Info Config");
      if (!main || !::IsWindowVisible(main)) return false;
      HWND tree = vtest::FindDescendantById(main, vtest::kSourceTreeId);
      if (!tree || CountRows(tree) != 2) return false;
      program.main = main;
      program.tree = tree;
      program.content = vtest::FindDescendantById(main, vtest::kContentListId);
      return program.content != nullptr;
    });
    if (!shown) return Fail("the main window did not show");
    f_.Record(kStart, Figures::Since(start));
    ::GetWindowThreadProcessId(program.main, &program.pid);
    program.process.reset(::OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, program.pid));
    return true;
  }

  // With answering, also the time until the shown window answers a sent message.
  bool Minimal(const std::string& program, bool answering = false) {
    const auto start = std::chrono::steady_clock::now();
    Process minimal = vtest::StartProgram(program, "", folder_);
    HWND window = nullptr;
    if (!Poll([&] {
          window = ::FindWindowA("BenchMinimalWindow", nullptr);
          return window && ::IsWindowVisible(window);
        }))
      return Fail("the minimal window did not show");
    f_.Record(kMinimal, Figures::Since(start));
    if (answering) RecordAnswer(window, start, kMinimalAnswers);
    ::PostMessageA(window, WM_CLOSE, 0, 0);
    minimal.WaitForExit();
    return true;
  }

  // The floor of a start through the base module: the suite's stand-in starting the
  // minimal window program in place of the program (two process starts, no work of ours).
  bool StandInFloor(const std::string& minimal) {
    const std::string root = folder_ + "floor\\";
    const std::string config = root + "Config\\";
    if (!vtest::FileExists(config + "VConfig.exe") &&
        (!::CreateDirectoryA(root.c_str(), nullptr) ||
         !::CreateDirectoryA(config.c_str(), nullptr) ||
         !::CopyFileA((suite_.root() + "VInfo.exe").c_str(), (root + "VInfo.exe").c_str(), FALSE) ||
         !::CopyFileA(minimal.c_str(), (config + "VConfig.exe").c_str(), FALSE)))
      return Fail("cannot stage the stand-in beside the minimal window program");
    const auto start = std::chrono::steady_clock::now();
    Process base = vtest::StartProgram(root + "VInfo.exe", "", root);
    HWND window = nullptr;
    if (!Poll([&] {
          window = ::FindWindowA("BenchMinimalWindow", nullptr);
          return window && ::IsWindowVisible(window);
        }))
      return Fail("the minimal window did not show through the stand-in");
    f_.Record(kFloor, Figures::Since(start));
    RecordAnswer(window, start, kFloorAnswers);
    ::PostMessageA(window, WM_CLOSE, 0, 0);
    return base.WaitForExit() || Fail("the stand-in did not end");
  }

  // From the file dialog's OK to the editor window titled with the path, with the text.
  bool Editor(RunningProgram& program) {
    if (CountRows(program.content) == 0) {
      ClickListRow(program.tree, 0);
      if (!Poll([&] { return CountRows(program.content) == 13; }))
        return Fail("the file group did not load");
    }
    if (CountRows(program.content) == 13) ClickListRow(program.content, 12);
    if (!Poll([&] { return CountRows(program.content) == 14; }))
      return Fail("the other-file entry did not open");
    ClickListRow(program.content, 13);
    HWND dialog = vtest::WaitForWindow(program.pid, "#32770", nullptr);
    // The file name field: an edit inside combo box 0x47C, or edit 0x480.
    HWND name = dialog ? ::GetDlgItem(dialog, 0x47C) : nullptr;
    if (name) {
      if (HWND inner = ::FindWindowExA(name, nullptr, "Edit", nullptr)) name = inner;
    } else if (dialog) {
      name = ::GetDlgItem(dialog, 0x480);
    }
    if (!name) return Fail("no file dialog");
    ::SendMessageA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path_.c_str()));
    const auto start = std::chrono::steady_clock::now();
    ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(dialog, IDOK)));
    HWND editor = nullptr;
    if (!Poll([&] {
          const auto w = vtest::ProcessWindows(program.pid, "TTextEditfrm", path_.c_str());
          editor = w.empty() ? nullptr : w.front();
          return editor && EditTextLength(editor) == static_cast<LRESULT>(bytes_);
        }))
      return Fail("the editor did not show the file");
    f_.Record(kEditor, Figures::Since(start));
    ::PostMessageA(editor, WM_CLOSE, 0, 0);
    return Poll([&] { return !::IsWindowVisible(editor); }) || Fail("the editor did not close");
  }

  bool Notepad() {
    char system[MAX_PATH] = {};
    ::GetSystemDirectoryA(system, MAX_PATH);
    const auto start = std::chrono::steady_clock::now();
    Process notepad =
        vtest::StartProgram(std::string(system) + "\\notepad.exe", "\"" + path_ + "\"", folder_);
    if (!Poll([&] {
          for (HWND w : vtest::ProcessWindows(notepad.id(), "Notepad"))
            if (EditTextLength(w) == static_cast<LRESULT>(bytes_)) return true;
          return false;
        }))
      return Fail("notepad did not show the file");
    f_.Record(kNotepad, Figures::Since(start));
    return true;  // ended with the process object
  }

  // From the click on BootLog.txt in the source tree to every row in the content list.
  bool ContentList(RunningProgram& program) {
    const int row = RowWithText(program.tree, "BootLog.txt");
    if (row < 0) return Fail("no BootLog.txt in the source tree");
    std::chrono::steady_clock::time_point start;
    ClickListRow(program.tree, row, &start);
    if (!Poll([&] { return CountRows(program.content) == static_cast<LRESULT>(13 + kLines); }))
      return Fail("the content list did not show every line");
    f_.Record(kContent, Figures::Since(start));
    return true;
  }

 private:
  // Records the time from start until the window answers a message sent to it.
  void RecordAnswer(HWND window, std::chrono::steady_clock::time_point start, const char* name) {
    DWORD_PTR result = 0;
    if (::SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &result))
      f_.Record(name, Figures::Since(start));
  }

  static bool Fail(const char* what) {
    std::fprintf(stderr, "win_bench: %s\n", what);
    return false;
  }

  Figures& f_;
  SuiteCopy suite_;
  std::string folder_;
  std::string path_;
  size_t bytes_;
};

void PrintPair(const Figures& f, const char* work, const char* ours, const char* peer) {
  if (!f.Has(ours) || !f.Has(peer)) return;
  const double a = f.Median(ours), b = f.Median(peer);
  std::printf("%-46s %8.0f ms / %8.0f ms = %5.2f   (peer: %s)\n", work, a, b, a / b, peer);
}

// One step's fastest, median and slowest run.
void PrintSpread(const Figures& f, const char* name) {
  if (!f.Has(name)) return;
  std::printf("  %-44s %8.0f ms fastest, %8.0f ms median, %8.0f ms slowest\n", name,
              f.Fastest(name), f.Median(name), f.Slowest(name));
}

// Keeps a file's bytes and puts them back at the end.
class KeptFile {
 public:
  explicit KeptFile(std::string path)
      : path_(std::move(path)), existed_(vtest::FileExists(path_)),
        bytes_(existed_ ? vtest::ReadFileBytes(path_) : std::string()) {}
  ~KeptFile() {
    if (existed_)
      vtest::WriteFileBytes(path_, bytes_);
    else
      ::DeleteFileA(path_.c_str());
  }
  KeptFile(const KeptFile&) = delete;
  KeptFile& operator=(const KeptFile&) = delete;

 private:
  std::string path_;
  bool existed_;
  std::string bytes_;
};

}  // namespace

namespace {

std::string MinimalProgram() {
  const std::string tests = vtest::TestProgramPath();
  return tests.substr(0, tests.find_last_of('\\') + 1) + "bench_minimal_window.exe";
}

// Only the start pair: no file written, no other program started.
int RunStartBench(const TableOptions& options) {
  const std::string folder = vtest::TempFolder("bench");
  const std::string minimal = MinimalProgram();
  Figures figures;
  TableRun run(figures, folder, std::string(), 0);
  bool ok = true;
  for (int i = -1; ok && i < options.repetitions; ++i) {
    RunningProgram program;
    ok = run.Start(program) && run.Minimal(minimal, true);
    ok = ok && program.Close() && run.StandInFloor(minimal);
    if (i < 0) figures = Figures();
  }
  vtest::RemoveTree(folder);
  std::printf("%-46s %8s      %8s      %5s   (medians of %d runs)\n", "Work", "ours", "peer",
              "ratio", options.repetitions);
  PrintPair(figures, "Start to main window through the suite mutex", kStart, kMinimal);
  PrintPair(figures, "Floor: the stand-in starting the minimal window", kFloor, kMinimal);
  PrintPair(figures, "The same, each peer until it answers", kStart, kMinimalAnswers);
  PrintPair(figures, "Floor, until it answers", kFloorAnswers, kMinimalAnswers);
  for (const char* name : {kStart, kMinimal, kFloor, kMinimalAnswers, kFloorAnswers})
    PrintSpread(figures, name);
  return ok ? 0 : 1;
}

}  // namespace

int RunTableBench(const TableOptions& options) {
  if (options.startOnly) return RunStartBench(options);
  const std::string bytes = BootlogLines(options.bootlog);
  const std::string folder = vtest::TempFolder("bench");
  const std::string path = folder + "bootlog.txt";
  if (!vtest::WriteFileBytes(path, bytes)) {
    std::fprintf(stderr, "win_bench: cannot write %s\n", path.c_str());
    return 1;
  }
  // The catalogue's BootLog.txt on the boot drive holds the same lines meanwhile.
  const std::string bootDriveLog = "C:\\bootlog.txt";
  KeptFile kept(bootDriveLog);
  if (!vtest::WriteFileBytes(bootDriveLog, bytes)) {
    std::fprintf(stderr, "win_bench: cannot write %s\n", bootDriveLog.c_str());
    return 1;
  }
  const std::string minimal = MinimalProgram();

  Figures figures;
  TableRun run(figures, folder, path, bytes.size());
  bool ok = true;
  // A first round that is not counted: the first start of a program in a fresh Wine
  // session loads what later starts find ready.
  for (int i = -1; ok && i < options.repetitions; ++i) {
    RunningProgram program;
    ok = run.Start(program) && run.Minimal(minimal) && run.Editor(program) && run.Notepad() &&
         run.ContentList(program);
    figures.Record(kBareList, FillBareListBox(bytes));
    ok = ok && program.Close();
    if (i < 0) figures = Figures();
  }
  vtest::RemoveTree(folder);
  std::printf("%-46s %8s      %8s      %5s   (medians of %d runs; %u lines, %u bytes)\n", "Work",
              "ours", "peer", "ratio", options.repetitions, static_cast<unsigned>(kLines),
              static_cast<unsigned>(bytes.size()));
  PrintPair(figures, "Editor window opening the file", kEditor, kNotepad);
  PrintPair(figures, "Content list showing it as BootLog.txt", kContent, kBareList);
  PrintPair(figures, "Start to main window through the suite mutex", kStart, kMinimal);
  return ok ? 0 : 1;
}

}  // namespace vbench
