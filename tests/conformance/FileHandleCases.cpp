// Raw file handles: creation modes, access, positions, and what an open
// handle lets others do.
#include "ConformanceSupport.h"

namespace tavrik::conformance {
namespace {

using namespace platform;

using FileHandleCases = MachineCase;

std::int64_t Write(Handle file, const std::string& bytes) {
    return CurrentMachine().WriteFile(file, bytes.data(), bytes.size());
}

std::string Read(Handle file, std::size_t size) {
    std::string buffer(size, '\0');
    const std::int64_t count = CurrentMachine().ReadFile(file, buffer.data(), buffer.size());
    return count < 0 ? "<failed>" : buffer.substr(0, static_cast<std::size_t>(count));
}

TEST_F(FileHandleCases, WritesAtThePositionAndSeeksFromEachOrigin) {
    const std::string path = At("DICO.TXT");
    EXPECT_EQ(machine.OpenFile(path, FileAccess::Write, FileCreation::OpenExisting), kNoHandle);
    const Handle file = machine.OpenFile(path, FileAccess::ReadWrite, FileCreation::CreateAlways);
    ASSERT_NE(file, kNoHandle);
    EXPECT_EQ(Write(file, "hello"), 5);
    EXPECT_EQ(machine.SeekFile(file, 0, SeekOrigin::Begin), 0);
    EXPECT_EQ(Write(file, "J"), 1);
    EXPECT_EQ(machine.SeekFile(file, 0, SeekOrigin::End), 5);
    EXPECT_EQ(Write(file, "!"), 1);
    EXPECT_EQ(machine.SeekFile(file, -3, SeekOrigin::Current), 3);
    EXPECT_EQ(Read(file, 10), "lo!");
    EXPECT_EQ(Read(file, 10), "");  // at the end
    EXPECT_EQ(machine.SeekFile(file, -100, SeekOrigin::Current), -1);
    EXPECT_EQ(machine.SeekFile(file, 0, SeekOrigin::Current), 6);  // unchanged
    EXPECT_EQ(machine.SeekFile(file, 8, SeekOrigin::Begin), 8);
    EXPECT_EQ(Write(file, "x"), 1);
    EXPECT_TRUE(machine.CloseFile(file));
    EXPECT_EQ(ReadWholeFile(path), std::string("Jello!\0\0x", 9));
}

TEST_F(FileHandleCases, OpeningFollowsCreationModeAndAccess) {
    EXPECT_EQ(machine.OpenFile(At("missing"), FileAccess::Read, FileCreation::OpenExisting),
              kNoHandle);
    EXPECT_EQ(machine.OpenFile(At("nofolder\\x"), FileAccess::Write, FileCreation::CreateAlways),
              kNoHandle);
    ASSERT_TRUE(WriteWholeFile(At("old.txt"), "previous content"));
    const Handle truncated =
        machine.OpenFile(At("old.txt"), FileAccess::Write, FileCreation::CreateAlways);
    ASSERT_NE(truncated, kNoHandle);
    EXPECT_EQ(Read(truncated, 4), "<failed>");  // a write-only handle
    machine.CloseFile(truncated);
    EXPECT_EQ(ReadWholeFile(At("old.txt")), "");

    const Handle reader =
        machine.OpenFile(At("old.txt"), FileAccess::Read, FileCreation::OpenExisting);
    EXPECT_EQ(Write(reader, "x"), -1);  // a read-only handle
    machine.CloseFile(reader);

    ASSERT_TRUE(machine.MakeDirectory(At("folder")));
    EXPECT_EQ(machine.OpenFile(At("folder"), FileAccess::Read, FileCreation::OpenExisting),
              kNoHandle);
}

// Every handle shares reading and writing (support staff read the trace log
// while the wizard writes it), but not deleting: an open file can be copied
// and copied over, but neither deleted nor renamed.
TEST_F(FileHandleCases, AnOpenFileIsSharedForReadingAndWriting) {
    ASSERT_TRUE(WriteWholeFile(At("TraceTavrik.log"), "first\r\n"));
    ASSERT_TRUE(WriteWholeFile(At("other.txt"), "other"));
    for (const FileAccess access : {FileAccess::Read, FileAccess::Write}) {
        const Handle held =
            machine.OpenFile(At("TraceTavrik.log"), access, FileCreation::OpenExisting);
        ASSERT_NE(held, kNoHandle);
        EXPECT_EQ(ReadWholeFile(At("tracetavrik.LOG")), "first\r\n");
        const Handle second =
            machine.OpenFile(At("TraceTavrik.log"), FileAccess::Write, FileCreation::OpenExisting);
        EXPECT_NE(second, kNoHandle);
        machine.CloseFile(second);
        EXPECT_FALSE(machine.RemoveFile(At("TraceTavrik.log")));
        EXPECT_FALSE(machine.RenameFile(At("TraceTavrik.log"), At("moved.log")));
        EXPECT_TRUE(machine.CopyFileTo(At("TraceTavrik.log"), At("copy.log"), false));
        EXPECT_EQ(ReadWholeFile(At("copy.log")), "first\r\n");
        EXPECT_TRUE(machine.CopyFileTo(At("other.txt"), At("TraceTavrik.log"), false));
        EXPECT_EQ(ReadWholeFile(At("TraceTavrik.log")), "other");
        machine.CloseFile(held);
        ASSERT_TRUE(WriteWholeFile(At("TraceTavrik.log"), "first\r\n"));
    }
    EXPECT_TRUE(machine.RemoveFile(At("TraceTavrik.log")));
}

TEST_F(FileHandleCases, NoHandleFailsWithoutEffect) {
    char byte = 0;
    EXPECT_EQ(-1, machine.SeekFile(kNoHandle, 0, SeekOrigin::End));
    EXPECT_EQ(-1, machine.WriteFile(kNoHandle, "x", 1));
    EXPECT_EQ(-1, machine.ReadFile(kNoHandle, &byte, 1));
    EXPECT_FALSE(machine.CloseFile(kNoHandle));
}

}  // namespace
}  // namespace tavrik::conformance
