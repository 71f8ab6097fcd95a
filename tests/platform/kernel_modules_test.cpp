// Module handles by Windows name, exports by name, and the command line.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/kernel/kernel.h"

namespace {

using velko::platform::ModuleRegistration;

TEST(ModuleTest, NamesMatchAsWindowsMatchesThem) {
  ModuleRegistration module("KernelTestA.dll");
  const HMODULE handle = module.handle();
  ASSERT_NE(handle, 0u);
  const char* same[] = {
      "KernelTestA.dll",
      "KERNELTESTA.DLL",          // case does not matter
      "kerneltesta",              // no extension means .dll
      "C:\\WINDOWS\\SYSTEM\\KernelTestA.dll",  // a directory part is ignored
  };
  for (const char* name : same) EXPECT_EQ(GetModuleHandleA(name), handle) << name;
  const char* other[] = {"KernelTestA.exe", "KernelTest.dll", "KernelTestAB.dll", ""};
  for (const char* name : other) EXPECT_EQ(GetModuleHandleA(name), 0u) << name;
}

TEST(ModuleTest, HandlesFitSmallNumbersAndDieWithTheModule) {
  HMODULE handle;
  {
    ModuleRegistration module("KernelTestB.dll");
    handle = module.handle();
    EXPECT_LT(handle, 0x10000u);
    EXPECT_EQ(GetModuleHandleA("KernelTestB.dll"), handle);
  }
  EXPECT_EQ(GetModuleHandleA("KernelTestB.dll"), 0u);
  EXPECT_FALSE(velko::platform::Handles().Is<velko::platform::Module>(handle));
}

TEST(ModuleTest, TheNewestRegistrationOfANameIsFound) {
  ModuleRegistration first("KernelTestC.dll");
  {
    ModuleRegistration second("KernelTestC.dll");
    EXPECT_EQ(GetModuleHandleA("KernelTestC.dll"), second.handle());
  }
  EXPECT_EQ(GetModuleHandleA("KernelTestC.dll"), first.handle());
}

TEST(ModuleTest, ExportsAreFoundByExactName) {
  int data = 0;
  ModuleRegistration module("KernelTestD.dll", {{"QZ_Data", &data}});
  EXPECT_EQ(GetProcAddress(module.handle(), "QZ_Data"), &data);
  EXPECT_EQ(GetProcAddress(module.handle(), "qz_data"), nullptr);
  EXPECT_EQ(GetProcAddress(module.handle(), "Other"), nullptr);
  EXPECT_EQ(GetProcAddress(0, "QZ_Data"), nullptr);
}

TEST(ModuleTest, NoNameIsTheProgramItself) {
  const HMODULE program = GetModuleHandleA(nullptr);
  ASSERT_NE(program, 0u);
  EXPECT_EQ(GetModuleHandleA(nullptr), program);
  const auto* module = velko::platform::Handles().Get<velko::platform::Module>(program);
  ASSERT_NE(module, nullptr);
  EXPECT_EQ(module->name, "test_platform");
}

struct CommandLineCase {
  std::vector<std::string> arguments;
  const char* line;
};

TEST(CommandLineTest, ArgumentsAreQuotedSoThatTheySplitBack) {
  const CommandLineCase cases[] = {
      {{"velko", "table"}, "velko table"},
      // Spaces and empty arguments need quotes.
      {{"velko", "a b", ""}, "velko \"a b\" \"\""},
      // A quote is escaped; backslashes before it are doubled.
      {{"say", "a\"b"}, "say \"a\\\"b\""},
      {{"say", "x y\\\"z"}, "say \"x y\\\\\\\"z\""},
      // Trailing backslashes inside quotes are doubled, elsewhere kept.
      {{"dir", "C:\\a b\\"}, "dir \"C:\\a b\\\\\""},
      {{"dir", "C:\\ab\\"}, "dir C:\\ab\\"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(velko::platform::JoinCommandLine(c.arguments), c.line);
  }
}

TEST(CommandLineTest, TheProcessCommandLineStartsWithTheProgram) {
  const std::string line = GetCommandLineA();
  EXPECT_NE(line.find("test_platform"), std::string::npos) << line;
  EXPECT_EQ(GetCommandLineA(), GetCommandLineA());  // one text for the process
}

}  // namespace
