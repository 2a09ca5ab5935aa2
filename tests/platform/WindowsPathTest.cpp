#include "platform/fake/WindowsPath.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavrik::platform {
namespace {

using namespace std::string_literals;

const WindowsPath kCurrent{'D', {"medium", "sub"}, false};

std::string Resolved(const std::string& path) {
    const auto resolved = ResolveWindowsPath(path, kCurrent);
    return resolved ? resolved->ToString() : "<invalid>";
}

TEST(WindowsPath, RelativeFormsResolveAgainstTheCurrentDirectory) {
    EXPECT_EQ(Resolved(".\\x.ini"), "D:\\medium\\sub\\x.ini");
    EXPECT_EQ(Resolved("x.ini"), "D:\\medium\\sub\\x.ini");
    EXPECT_EQ(Resolved("..\\x.ini"), "D:\\medium\\x.ini");
    EXPECT_EQ(Resolved("\\APP\\x"), "D:\\APP\\x");  // root of the current drive
    EXPECT_EQ(Resolved("d:x"), "D:\\medium\\sub\\x");
    EXPECT_EQ(Resolved("C:x"), "C:\\x");  // another drive: its root
    EXPECT_EQ(Resolved("c:/a/b"), "C:\\a\\b");
}

TEST(WindowsPath, NormalisesLikeGetFullPathName) {
    EXPECT_EQ(Resolved("C:\\a\\\\b\\.\\c\\..\\d"), "C:\\a\\b\\d");
    EXPECT_EQ(Resolved("C:\\..\\..\\x"), "C:\\x");
    EXPECT_EQ(Resolved("C:\\dir.\\name. . "), "C:\\dir\\name");
    EXPECT_EQ(Resolved("C:\\a\\..."), "C:\\a");  // last name: all trailing dots go
    EXPECT_EQ(Resolved("C:\\x\0ignored"s), "C:\\x");

    const auto folder = ResolveWindowsPath("C:\\dir\\", kCurrent);
    ASSERT_TRUE(folder);
    EXPECT_TRUE(folder->trailingSeparator);
    EXPECT_EQ(folder->ToString(), "C:\\dir");
    EXPECT_TRUE(ResolveWindowsPath("C:\\", kCurrent)->IsRoot());
}

TEST(WindowsPath, RefusesWhatWindowsRefuses) {
    const std::vector<std::string> refused = {
        "",        "\\\\server\\share\\x", "\\\\?\\C:\\x", "C:\\a|b",
        "C:\\a*b", "C:\\a\\x:y",           "C:\\a\"b",     "C:\\a\x01"};
    for (const std::string& path : refused) {
        EXPECT_EQ(Resolved(path), "<invalid>") << path;
    }
    EXPECT_EQ(Resolved("C:\\" + std::string(255, 'n')).size(), 3 + 255u);
    EXPECT_EQ(Resolved("C:\\" + std::string(256, 'n')), "<invalid>");  // name too long
    const std::string nearLimit = "C:\\" + std::string(200, 'a') + "\\" + std::string(55, 'b');
    EXPECT_EQ(nearLimit.size(), kMaxPath - 1);
    EXPECT_EQ(Resolved(nearLimit), nearLimit);
    EXPECT_EQ(Resolved(nearLimit + "b"), "<invalid>");  // MAX_PATH reached
}

TEST(WindowsPath, SplitLastNameKeepsTheFolderPart) {
    std::string folder;
    std::string name;
    SplitLastName("E:\\BRENDOL\\DICO\\*.bmp", folder, name);
    EXPECT_EQ(folder, "E:\\BRENDOL\\DICO\\");
    EXPECT_EQ(name, "*.bmp");
    SplitLastName("C:*.*", folder, name);
    EXPECT_EQ(folder, "C:");
    EXPECT_EQ(name, "*.*");
    SplitLastName("*.ini", folder, name);
    EXPECT_EQ(folder, ".");
    EXPECT_EQ(name, "*.ini");
}

}  // namespace
}  // namespace tavrik::platform
