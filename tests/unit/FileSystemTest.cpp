#include "platform/FileSystem.h"

#include <gtest/gtest.h>

#include "fakes/MemoryFileSystem.h"

namespace vconfig {
namespace {

TEST(TempFiles, NamesAreRecognisedAndTiedToTheirTarget) {
  const std::string temp = TempFileNameFor("C:\\WINDOWS\\win.ini", 0x1A2Bu);
  EXPECT_EQ(temp, "C:\\WINDOWS\\win.ini.vcfg-new00001A2B");
  EXPECT_TRUE(IsTempFileName("win.ini.vcfg-new00001A2B"));
  for (const char* other : {"win.ini", "win.ini.vcfg-new", "win.ini.vcfg-new1A2B",
                            "win.ini.vcfg-new00001A2G", ".vcfg-new00001A2B", "vcf1A2B.tmp"})
    EXPECT_FALSE(IsTempFileName(other)) << other;
}

// What a crash between writing the temporary file and putting it in place leaves
// behind goes at the next start; nothing else in the folder is touched.
TEST(TempFiles, StrayOnesGoWhileTheirTargetIsThere) {
  MemoryFileSystem fs;
  fs.Put("C:\\boot.ini", "[boot loader]\r\n");
  fs.Put("C:\\boot.ini.vcfg-new0000BEEF", "[boot loader]\r\ntimeout=5\r\n");
  fs.Put("C:\\boot.ini.bak", "kept");
  // Its target is gone: the temporary file may hold the only copy of the content.
  fs.Put("C:\\config.sys.vcfg-new00000001", "FILES=40\r\n");
  fs.Put("C:\\WINDOWS\\win.ini.vcfg-new00000002", "[windows]\r\n");
  fs.Put("C:\\WINDOWS\\win.ini", "[windows]\r\n");
  RemoveStrayTempFiles(fs, "C:\\");
  EXPECT_FALSE(fs.FileExists("C:\\boot.ini.vcfg-new0000BEEF"));
  EXPECT_TRUE(fs.FileExists("C:\\boot.ini"));
  EXPECT_TRUE(fs.FileExists("C:\\boot.ini.bak"));
  EXPECT_TRUE(fs.FileExists("C:\\config.sys.vcfg-new00000001"));
  EXPECT_TRUE(fs.FileExists("C:\\WINDOWS\\win.ini.vcfg-new00000002")) << "another folder";
  RemoveStrayTempFiles(fs, "C:\\WINDOWS");
  EXPECT_FALSE(fs.FileExists("C:\\WINDOWS\\win.ini.vcfg-new00000002"));
}

}  // namespace
}  // namespace vconfig
