// The frame-pointer walk, the debug information of a side file and the call stack
// text, on recorded memory and modules.
#include <gtest/gtest.h>

#include <cstring>
#include <map>

#include "diagnostics/ExcCallStack.h"
#include "diagnostics/ExcCapture.h"
#include "diagnostics/ModuleList.h"

namespace vconfig {
namespace {

constexpr Address kBase = 0x400000;     // the program: code from kBase + 0x1000
constexpr Address kLibBase = 0x7B000000;  // a library without a side file

// A stack of words plus code that reads as zeros inside the two modules.
class FakeMemory : public StackMemory {
 public:
  std::map<Address, std::uint32_t> words;
  bool Read(Address address, void* out, std::size_t size) const override {
    if (InModule(address) && InModule(address + static_cast<Address>(size) - 1)) {
      std::memset(out, 0, size);
      return true;
    }
    auto* bytes = static_cast<std::uint8_t*>(out);
    for (std::size_t i = 0; i < size; i += 4) {
      auto it = words.find(address + static_cast<Address>(i));
      if (it == words.end()) return false;
      std::memcpy(bytes + i, &it->second, size - i < 4 ? size - i : 4);
    }
    return true;
  }
  bool InModule(Address a) const override {
    return (a >= kBase && a < kBase + 0x10000) || (a >= kLibBase && a < kLibBase + 0x1000);
  }
  // One frame at fp: the caller's frame pointer, then the return address.
  void Frame(Address fp, Address callerFp, Address ret) {
    words[fp] = callerFp;
    words[fp + 4] = ret;
  }
};

const char* const kSideFile =
    "DSI 1\n"
    "P 1000 Outer()\n"
    "P 1100 vconfig::TUpravitFrm::Edit1Click(void*)\n"
    "P 1200 Recurse(int)\n"
    "F 0 /src/config/Upravy_win.cpp\n"
    "F 1 Recurse.cpp\n"
    "L 1000 1 5\n"
    "L 1100 0 120\n"
    "L 1140 0 124\n"
    "E 1180\n"
    "L 1200 1 30\n"
    "E 1300\n";

class FakeModules : public ModuleLocator {
 public:
  bool ModuleAt(Address address, std::string* fileName, Address* handle,
                std::uint32_t* size) const override {
    if (address >= kBase && address < kBase + 0x10000) {
      *fileName = "C:\\Vorn Info\\Config\\VConfig.exe";
      *handle = kBase;
      *size = 0x10000;
      return true;
    }
    if (address >= kLibBase && address < kLibBase + 0x1000) {
      *fileName = "C:\\windows\\system32\\user32.dll";
      *handle = kLibBase;
      *size = 0x1000;
      return true;
    }
    return false;
  }
  bool ReadSideFile(const std::string& moduleFileName, std::string* text) const override {
    if (moduleFileName.find("VConfig") == std::string::npos || !sideFile) return false;
    *text = kSideFile;
    return true;
  }
  bool sideFile = true;
};

ExceptionCapture Walk(const FakeMemory& memory, Address address, Address fp, bool collapse = true) {
  ExceptionCapture c{};
  WalkFrames(memory, address, fp, collapse, c);
  return c;
}

std::vector<std::pair<Address, std::uint32_t>> Frames(const ExceptionCapture& c) {
  std::vector<std::pair<Address, std::uint32_t>> out;
  for (int i = 0; i < c.frameCount; ++i) out.emplace_back(c.frames[i].address, c.frames[i].count);
  return out;
}

TEST(ExcWalk, StopRulesEndTheChain) {
  struct Case {
    const char* name;
    Address thirdCallerFp;  // what the third frame says of its caller
    Address thirdReturn;
    std::size_t frames;
  };
  const Case cases[] = {
      {"return outside every module", 0x3000, 0x00200000, 3},
      {"unreadable caller frame", 0x9000, kBase + 0x1010, 4},
      {"self-pointing frame pointer", 0x2800, kBase + 0x1010, 4},
      {"frame pointer going down", 0x2000, kBase + 0x1010, 4},
  };
  for (const Case& c : cases) {
    FakeMemory m;
    m.Frame(0x2000, 0x2400, kBase + 0x1150);
    m.Frame(0x2400, 0x2800, kLibBase + 0x20);
    m.Frame(0x2800, c.thirdCallerFp, c.thirdReturn);
    m.Frame(0x3000, 0x3400, 0x00200000);
    const auto frames = Frames(Walk(m, kBase + 0x1120, 0x2000));
    EXPECT_EQ(frames.size(), c.frames) << c.name;
  }
  FakeMemory empty;
  EXPECT_EQ(Walk(empty, 0, 0x2000).frameCount, 0) << "raise at address 0";
}

TEST(ExcWalk, RecursionCollapsesAndRepeatsDoNotCountTowardTheLimit) {
  FakeMemory m;
  Address fp = 0x10000;
  m.Frame(fp, fp + 0x20, kBase + 0x1210);  // the raise's caller: Recurse itself
  for (int i = 1; i < 500; ++i) {
    fp += 0x20;
    m.Frame(fp, fp + 0x20, kBase + 0x1210);
  }
  fp += 0x20;
  m.Frame(fp, fp + 0x20, kBase + 0x1150);
  fp += 0x20;
  m.Frame(fp, 0, kBase + 0x1010);
  const auto collapsed = Frames(Walk(m, kBase + 0x1220, 0x10000));
  EXPECT_EQ(collapsed, (std::vector<std::pair<Address, std::uint32_t>>{
                           {kBase + 0x1220, 1}, {kBase + 0x1210, 500}, {kBase + 0x1150, 1},
                           {kBase + 0x1010, 1}}));
  // Without collapsing the same chain is cut at 100 frames.
  const ExceptionCapture full = Walk(m, kBase + 0x1220, 0x10000, false);
  EXPECT_EQ(full.frameCount, kMaxFrames);
  EXPECT_EQ(full.frames[kMaxFrames - 1].address, kBase + 0x1210);
}

TEST(ExcWalk, DistinctFramesStopAtOneHundred) {
  FakeMemory m;
  for (Address i = 0; i < 150; ++i) m.Frame(0x1000 + i * 16, 0x1000 + (i + 1) * 16, kBase + 0x2000 + i);
  const ExceptionCapture c = Walk(m, kBase + 0x1100, 0x1000);
  EXPECT_EQ(c.frameCount, kMaxFrames);
  EXPECT_EQ(c.frames[99].address, kBase + 0x2000 + 98);
}

TEST(ExcCallStack, TextNamesProceduresAndLinesWhereKnown) {
  FakeModules locator;
  ModuleList modules(locator);
  ExceptionCapture c{};
  c.frames[0] = {kBase + 0x1145, 1};  // the raise, inside Edit1Click
  c.frames[1] = {kBase + 0x1210, 3};  // recursion
  c.frames[2] = {kBase + 0x1200, 1};  // returns to the start of Recurse: the call ended Edit1Click's range
  c.frames[3] = {kBase + 0x1190, 1};  // after the end of a line sequence
  c.frames[4] = {kLibBase + 0x20, 1};
  c.frameCount = 5;
  ExcCallStack stack;
  stack.Build(c, modules);
  EXPECT_EQ(stack.Text(),
            "Call stack:\r\n"
            ":00401145 [VConfig.exe] vconfig::TUpravitFrm::Edit1Click(void*) (Upravy_win.cpp, line 124)\r\n"
            "Recursive call (3 times):\r\n"
            ":00401210 [VConfig.exe] Recurse(int) (Recurse.cpp, line 30)\r\n"
            ":00401200 [VConfig.exe] vconfig::TUpravitFrm::Edit1Click(void*)\r\n"
            ":00401190 [VConfig.exe] vconfig::TUpravitFrm::Edit1Click(void*)\r\n"
            ":7B000020 [user32.dll]\r\n");
  EXPECT_EQ(modules.Count(), 2u);
  EXPECT_EQ(stack.Frames()[0].procedureOffset, 0x44u);

  // A fault's first address is the faulting instruction itself.
  c.exactAddress = true;
  c.frames[0] = {kBase + 0x1200, 1};
  c.frameCount = 1;
  stack.Build(c, modules);
  EXPECT_EQ(stack.Text(), "Call stack:\r\n:00401200 [VConfig.exe] Recurse(int) (Recurse.cpp, line 30)\r\n");
}

TEST(ExcCallStack, WithoutSideFileFramesCarryOnlyAddressAndModule) {
  FakeModules locator;
  locator.sideFile = false;
  ModuleList modules(locator);
  ExceptionCapture c{};
  c.frames[0] = {kBase + 0x1145, 1};
  c.frames[1] = {kBase + 0x1210, 2};
  c.frameCount = 2;
  ExcCallStack stack;
  stack.Build(c, modules);
  EXPECT_EQ(stack.Text(),
            "Call stack:\r\n:00401145 [VConfig.exe]\r\nRecursive call (2 times):\r\n:00401210 [VConfig.exe]\r\n");
}

TEST(ExcSideFile, MalformedFilesGiveNoDebugInformation) {
  const char* const bad[] = {
      "",
      "P 1000 Outer()\n",                       // no header
      "DSI 1\nP zz Outer()\n",                  // bad address
      "DSI 1\nL 1000 3 10\n",                   // unknown file index
      "DSI 1\nQ 1000\n",                        // unknown record
      "DSI 1\nL 1000 0\nF 0 a.cpp\n",           // missing line
  };
  for (const char* text : bad) {
    ModuleDebugInfo m("VConfig.exe", kBase, 0x10000);
    EXPECT_FALSE(m.Load(text)) << text;
    EXPECT_FALSE(m.HasDebugInfo());
    EXPECT_EQ(m.ProcedureIndex(kBase + 0x1000), -1);
  }
  ModuleDebugInfo good("VConfig.exe", kBase, 0x10000);
  ASSERT_TRUE(good.Load(std::string(kSideFile)));
  EXPECT_EQ(good.ProcedureIndex(kBase + 0xFFF), -1);     // before the first procedure
  EXPECT_EQ(good.ProcedureIndex(kBase + 0x10000), -1);   // outside the module
  EXPECT_EQ(good.LineAt(kBase + 0x1180).line, -1);       // sequence ended
}

}  // namespace
}  // namespace vconfig
