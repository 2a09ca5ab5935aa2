// The compiler as the build runs it: exit status, messages, files.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "lx32/DbzReader.h"
#include "lx32/FileByteSource.h"
#include "tests/lx32/TempDirectory.h"

namespace tavrik::lx {
namespace {

struct DbzcRun {
    int exitCode = -1;
    std::string messages;
};

DbzcRun RunDbzc(const std::string& arguments) {
    const std::string command = std::string("'") + DBZC_PATH + "' " + arguments + " 2>&1";
    DbzcRun run;
    std::FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) {
        ADD_FAILURE() << "cannot run " << command;
        return run;
    }
    char buffer[512];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
        run.messages.append(buffer, got);
    }
    const int status = ::pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

std::string Quoted(const std::string& path) { return "'" + path + "'"; }

TEST(Dbzc, WritesADictionaryTheReaderUnderstands) {
    test::TempDirectory folder;
    const std::string source =
        folder.Write("el.txt", "@codepage 1253\n@font Arial\n@charset 161\n278\tΚαλημέρα\n");
    const std::string output = folder.Path() + "/THESAUEL.DBZ";
    const DbzcRun run = RunDbzc(Quoted(source) + " " + Quoted(output));
    ASSERT_EQ(run.exitCode, 0) << run.messages;
    EXPECT_EQ(run.messages, "");

    FileByteSource file(output.c_str());
    const auto dictionary = DbzDictionary::Open(file);
    ASSERT_TRUE(dictionary);
    EXPECT_EQ(dictionary->CodePage(), 1253);
    std::string text;
    ASSERT_TRUE(dictionary->FindPhrase(278, text));
    EXPECT_EQ(text, "\xCA\xE1\xEB\xE7\xEC\xDD\xF1\xE1");
}

TEST(Dbzc, AFaultySourceFailsWithItsLinesAndKeepsThePreviousOutput) {
    test::TempDirectory folder;
    const std::string source =
        folder.Write("ru.txt", "@codepage 1251\n@font Arial\n@charset 204\n5\tx\n5\ty\n");
    const std::string output = folder.Write("THESAURU.DBZ", "previous bytes");
    const DbzcRun run = RunDbzc(Quoted(source) + " " + Quoted(output));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.messages, source + ":5: duplicate phrase number 5 (first on line 4)\n");
    EXPECT_EQ(test::ReadFile(output), "previous bytes");
    EXPECT_FALSE(std::filesystem::exists(output + ".tmp"));
}

TEST(Dbzc, RefusesWrongUsageAndUnreadableOrUnwritableFiles) {
    test::TempDirectory folder;
    EXPECT_EQ(RunDbzc("").exitCode, 2);
    EXPECT_EQ(RunDbzc("a b c").exitCode, 2);

    const DbzcRun missing = RunDbzc(Quoted(folder.Path() + "/none.txt") + " out.DBZ");
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.messages.find("dbzc: cannot read"), std::string::npos) << missing.messages;

    const std::string source = folder.Write("ok.txt", "@codepage 1252\n@font Arial\n@charset 0\n");
    const DbzcRun unwritable =
        RunDbzc(Quoted(source) + " " + Quoted(folder.Path() + "/no/dir/X.DBZ"));
    EXPECT_EQ(unwritable.exitCode, 1);
    EXPECT_NE(unwritable.messages.find("dbzc: cannot write"), std::string::npos)
        << unwritable.messages;
}

}  // namespace
}  // namespace tavrik::lx
