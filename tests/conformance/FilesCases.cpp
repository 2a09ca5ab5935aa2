// Files and folders: existence, listing, attributes, and the failures of
// copy, rename, delete and folder creation.
#include <algorithm>

#include "ConformanceSupport.h"

namespace tavrik::conformance {
namespace {

using namespace platform;

using FileCases = MachineCase;

std::vector<std::string> Sorted(std::vector<std::string> names) {
    std::sort(names.begin(), names.end());
    return names;
}

TEST_F(FileCases, NamesIgnoreCaseAndTellFilesFromFolders) {
    ASSERT_TRUE(machine.MakeDirectory(At("Medium")));
    ASSERT_TRUE(WriteWholeFile(At("Medium\\Setup.INI"), "bytes"));
    EXPECT_TRUE(machine.FileExists(At("MEDIUM\\setup.ini")));
    EXPECT_EQ(ReadWholeFile(At("medium\\SETUP.ini")), "bytes");
    EXPECT_FALSE(machine.FileExists(At("Medium\\Setup.INI\\")));
    EXPECT_FALSE(machine.FileExists(At("Medium")));
    EXPECT_TRUE(machine.DirectoryExists(At("MEDIUM\\")));
    EXPECT_FALSE(machine.DirectoryExists(At("Medium\\Setup.INI")));
    EXPECT_FALSE(machine.FileExists("Q:\\Setup.INI"));  // no such drive
}

TEST_F(FileCases, ListingFollowsThePatternWithDotEntriesFirst) {
    for (const char* name : {"b.txt", "A.TXT", "noext", "b.bmp"}) {
        ASSERT_TRUE(WriteWholeFile(At(name), name));
    }
    ASSERT_TRUE(machine.MakeDirectory(At("sub")));

    const std::vector<std::string> all = ListedNames(At("*.*"));
    ASSERT_GE(all.size(), 2u);
    EXPECT_EQ((std::vector<std::string>{"../", "./"}), Sorted({all[0], all[1]}));
    EXPECT_EQ((std::vector<std::string>{"../", "./", "A.TXT", "b.bmp", "b.txt", "noext", "sub/"}),
              Sorted(all));
    EXPECT_EQ(ListedNames(At("*")), all);
    EXPECT_EQ((std::vector<std::string>{"A.TXT", "b.txt"}), Sorted(ListedNames(At("*.txt"))));
    EXPECT_EQ(std::vector<std::string>{"b.bmp"}, ListedNames(At("*.BMP")));
    EXPECT_EQ(std::vector<std::string>{"<none>"}, ListedNames(At("*.none")));
    EXPECT_EQ(std::vector<std::string>{"<none>"}, ListedNames(At("missing\\*.*")));

    std::vector<DirectoryEntry> entries{DirectoryEntry{"stale", 0}};
    EXPECT_FALSE(machine.ListDirectory(At("*.none"), entries));
    EXPECT_TRUE(entries.empty());
}

TEST_F(FileCases, ListingReportsAttributes) {
    ASSERT_TRUE(WriteWholeFile(At("plain.txt"), ""));
    ASSERT_TRUE(WriteWholeFile(At("marked.txt"), ""));
    ASSERT_TRUE(machine.MakeDirectory(At("sub")));
    CurrentSetup().SetAttributes(At("marked.txt"), kAttrReadOnly | kAttrHidden | kAttrSystem);

    std::vector<DirectoryEntry> entries;
    ASSERT_TRUE(machine.ListDirectory(At("*"), entries));
    for (const DirectoryEntry& entry : entries) {
        if (entry.name == "plain.txt") {
            EXPECT_EQ(entry.attributes, kAttrArchive);
        } else if (entry.name == "marked.txt") {
            EXPECT_EQ(entry.attributes, kAttrArchive | kAttrReadOnly | kAttrHidden | kAttrSystem);
        } else {
            EXPECT_EQ(entry.attributes, kAttrDirectory) << entry.name;
        }
    }
    CurrentSetup().SetAttributes(At("marked.txt"), 0);
}

TEST_F(FileCases, CopyProtectsExistingData) {
    ASSERT_TRUE(WriteWholeFile(At("a.txt"), "original"));
    ASSERT_TRUE(WriteWholeFile(At("b.txt"), "other"));
    EXPECT_FALSE(machine.CopyFileTo(At("a.txt"), At("A.TXT"), false));  // onto itself
    EXPECT_EQ(ReadWholeFile(At("a.txt")), "original");
    EXPECT_FALSE(machine.CopyFileTo(At("b.txt"), At("a.txt"), true));
    EXPECT_EQ(ReadWholeFile(At("a.txt")), "original");
    EXPECT_TRUE(machine.CopyFileTo(At("b.txt"), At("a.txt"), false));
    EXPECT_EQ(ReadWholeFile(At("a.txt")), "other");
    EXPECT_FALSE(machine.CopyFileTo(At("missing"), At("c.txt"), false));
    EXPECT_FALSE(machine.CopyFileTo(At("a.txt"), At("nofolder\\c.txt"), false));
}

TEST_F(FileCases, ReadOnlyFilesResistDeletionAndKeepTheBit) {
    ASSERT_TRUE(WriteWholeFile(At("ro.txt"), "keep"));
    CurrentSetup().SetAttributes(At("ro.txt"), kAttrReadOnly);
    EXPECT_FALSE(machine.RemoveFile(At("ro.txt")));

    EXPECT_TRUE(machine.CopyFileTo(At("ro.txt"), At("copy.txt"), false));
    EXPECT_FALSE(machine.RemoveFile(At("copy.txt")));  // the copy is read-only too
    EXPECT_TRUE(machine.RenameFile(At("ro.txt"), At("moved.txt")));
    EXPECT_FALSE(machine.RemoveFile(At("moved.txt")));  // the bit moved with it
    EXPECT_EQ(ReadWholeFile(At("moved.txt")), "keep");
}

TEST_F(FileCases, ClearingTheReadOnlyBitKeepsTheOthersAndAllowsDeletion) {
    ASSERT_TRUE(WriteWholeFile(At("ro.txt"), "keep"));
    ASSERT_TRUE(WriteWholeFile(At("plain.txt"), "plain"));
    CurrentSetup().SetAttributes(At("ro.txt"), kAttrReadOnly | kAttrHidden);

    EXPECT_TRUE(machine.ClearReadOnly(At("ro.txt")));
    std::vector<DirectoryEntry> entries;
    ASSERT_TRUE(machine.ListDirectory(At("ro.txt"), entries));
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].attributes & (kAttrReadOnly | kAttrHidden), kAttrHidden);
    EXPECT_TRUE(machine.ClearReadOnly(At("plain.txt")));
    EXPECT_FALSE(machine.ClearReadOnly(At("missing.txt")));
    EXPECT_TRUE(machine.RemoveFile(At("ro.txt")));
}

TEST_F(FileCases, RenameAndDeleteRules) {
    ASSERT_TRUE(WriteWholeFile(At("file.txt"), "1"));
    ASSERT_TRUE(WriteWholeFile(At("taken.txt"), "2"));
    ASSERT_TRUE(machine.MakeDirectory(At("tree")));
    ASSERT_TRUE(machine.MakeDirectory(At("tree\\inner")));

    EXPECT_FALSE(machine.RenameFile(At("file.txt"), At("taken.txt")));
    EXPECT_EQ(ReadWholeFile(At("taken.txt")), "2");
    EXPECT_FALSE(machine.RenameFile(At("tree"), At("tree\\inner\\x")));
    EXPECT_TRUE(machine.RenameFile(At("tree"), At("forest")));
    EXPECT_TRUE(machine.DirectoryExists(At("forest\\inner")));
    EXPECT_FALSE(machine.RenameFile(At("missing"), At("found")));

    EXPECT_TRUE(machine.RemoveFile(At("FILE.TXT")));  // names ignore case
    EXPECT_FALSE(machine.RemoveFile(At("file.txt")));
    EXPECT_FALSE(machine.FileExists(At("file.txt")));
    EXPECT_FALSE(machine.RemoveFile(At("forest")));  // a folder is no file
}

TEST_F(FileCases, FoldersAreCreatedOneAtATime) {
    EXPECT_FALSE(machine.MakeDirectory(At("a\\b")));
    EXPECT_TRUE(machine.MakeDirectory(At("a")));
    EXPECT_FALSE(machine.MakeDirectory(At("A")));
    EXPECT_TRUE(machine.MakeDirectory(At("A\\b\\")));
    EXPECT_TRUE(machine.DirectoryExists(At("a\\B")));
    EXPECT_FALSE(machine.MakeDirectory("C:\\"));
    EXPECT_FALSE(machine.MakeDirectory("C:\\" + std::string(300, 'x')));
}

}  // namespace
}  // namespace tavrik::conformance
