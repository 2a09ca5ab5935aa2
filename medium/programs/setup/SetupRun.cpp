#include "SetupRun.h"

#include "CommandLine.h"
#include "InstallPaths.h"
#include "ProgressMarkers.h"
#include "SetupPlan.h"

namespace tavrik::setup {

namespace {

using PathKind = SetupHost::PathKind;

struct Result {
    int code;
    std::string message;
};

bool LoadPlan(SetupHost& host, const std::string& path, SetupPlan& plan, std::string& error) {
    // A bare name would be looked for in the Windows folder.
    const std::string full = host.FullPath(path);
    if (host.KindOf(full) != PathKind::File) {
        error = "cannot read the response file " + full;
        return false;
    }
    const ResponseValue value = [&](const std::string& section, const std::string& key) {
        return host.IniValue(full, section, key);
    };
    if (ReadSetupPlan(value, plan, error)) return true;
    error = "response file " + full + ": " + error;
    return false;
}

Result Work(SetupHost& host, const SetupPlan& plan, const std::string& payload,
            const std::string& target) {
    std::string error;
    if (plan.outcome == Outcome::Fail) {
        return {kFailureAsked, "failed as the response file asks ([Faults] Outcome=fail)"};
    }
    if (plan.action == Action::Install) {
        int copied = 0;
        if (!host.CopyFolder(payload, target, copied, error)) return {kWorkFailed, error};
        return {kSucceeded, "installed " + std::to_string(copied) + " files from " + payload +
                                " into " + target};
    }
    if (host.KindOf(target) == PathKind::None) {
        return {kSucceeded, "nothing to remove: no folder " + target};
    }
    if (!host.RemoveFolder(target, error)) return {kWorkFailed, error};
    return {kSucceeded, "removed " + target};
}

Result Run(SetupHost& host, const SetupPlan& plan) {
    const std::string pathInstall = host.ProductValue("PathInstall");
    if (pathInstall.empty()) {
        return {kNoInstallPath, "no PathInstall value in HKLM\\SOFTWARE\\NORVA\\BRENDOL_PC"};
    }
    const std::string medium = host.ProgramFolder();
    const std::string name = host.IniValue(medium + "tavrik.ini", "INSTALL", "NAME");
    if (name.empty()) return {kNoPayload, "no [INSTALL] NAME in " + medium + "tavrik.ini"};
    const std::string payload = medium + name + "\\";
    if (plan.action == Action::Install && host.KindOf(payload + "applic.ini") != PathKind::File) {
        return {kNoPayload, "no application on the medium: " + payload + "applic.ini is missing"};
    }

    ProgressMarkers markers(host, AtInstallRoot(pathInstall, "PGB_Avance.ini"), plan.markerWaitMs);
    int step = 0;
    const auto stepsUpTo = [&](int last) {
        while (step < last) {
            host.Sleep(plan.stepMs);
            markers.Step(++step);
        }
    };
    stepsUpTo(plan.steps / 2);
    if (plan.hangSeconds > 0) host.Sleep(plan.hangSeconds * 1000);
    if (plan.outcome == Outcome::Crash) host.Crash();
    Result result = Work(host, plan, payload, InstalledFolder(pathInstall, name));
    if (result.code == kSucceeded) stepsUpTo(plan.steps);
    markers.Finish();
    if (!markers.Watched()) result.message += "; nobody took the progress marker";
    if (result.code == kSucceeded && !host.SetProductValue("Install", "0")) {
        return {kWorkFailed, result.message + ", but Install=0 could not be written"};
    }
    return result;
}

void WriteLog(SetupHost& host, const std::string& path, int code, const std::string& action,
              const std::string& message) {
    host.Write(path, "[ResponseResult]\r\nResultCode=" + std::to_string(code) +
                         "\r\nAction=" + action + "\r\nMessage=" + message + "\r\n");
}

}  // namespace

int RunSetupProgram(const std::string& commandLine, SetupHost& host) {
    const SetupArguments arguments = SplitCommandLine(commandLine);
    // Not beside the program: the medium may be a CD.
    const std::string log =
        arguments.logFile.empty() ? host.TempFolder() + "setup.log" : arguments.logFile;
    SetupPlan plan;
    std::string error =
        arguments.responseFile.empty() ? "no response file: the command line has no -f1<path>" : "";
    if (error.empty() && LoadPlan(host, arguments.responseFile, plan, error)) {
        const std::string action = plan.action == Action::Install ? "install" : "remove";
        WriteLog(host, log, kNotFinished, action, "started, not finished");
        Result result = Run(host, plan);
        if (!arguments.silent) result.message += "; -s missing, ran silently all the same";
        WriteLog(host, log, result.code, action, result.message);
        return result.code;
    }
    WriteLog(host, log, kBadRequest, "none", error);
    return kBadRequest;
}

}  // namespace tavrik::setup
