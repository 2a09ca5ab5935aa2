#include <gtest/gtest.h>

#include "platform/fake/FakeMachine.h"

namespace tavrik::platform {
namespace {

std::int64_t Write(FakeMachine& machine, Handle file, const std::string& bytes) {
    return machine.WriteFile(file, bytes.data(), bytes.size());
}

std::string Read(FakeMachine& machine, Handle file, std::size_t size) {
    std::string buffer(size, '\0');
    const std::int64_t count = machine.ReadFile(file, buffer.data(), buffer.size());
    return count < 0 ? "<failed>" : buffer.substr(0, static_cast<std::size_t>(count));
}

TEST(FakeFileHandles, WritesAtThePositionAndSeeksFromEachOrigin) {
    FakeMachine machine;
    const Handle file =
        machine.OpenFile("C:\\DICO.TXT", FileAccess::ReadWrite, FileCreation::CreateAlways);
    ASSERT_NE(file, kNoHandle);
    EXPECT_EQ(Write(machine, file, "hello"), 5);
    EXPECT_EQ(machine.SeekFile(file, 0, SeekOrigin::Begin), 0);
    EXPECT_EQ(Write(machine, file, "J"), 1);
    EXPECT_EQ(machine.SeekFile(file, 0, SeekOrigin::End), 5);
    EXPECT_EQ(Write(machine, file, "!"), 1);
    EXPECT_EQ(machine.SeekFile(file, -3, SeekOrigin::Current), 3);
    EXPECT_EQ(Read(machine, file, 10), "lo!");
    EXPECT_EQ(Read(machine, file, 10), "");  // at the end
    EXPECT_EQ(machine.SeekFile(file, -100, SeekOrigin::Current), -1);
    EXPECT_EQ(machine.SeekFile(file, 0, SeekOrigin::Current), 6);  // unchanged
    EXPECT_EQ(machine.SeekFile(file, 8, SeekOrigin::Begin), 8);
    EXPECT_EQ(Write(machine, file, "x"), 1);
    EXPECT_TRUE(machine.CloseFile(file));
    EXPECT_EQ(machine.ReadFile("C:\\DICO.TXT"), std::string("Jello!\0\0x", 9));
}

TEST(FakeFileHandles, OpeningFollowsCreationModeAndAccess) {
    FakeMachine machine;
    EXPECT_EQ(machine.OpenFile("C:\\missing", FileAccess::Read, FileCreation::OpenExisting),
              kNoHandle);
    EXPECT_EQ(machine.OpenFile("C:\\nofolder\\x", FileAccess::Write, FileCreation::CreateAlways),
              kNoHandle);
    machine.WriteFile("C:\\old.txt", "previous content");
    const Handle truncated =
        machine.OpenFile("C:\\old.txt", FileAccess::Write, FileCreation::CreateAlways);
    ASSERT_NE(truncated, kNoHandle);
    EXPECT_EQ(Read(machine, truncated, 4), "<failed>");  // write-only handle
    machine.CloseFile(truncated);
    EXPECT_EQ(machine.ReadFile("C:\\old.txt"), "");

    const Handle reader =
        machine.OpenFile("C:\\old.txt", FileAccess::Read, FileCreation::OpenExisting);
    EXPECT_EQ(Write(machine, reader, "x"), -1);  // read-only handle
    machine.CloseFile(reader);

    machine.WriteFile("C:\\hidden.txt", "h");
    machine.SetFileAttributes("C:\\hidden.txt", kAttrHidden);
    EXPECT_EQ(machine.OpenFile("C:\\hidden.txt", FileAccess::Write, FileCreation::CreateAlways),
              kNoHandle);
    EXPECT_NE(machine.OpenFile("C:\\hidden.txt", FileAccess::Write, FileCreation::OpenExisting),
              kNoHandle);
    machine.AddDirectory("C:\\folder");
    EXPECT_EQ(machine.OpenFile("C:\\folder", FileAccess::Read, FileCreation::OpenExisting),
              kNoHandle);
}

TEST(FakeFileHandles, AnOpenFileIsSharedOnlyForReading) {
    FakeMachine machine;
    machine.WriteFile("C:\\f.txt", "data");
    const Handle first =
        machine.OpenFile("C:\\f.txt", FileAccess::Read, FileCreation::OpenExisting);
    const Handle second =
        machine.OpenFile("c:\\F.TXT", FileAccess::Read, FileCreation::OpenExisting);
    ASSERT_NE(first, kNoHandle);
    ASSERT_NE(second, kNoHandle);
    EXPECT_EQ(machine.OpenFile("C:\\f.txt", FileAccess::Write, FileCreation::OpenExisting),
              kNoHandle);
    EXPECT_FALSE(machine.DeleteFile("C:\\f.txt"));
    EXPECT_FALSE(machine.RenameFile("C:\\f.txt", "C:\\g.txt"));
    EXPECT_TRUE(machine.CopyFile("C:\\f.txt", "C:\\copy.txt", false));
    machine.CloseFile(first);
    machine.CloseFile(second);

    const Handle writer =
        machine.OpenFile("C:\\f.txt", FileAccess::Write, FileCreation::OpenExisting);
    ASSERT_NE(writer, kNoHandle);
    EXPECT_EQ(machine.OpenFile("C:\\f.txt", FileAccess::Read, FileCreation::OpenExisting),
              kNoHandle);
    EXPECT_FALSE(machine.CopyFile("C:\\f.txt", "C:\\copy2.txt", false));
    EXPECT_FALSE(machine.CopyFile("C:\\copy.txt", "C:\\f.txt", false));
    machine.CloseFile(writer);
    EXPECT_TRUE(machine.DeleteFile("C:\\f.txt"));
}

TEST(FakeFileHandles, NoHandleAndClosedHandlesFailWithoutEffect) {
    FakeMachine machine;
    const Handle file =
        machine.OpenFile("C:\\f.txt", FileAccess::ReadWrite, FileCreation::CreateAlways);
    EXPECT_EQ(machine.OpenHandleCount(), 1);
    EXPECT_TRUE(machine.CloseHandle(file));
    EXPECT_EQ(machine.OpenHandleCount(), 0);
    char byte = 'x';
    for (const Handle handle : {kNoHandle, file, Handle{0x7777}}) {
        EXPECT_EQ(machine.SeekFile(handle, 0, SeekOrigin::Begin), -1);
        EXPECT_EQ(machine.WriteFile(handle, &byte, 1), -1);
        EXPECT_EQ(machine.ReadFile(handle, &byte, 1), -1);
        EXPECT_FALSE(machine.CloseFile(handle));
    }
    EXPECT_EQ(machine.ReadFile("C:\\f.txt"), "");
}

}  // namespace
}  // namespace tavrik::platform
