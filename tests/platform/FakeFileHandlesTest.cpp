#include <gtest/gtest.h>

#include "platform/fake/FakeMachine.h"

namespace tavrik::platform {
namespace {

// Outside the machine contract: Wine lets CREATE_ALWAYS replace a hidden file.
TEST(FakeFileHandles, CreatingOverAHiddenFileIsRefused) {
    FakeMachine machine;
    machine.WriteFile("C:\\hidden.txt", "h");
    machine.SetFileAttributes("C:\\hidden.txt", kAttrHidden);
    EXPECT_EQ(machine.OpenFile("C:\\hidden.txt", FileAccess::Write, FileCreation::CreateAlways),
              kNoHandle);
    EXPECT_NE(machine.OpenFile("C:\\hidden.txt", FileAccess::Write, FileCreation::OpenExisting),
              kNoHandle);
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
