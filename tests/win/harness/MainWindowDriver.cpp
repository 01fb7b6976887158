#include "harness/MainWindowDriver.h"

namespace vtest {
namespace {

struct IdSearch {
  int id;
  HWND found;
};

BOOL CALLBACK MatchId(HWND hwnd, LPARAM lp) {
  auto* s = reinterpret_cast<IdSearch*>(lp);
  if (::GetDlgCtrlID(hwnd) == s->id) {
    s->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK CollectTexts(HWND hwnd, LPARAM lp) {
  auto* out = reinterpret_cast<std::string*>(lp);
  *out += WindowText(hwnd);
  *out += '\n';
  return TRUE;
}

}  // namespace

HWND FindDescendantById(HWND parent, int id) {
  IdSearch s{id, nullptr};
  ::EnumChildWindows(parent, &MatchId, reinterpret_cast<LPARAM>(&s));
  return s.found;
}

::testing::AssertionResult StartMainWindow(const SuiteCopy& suite, RunningProgram& program) {
  return StartMainWindowIn(suite.root(), program);
}

::testing::AssertionResult StartMainWindowIn(const std::string& suiteRoot, RunningProgram& program) {
  program.base = StartProgram(suiteRoot + "VInfo.exe", "", suiteRoot);
  if (!program.base.started())
    return ::testing::AssertionFailure() << "cannot start " << suiteRoot << "VInfo.exe";
  const bool shown = WaitFor([&] {
    HWND main = ::FindWindowA("TUpravitFrm", "Vorn Info Config");
    if (!main || !::IsWindowVisible(main)) return false;
    program.main = main;
    program.tree = FindDescendantById(main, kSourceTreeId);
    program.content = FindDescendantById(main, kContentListId);
    return program.tree && program.content && Rows(program.tree).size() == 2;
  }, 20s);
  if (program.main) {
    ::GetWindowThreadProcessId(program.main, &program.pid);
    // Held, so that the id cannot pass to another process before the end is checked.
    program.process.reset(::OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, program.pid));
  }
  if (shown) return ::testing::AssertionSuccess();
  auto failure = ::testing::AssertionFailure() << "the main window did not show with both lists";
  if (program.pid)
    for (HWND dialog : ProcessWindows(program.pid, "#32770"))
      failure << "; " << DescribeWindow(dialog);
  return failure;
}

RunningProgram::~RunningProgram() { Kill(); }

::testing::AssertionResult RunningProgram::Close() {
  if (main && ::IsWindow(main)) ::PostMessageA(main, WM_CLOSE, 0, 0);
  if (base.WaitForExit()) return ::testing::AssertionSuccess();
  auto failure = ::testing::AssertionFailure() << "the program did not end";
  if (pid)
    for (HWND dialog : ProcessWindows(pid, "#32770"))
      failure << "; it shows " << DescribeWindow(dialog);
  return failure;
}

void RunningProgram::Kill() {
  if (process && ::WaitForSingleObject(process.get(), 0) == WAIT_TIMEOUT) {
    ::TerminateProcess(process.get(), 1);
    ::WaitForSingleObject(process.get(), 5000);
  }
  base.Kill();
}

RECT RowRect(HWND list, int row) {
  RECT r{};
  ::SendMessageA(list, LB_GETITEMRECT, row, reinterpret_cast<LPARAM>(&r));
  RECT client{};
  ::GetClientRect(list, &client);
  if (r.top < 0 || r.bottom > client.bottom) {
    ::SendMessageA(list, LB_SETTOPINDEX, row, 0);
    ::SendMessageA(list, LB_GETITEMRECT, row, reinterpret_cast<LPARAM>(&r));
  }
  return r;
}

void ClickRow(HWND list, int row, bool right) {
  const RECT r = RowRect(list, row);
  ClickAt(list, (r.left + r.right) / 2, (r.top + r.bottom) / 2, right);
}

std::vector<std::string> Rows(HWND list) {
  std::vector<std::string> rows;
  const LRESULT count = ::SendMessageW(list, LB_GETCOUNT, 0, 0);
  std::vector<wchar_t> wide;
  for (LRESULT i = 0; i < count; ++i) {
    const LRESULT len = ::SendMessageW(list, LB_GETTEXTLEN, i, 0);
    wide.assign(static_cast<size_t>(len > 0 ? len : 0) + 1, L'\0');
    if (len > 0) ::SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(wide.data()));
    const int n = ::WideCharToMultiByte(CP_ACP, 0, wide.data(), -1, nullptr, 0, nullptr, nullptr);
    std::string row(n > 0 ? n : 1, '\0');
    ::WideCharToMultiByte(CP_ACP, 0, wide.data(), -1, row.data(), n, nullptr, nullptr);
    rows.emplace_back(row.c_str());
  }
  return rows;
}

std::vector<bool> HeaderRows(HWND list) {
  std::vector<bool> headers;
  const LRESULT count = ::SendMessageA(list, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i)
    headers.push_back(::SendMessageA(list, LB_GETITEMDATA, i, 0) == 1);
  return headers;
}

int TopIndex(HWND list) { return static_cast<int>(::SendMessageA(list, LB_GETTOPINDEX, 0, 0)); }

::testing::AssertionResult WaitForRows(
    HWND list, const std::function<bool(const std::vector<std::string>&)>& pred,
    std::chrono::milliseconds timeout) {
  if (WaitFor([&] { return pred(Rows(list)); }, timeout)) return ::testing::AssertionSuccess();
  auto failure = ::testing::AssertionFailure() << "the list's rows are not as expected:";
  for (const auto& row : Rows(list)) failure << "\n  " << row;
  return failure;
}

std::string DialogTexts(HWND dialog) {
  std::string texts = WindowText(dialog) + "\n";
  ::EnumChildWindows(dialog, &CollectTexts, reinterpret_cast<LPARAM>(&texts));
  return texts;
}

HWND WaitForDialogWithText(DWORD pid, const std::string& text, std::chrono::milliseconds timeout) {
  HWND found = nullptr;
  WaitFor([&] {
    for (HWND d : ProcessWindows(pid, "#32770"))
      if (DialogTexts(d).find(text) != std::string::npos) found = d;
    return found != nullptr;
  }, timeout);
  return found;
}

HWND ShownPopupMenu() {
  HWND menu = ::FindWindowA("#32768", nullptr);
  return menu && ::IsWindowVisible(menu) ? menu : nullptr;
}

void ClickControl(HWND control) {
  RECT r{};
  ::GetWindowRect(control, &r);
  const int cx = (r.right - r.left) / 2, cy = (r.bottom - r.top) / 2;
  ::SetCursorPos(r.left + cx, r.top + cy);
  ClickAt(control, cx, cy);
}

std::vector<std::string> SplitLines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::string cur;
  const std::string text = bytes.substr(0, bytes.find('\0'));
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(cur);
      cur.clear();
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      cur += c;
    }
  }
  if (!cur.empty()) lines.push_back(cur);
  return lines;
}

HWND OpenInEditor(RunningProgram& program, const std::string& path) {
  constexpr size_t kFileGroupRows = 13;  // the group's title and its 12 sources
  constexpr int kOtherFileHeader = 12;
  if (Rows(program.content).empty()) {
    ClickRow(program.tree, 0);
    if (!WaitForRows(program.content,
                     [](const auto& rows) { return rows.size() == kFileGroupRows; }))
      return nullptr;
  }
  if (Rows(program.content).size() == kFileGroupRows) ClickRow(program.content, kOtherFileHeader);
  if (!WaitForRows(program.content,
                   [](const auto& rows) { return rows.size() == kFileGroupRows + 1; }))
    return nullptr;
  ClickRow(program.content, kOtherFileHeader + 1);
  HWND dialog = WaitForWindow(program.pid, "#32770", nullptr);
  if (!dialog || !FillFileDialog(dialog, path)) return nullptr;
  return WaitForWindow(program.pid, "TTextEditfrm", path.c_str());
}

}  // namespace vtest
