#include "install/ChildProcess.h"

#include <functional>

#include "app/ProgramState.h"
#include "app/Unit1.h"
#include "install/ProgressNotices.h"
#include "localisation/PhraseNumbers.h"
#include "trace/TraceLog.h"
#include "util/StringUtilities.h"
#include "vcl/Application.h"

namespace tavrik {

namespace {

constexpr int kDefaultBoundSeconds = 600;
// Short enough for the window to answer at once, long enough to cost nothing.
constexpr std::uint32_t kSliceMs = 100;
constexpr int kSlicesPerSecond = 1000 / kSliceMs;

}  // namespace

bool RunEnded() { return vcl::Application() != nullptr && vcl::Application()->Terminated(); }

void TraceChildNotEnded(const std::string& commandLine) {
    AppendTraceLine("programme non termine apres " + std::to_string(ChildWaitBoundSeconds()) +
                    " s : " + commandLine);
}

namespace {

void ShowChildNotEnded(const std::string& commandLine) {
    TraceChildNotEnded(commandLine);
    if (State.MainForm == nullptr) return;
    TMainForm& form = *State.MainForm;
    RefuseWork(form, form.GetPhrase(phrase::kProgramsStillRunning, true) + "\n" + commandLine);
    form.Bouton_F1_MAJComp->SetVisible(true);
}

bool StartAndWait(const std::string& commandLine, const platform::StartOptions& options,
                  std::uint32_t* exitCode, const std::function<bool(platform::Handle)>& wait) {
    auto& machine = platform::CurrentMachine();
    State.SetupProcessInfo = {};
    if (!machine.StartProcess(commandLine, options, State.SetupProcessInfo)) {
        State.SetupProcessInfo = {};
        return false;
    }
    const bool ended = wait(State.SetupProcessInfo.process);
    const bool read =
        exitCode == nullptr || machine.ProcessExitCode(State.SetupProcessInfo.process, *exitCode);
    // Closing the handles leaves a child that has not ended running.
    machine.CloseHandle(State.SetupProcessInfo.process);
    machine.CloseHandle(State.SetupProcessInfo.thread);
    State.SetupProcessInfo = {};
    return ended && read;
}

}  // namespace

int ChildWaitBoundSeconds() {
    std::string text;
    long seconds = 0;
    if (platform::CurrentMachine().EnvironmentVariable("TAVRIK_CHILD_WAIT_SECONDS", text) &&
        ParseDecimal(text, seconds) && seconds > 0 && seconds <= kDefaultBoundSeconds * 100) {
        return static_cast<int>(seconds);
    }
    return kDefaultBoundSeconds;
}

bool WaitAnsweringWithinBound(platform::Handle process) {
    auto& machine = platform::CurrentMachine();
    const auto waitSlice = [&] {
        // Ended, or no longer waitable: nothing to wait for.
        return machine.WaitForProcess(process, kSliceMs) != platform::WaitResult::TimedOut;
    };
    if (waitSlice()) return true;  // a quick child costs no look at the bound
    // Slices rather than a clock: each one lasts at least kSliceMs while the
    // child runs, so the bound is a lower bound.
    const long slices = static_cast<long>(ChildWaitBoundSeconds()) * kSlicesPerSecond;
    bool ended = false;
    State.WaitingForChild = true;
    for (long slice = 1; slice < slices && !ended; ++slice) {
        if (vcl::Application() != nullptr) {
            vcl::Application()->ProcessMessages();
            if (RunEnded()) break;
        }
        ended = waitSlice();
    }
    State.WaitingForChild = false;
    return ended;
}

bool WaitWhileAnswering(platform::Handle process, const std::string& commandLine) {
    if (WaitAnsweringWithinBound(process)) return true;
    if (RunEnded()) {
        AppendTraceLine("fin demandee pendant : " + commandLine);
        State.WorkRefused = true;  // the run ends: nothing more starts
    } else {
        ShowChildNotEnded(commandLine);
    }
    return false;
}

bool RunAndWait(const std::string& commandLine, const platform::StartOptions& options,
                std::uint32_t* exitCode) {
    return StartAndWait(commandLine, options, exitCode, [&](platform::Handle process) {
        return WaitWhileAnswering(process, commandLine);
    });
}

bool RunAndWaitUnbounded(const std::string& commandLine, const platform::StartOptions& options) {
    return StartAndWait(commandLine, options, nullptr, [](platform::Handle process) {
        platform::CurrentMachine().WaitForProcess(process, platform::kInfinite);
        return true;
    });
}

}  // namespace tavrik
