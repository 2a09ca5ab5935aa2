#include <gtest/gtest.h>

#include "platform/fake/FakeMachine.h"
#include "platform/fake/ScopedCurrentMachine.h"
#include "util/FileUtilities.h"

namespace tavrik {
namespace {

using platform::FakeMachine;

class ShortcutCleanupTest : public ::testing::Test {
protected:
    FakeMachine machine;
    platform::ScopedCurrentMachine installed{machine};
    const std::string profile = "C:\\Documents and Settings\\All Users";

    void Put(const std::string& relative) { machine.WriteFile(profile + "\\" + relative, "lnk"); }
    bool Has(const std::string& relative) { return machine.FileExists(profile + "\\" + relative); }
};

TEST_F(ShortcutCleanupTest, RemovesTheThreeShortcutsAtAnyDepth) {
    Put("Bureau\\Solvane 2000.lnk");
    Put("Menu D\xe9marrer\\Programmes\\Solvane\\Solvane Office.lnk");
    Put("Solvane Measure.lnk");
    Put("Bureau\\Solvane Interface.lnk");

    RemoveProductShortcuts(profile);

    EXPECT_FALSE(Has("Bureau\\Solvane 2000.lnk"));
    EXPECT_FALSE(Has("Menu D\xe9marrer\\Programmes\\Solvane\\Solvane Office.lnk"));
    EXPECT_FALSE(Has("Solvane Measure.lnk"));
    EXPECT_TRUE(Has("Bureau\\Solvane Interface.lnk"));
}

TEST_F(ShortcutCleanupTest, NamesMatchExactlyIncludingCase) {
    Put("solvane office.lnk");
    Put("Solvane Office.lnk.bak");
    RemoveProductShortcuts(profile);
    EXPECT_TRUE(Has("solvane office.lnk"));
    EXPECT_TRUE(Has("Solvane Office.lnk.bak"));
}

TEST_F(ShortcutCleanupTest, ADottedFolderIsNotSearched) {
    Put("Shortcuts.old\\Solvane 2000.lnk");
    Put("Shortcuts\\Solvane 2000.lnk");
    RemoveProductShortcuts(profile);
    EXPECT_TRUE(Has("Shortcuts.old\\Solvane 2000.lnk"));
    EXPECT_FALSE(Has("Shortcuts\\Solvane 2000.lnk"));
}

TEST_F(ShortcutCleanupTest, AnEmptyFolderArgumentTouchesNothing) {
    machine.WriteFile("C:\\Solvane 2000.lnk", "lnk");
    machine.WriteFile("C:\\Profile\\Solvane Measure.lnk", "lnk");
    machine.SetCurrentDirectory("C:\\");

    RemoveProductShortcuts("");

    EXPECT_TRUE(machine.FileExists("C:\\Solvane 2000.lnk"));
    EXPECT_TRUE(machine.FileExists("C:\\Profile\\Solvane Measure.lnk"));
}

TEST_F(ShortcutCleanupTest, MissingFoldersAndUndeletableFilesAreIgnored) {
    Put("Solvane 2000.lnk");
    machine.MakeReadOnly(profile + "\\Solvane 2000.lnk");
    Put("Sub\\Solvane Office.lnk");

    RemoveProductShortcuts(profile);
    RemoveProductShortcuts("C:\\No such folder");

    EXPECT_TRUE(Has("Solvane 2000.lnk"));
    EXPECT_FALSE(Has("Sub\\Solvane Office.lnk"));
}

}  // namespace
}  // namespace tavrik
