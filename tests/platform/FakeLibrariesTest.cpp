#include <gtest/gtest.h>

#include "platform/fake/FakeMachine.h"

namespace tavrik::platform {
namespace {

using AddFunction = int (*)(int, int);
using CountFunction = int (*)();

const std::map<std::string, std::string> kProbeNames = {
    {"@probe_add$qii", "probe_add"},
    {"@probe_call_count$qv", "probe_call_count"},
};

int FakeTwice(int a, int b) { return 2 * (a + b); }

TEST(FakeLibraries, NativeLibraryAnswersOnlyItsDecoratedNames) {
    FakeMachine machine;
    machine.AddNativeLibrary("lx32.dll", TAVRIK_PROBE_LIBRARY, kProbeNames);
    const Handle library = machine.LoadLibrary("LX32.DLL");
    ASSERT_NE(library, kNoHandle);
    auto add = reinterpret_cast<AddFunction>(machine.GetProcAddress(library, "@probe_add$qii"));
    ASSERT_NE(add, nullptr);
    EXPECT_EQ(add(2, 3), 5);
    EXPECT_EQ(machine.GetProcAddress(library, "probe_add"), nullptr);  // not an export name
    EXPECT_EQ(machine.GetProcAddress(library, "@Missing$qv"), nullptr);
    EXPECT_TRUE(machine.FreeLibrary(library));

    const std::vector<LibraryCall>& calls = machine.LibraryCalls();
    ASSERT_EQ(calls.size(), 5u);
    EXPECT_EQ(calls[0].kind, LibraryCall::Kind::Load);
    EXPECT_EQ(calls[1].symbol, "@probe_add$qii");
    EXPECT_TRUE(calls[1].succeeded);
    EXPECT_FALSE(calls[2].succeeded);
    EXPECT_EQ(calls[4].kind, LibraryCall::Kind::Free);
    EXPECT_EQ(calls[4].library, "lx32.dll");
}

TEST(FakeLibraries, TheLastFreeUnloadsAndLoadsShareOneReferenceCount) {
    FakeMachine machine;
    machine.AddNativeLibrary("lx32.dll", TAVRIK_PROBE_LIBRARY, kProbeNames);
    const Handle first = machine.LoadLibrary("lx32");  // ".dll" is assumed
    const Handle second = machine.LoadLibrary("C:\\WINDOWS\\lx32.dll");
    ASSERT_NE(first, kNoHandle);
    EXPECT_EQ(first, second);
    auto add = reinterpret_cast<AddFunction>(machine.GetProcAddress(first, "@probe_add$qii"));
    auto count =
        reinterpret_cast<CountFunction>(machine.GetProcAddress(first, "@probe_call_count$qv"));
    ASSERT_NE(count, nullptr);
    add(1, 1);
    EXPECT_EQ(count(), 1);

    EXPECT_TRUE(machine.FreeLibrary(first));
    EXPECT_TRUE(machine.IsLibraryLoaded("lx32.dll"));
    EXPECT_TRUE(machine.FreeLibrary(second));
    EXPECT_FALSE(machine.IsLibraryLoaded("lx32.dll"));
    EXPECT_FALSE(machine.FreeLibrary(second));
    EXPECT_EQ(machine.GetProcAddress(first, "@probe_add$qii"), nullptr);

    const Handle again = machine.LoadLibrary("lx32.dll");
    count = reinterpret_cast<CountFunction>(machine.GetProcAddress(again, "@probe_call_count$qv"));
    EXPECT_EQ(count(), 0);  // really unloaded in between
    machine.FreeLibrary(again);
    EXPECT_EQ(machine.LibraryLoadCount("lx32.dll"), 3);
    EXPECT_EQ(machine.LibraryFreeCount("LX32.DLL"), 3);
}

TEST(FakeLibraries, TablesOfExportsAndUnknownLibraries) {
    FakeMachine machine;
    machine.AddLibrary("fake.dll", {{"@Twice$qii", reinterpret_cast<void*>(&FakeTwice)}});
    const Handle library = machine.LoadLibrary("Fake.dll");
    ASSERT_NE(library, kNoHandle);
    auto twice = reinterpret_cast<AddFunction>(machine.GetProcAddress(library, "@Twice$qii"));
    ASSERT_NE(twice, nullptr);
    EXPECT_EQ(twice(1, 2), 6);
    EXPECT_EQ(machine.GetProcAddress(library, "@twice$qii"), nullptr);  // exports keep case
    machine.FreeLibrary(library);

    EXPECT_EQ(machine.LoadLibrary("missing.dll"), kNoHandle);
    EXPECT_EQ(machine.LoadLibrary(""), kNoHandle);
    machine.AddNativeLibrary("broken.dll", "/nonexistent/libbroken.so", {});
    EXPECT_EQ(machine.LoadLibrary("broken.dll"), kNoHandle);
    EXPECT_EQ(machine.LibraryLoadCount("broken.dll"), 0);
}

}  // namespace
}  // namespace tavrik::platform
