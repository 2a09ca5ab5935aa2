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
    const Handle library = machine.OpenLibrary("LX32.DLL");
    ASSERT_NE(library, kNoHandle);
    auto add = reinterpret_cast<AddFunction>(machine.LibraryEntry(library, "@probe_add$qii"));
    ASSERT_NE(add, nullptr);
    EXPECT_EQ(add(2, 3), 5);
    EXPECT_EQ(machine.LibraryEntry(library, "probe_add"), nullptr);  // not an export name
    EXPECT_EQ(machine.LibraryEntry(library, "@Missing$qv"), nullptr);
    EXPECT_TRUE(machine.CloseLibrary(library));

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
    const Handle first = machine.OpenLibrary("lx32");  // ".dll" is assumed
    const Handle second = machine.OpenLibrary("C:\\WINDOWS\\lx32.dll");
    ASSERT_NE(first, kNoHandle);
    EXPECT_EQ(first, second);
    auto add = reinterpret_cast<AddFunction>(machine.LibraryEntry(first, "@probe_add$qii"));
    auto count =
        reinterpret_cast<CountFunction>(machine.LibraryEntry(first, "@probe_call_count$qv"));
    ASSERT_NE(count, nullptr);
    add(1, 1);
    EXPECT_EQ(count(), 1);

    EXPECT_TRUE(machine.CloseLibrary(first));
    EXPECT_TRUE(machine.IsLibraryLoaded("lx32.dll"));
    EXPECT_TRUE(machine.CloseLibrary(second));
    EXPECT_FALSE(machine.IsLibraryLoaded("lx32.dll"));
    EXPECT_FALSE(machine.CloseLibrary(second));
    EXPECT_EQ(machine.LibraryEntry(first, "@probe_add$qii"), nullptr);

    const Handle again = machine.OpenLibrary("lx32.dll");
    count = reinterpret_cast<CountFunction>(machine.LibraryEntry(again, "@probe_call_count$qv"));
    EXPECT_EQ(count(), 0);  // really unloaded in between
    machine.CloseLibrary(again);
    EXPECT_EQ(machine.LibraryLoadCount("lx32.dll"), 3);
    EXPECT_EQ(machine.LibraryFreeCount("LX32.DLL"), 3);
}

TEST(FakeLibraries, TablesOfExportsAndUnknownLibraries) {
    FakeMachine machine;
    machine.AddLibrary("fake.dll", {{"@Twice$qii", reinterpret_cast<void*>(&FakeTwice)}});
    const Handle library = machine.OpenLibrary("Fake.dll");
    ASSERT_NE(library, kNoHandle);
    auto twice = reinterpret_cast<AddFunction>(machine.LibraryEntry(library, "@Twice$qii"));
    ASSERT_NE(twice, nullptr);
    EXPECT_EQ(twice(1, 2), 6);
    EXPECT_EQ(machine.LibraryEntry(library, "@twice$qii"), nullptr);  // exports keep case
    machine.CloseLibrary(library);

    EXPECT_EQ(machine.OpenLibrary("missing.dll"), kNoHandle);
    EXPECT_EQ(machine.OpenLibrary(""), kNoHandle);
    machine.AddNativeLibrary("broken.dll", "/nonexistent/libbroken.so", {});
    EXPECT_EQ(machine.OpenLibrary("broken.dll"), kNoHandle);
    EXPECT_EQ(machine.LibraryLoadCount("broken.dll"), 0);
}

}  // namespace
}  // namespace tavrik::platform
