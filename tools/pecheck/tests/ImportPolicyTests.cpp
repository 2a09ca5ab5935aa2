#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "ImportPolicy.h"
#include "PeBuilder.h"

namespace tavrik::pecheck {
namespace {

ImportPolicy Policy(const std::string& text) {
    ImportPolicy policy;
    std::istringstream list(text);
    std::string error;
    EXPECT_TRUE(policy.Load(list, error)) << error;
    return policy;
}

const char* const kList =
    "# functions of the oldest system\n"
    "[KERNEL32.dll]\n"
    "CreateFileA   # files\n"
    "\n"
    "[msvcrt.dll]\r\n"
    "  malloc\r\n";

PeImage Image(const PeLayout& layout) {
    PeImage image;
    std::string error;
    EXPECT_TRUE(ParsePeImage(BuildPe(layout), image, error)) << error;
    return image;
}

TEST(ImportPolicy, DllNamesIgnoreCaseFunctionNamesDoNot) {
    const ImportPolicy policy = Policy(kList);
    EXPECT_TRUE(policy.Allows("kernel32.DLL", "CreateFileA"));
    EXPECT_TRUE(policy.Allows("MSVCRT.dll", "malloc"));
    EXPECT_FALSE(policy.Allows("KERNEL32.dll", "createfilea"));
    EXPECT_FALSE(policy.Allows("KERNEL32.dll", "malloc"));
    EXPECT_FALSE(policy.Allows("USER32.dll", "CreateFileA"));
}

TEST(ImportPolicy, MalformedListsAreRefusedWithTheirLine) {
    for (const char* text : {"CreateFileA\n", "[KERNEL32.dll]\nTwo Names\n", "[]\nx\n"}) {
        ImportPolicy policy;
        std::istringstream list(text);
        std::string error;
        EXPECT_FALSE(policy.Load(list, error)) << text;
        EXPECT_EQ(0u, error.find("line ")) << error;
    }
}

TEST(CheckImage, AnImageWithinTheLimitsHasNoProblem) {
    PeLayout layout;
    layout.imports = {{"kernel32.dll", {"CreateFileA"}}, {"msvcrt.dll", {"malloc"}}};
    layout.subsystemMajor = 4;  // older is fine
    EXPECT_TRUE(CheckImage(Image(layout), Policy(kList), Version()).empty());
}

TEST(CheckImage, EveryReasonIsReported) {
    PeLayout layout;
    layout.is64Bit = true;
    layout.machine = 0x8664;
    layout.subsystemMajor = 5;
    layout.subsystemMinor = 2;
    layout.osMajor = 6;
    layout.imports = {{"KERNEL32.dll", {"CreateFileA", "GetTickCount64", "#5"}},
                      {"dbghelp.dll", {"MiniDumpWriteDump"}}};
    EXPECT_EQ((std::vector<std::string>{
                  "not a 32-bit x86 image", "subsystem version 5.2 is above 5.0",
                  "OS version 6.0 is above 5.0",
                  "import KERNEL32.dll!GetTickCount64 is not in the list of functions of the "
                  "oldest system",
                  "import KERNEL32.dll!#5 is by ordinal and cannot be checked",
                  "import dbghelp.dll!MiniDumpWriteDump is not in the list of functions of the "
                  "oldest system"}),
              CheckImage(Image(layout), Policy(kList), Version()));
}

TEST(CheckImage, DelayLoadedImportsAreCheckedToo) {
    PeLayout layout;
    layout.imports = {{"KERNEL32.dll", {"GetTickCount64"}}};
    layout.delayLoaded = true;
    EXPECT_EQ(std::vector<std::string>{"delay-loaded import KERNEL32.dll!GetTickCount64 is not in "
                                       "the list of functions of the oldest system"},
              CheckImage(Image(layout), Policy(kList), Version()));
}

}  // namespace
}  // namespace tavrik::pecheck
