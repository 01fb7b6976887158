#include "config/AutostartEditing.h"

#include <gtest/gtest.h>

#include "diagnostics/Errors.h"
#include "fakes/MemoryRegistry.h"

namespace vconfig {
namespace {

const auto kRoot = RegistryRoot::CurrentUser;
const std::string kRun = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
const auto kView = RegistryView::Default;

class AutostartEditing : public ::testing::Test {
 protected:
  AutostartEditing() {
    reg.SetValue(kRoot, kRun, {"Zeta", kRegSz, "C:\\z.exe -tray"});
    reg.SetValue(kRoot, kRun, {"Alpha", kRegExpandSz, "%ProgramFiles%\\a\\a.exe"});
    reg.SetValue(kRoot, kRun, {"Counter", kRegDword, std::string("\x01\0\0\0", 4)});
  }
  const RegistryValue* Find(const std::string& name) const {
    for (const auto& v : *reg.KeyValues(kRoot, kRun))
      if (v.name == name) return &v;
    return nullptr;
  }
  MemoryRegistry reg;
};

TEST_F(AutostartEditing, WritingKeepsAnExpandableValueExpandableAndWritesStringsOtherwise) {
  struct Case {
    const char* name;
    uint32_t type;
  } cases[] = {{"Alpha", kRegExpandSz}, {"Zeta", kRegSz}, {"Counter", kRegSz}, {"", kRegSz},
               {"New one", kRegSz}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    WriteRunValue(reg, kRoot, kRun, kView, c.name, "C:\\new.exe /x");
    const RegistryValue* v = Find(c.name);
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v->type, c.type);
    EXPECT_EQ(v->data, "C:\\new.exe /x");
  }
  for (const auto& open : reg.opens()) EXPECT_EQ(open.access, RegistryAccess::Full);
}

TEST_F(AutostartEditing, WritingToAMissingOrReadOnlyKeyFailsAndCreatesNothing) {
  const std::string once = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RunOnce";
  try {
    WriteRunValue(reg, kRoot, once, kView, "Temp", "x");
    ADD_FAILURE() << "no error";
  } catch (const ERegistryError& e) {
    EXPECT_STREQ(e.what(), "Failed to set data for 'Temp'");
  }
  EXPECT_EQ(reg.KeyValues(kRoot, once), nullptr);

  reg.RestrictToRead(RegistryRoot::LocalMachine, kRun);
  EXPECT_THROW(WriteRunValue(reg, RegistryRoot::LocalMachine, kRun, kView, "A", "x"), ERegistryError);
}

TEST_F(AutostartEditing, ValueAtFindsByEnumerationIndexAndRefusesWhatItCannotShow) {
  const RunValueText first = RunValueAt(reg, kRoot, kRun, kView, 0);
  EXPECT_EQ(first.name, "Zeta");
  EXPECT_EQ(first.data, "C:\\z.exe -tray");
  EXPECT_EQ(RunValueAt(reg, kRoot, kRun, kView, 1).data, "%ProgramFiles%\\a\\a.exe");

  const struct {
    RegistryRoot root;
    std::string key;
    int index;
    const char* error;
  } failures[] = {
      {kRoot, kRun, 2, "Invalid data type for 'Counter'"},
      {kRoot, kRun, 3, "List index out of bounds (3)"},
      {kRoot, "SOFTWARE\\Missing", 0, "List index out of bounds (0)"},
  };
  for (const auto& f : failures) {
    SCOPED_TRACE(f.error);
    try {
      RunValueAt(reg, f.root, f.key, kView, f.index);
      ADD_FAILURE() << "no error";
    } catch (const AppError& e) {
      EXPECT_STREQ(e.what(), f.error);
    }
  }
}

}  // namespace
}  // namespace vconfig
