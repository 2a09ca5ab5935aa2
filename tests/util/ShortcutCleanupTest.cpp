#include <gtest/gtest.h>

#include <string>
#include <vector>

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

// The three shortcuts go at any depth, matched by their exact name, case
// included; a dotted folder is not searched.
TEST_F(ShortcutCleanupTest, RemovesTheThreeShortcutsByExactNameOutsideDottedFolders) {
    const std::vector<std::string> removed = {
        "Bureau\\Solvane 2000.lnk", "Menu D\xe9marrer\\Programmes\\Solvane\\Solvane Office.lnk",
        "Solvane Measure.lnk", "Shortcuts\\Solvane 2000.lnk"};
    const std::vector<std::string> kept = {"Bureau\\Solvane Interface.lnk", "solvane office.lnk",
                                           "Solvane Office.lnk.bak",
                                           "Shortcuts.old\\Solvane 2000.lnk"};
    for (const auto& name : removed) Put(name);
    for (const auto& name : kept) Put(name);

    RemoveProductShortcuts(profile);

    for (const auto& name : removed) EXPECT_FALSE(Has(name)) << name;
    for (const auto& name : kept) EXPECT_TRUE(Has(name)) << name;
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
