// tavrik-dryrun: the road the wizard of a medium takes on a described PC.
#include <fcntl.h>
#include <unistd.h>
#include <ext/stdio_filebuf.h>

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "ObservedPc.h"
#include "Options.h"
#include "PcSetup.h"
#include "RegFile.h"
#include "Road.h"
#include "Technician.h"
#include "platform/fake/ScopedCurrentMachine.h"

namespace {

constexpr int kBadInput = 2;
constexpr int kUnreadable = 1;

}  // namespace

int main(int argc, char** argv) {
    using namespace tavrik::dryrun;
    Options options;
    try {
        options = ParseOptions(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const OptionError& error) {
        std::cerr << "tavrik-dryrun: " << error.what() << "\n";
        return kBadInput;
    }
    if (options.help) {
        std::cout << HelpText();
        return 0;
    }

    std::vector<RegOperation> registry;
    try {
        registry = ParseRegFile(ReadHostFile(options.machineFile));
    } catch (const InputError& error) {
        std::cerr << "tavrik-dryrun: " << error.what() << "\n";
        return kUnreadable;
    } catch (const RegFileError& error) {
        std::cerr << options.machineFile << ":" << error.Line() << ": " << error.what() << "\n";
        return kBadInput;
    }

    ObservedMachine machine;
    tavrik::platform::ScopedCurrentMachine installed(machine);
    std::vector<std::string> notes;
    try {
        notes = PreparePc(machine, options, registry, TAVRIK_LX32_LIBRARY);
    } catch (const RegFileError& error) {
        std::cerr << options.machineFile << ":" << error.Line() << ": " << error.what() << "\n";
        return kBadInput;
    } catch (const InputError& error) {
        std::cerr << "tavrik-dryrun: " << error.what() << "\n";
        return kUnreadable;
    }

    // The road on standard output; the wizard's own diagnostics, which it
    // prints there, are dropped: standard error is kept for what is wrong
    // with the user's input.
    std::cout.flush();
    std::fflush(stdout);
    const int roadFd = ::dup(STDOUT_FILENO);
    const int nowhere = ::open("/dev/null", O_WRONLY);
    if (roadFd < 0 || nowhere < 0 || ::dup2(nowhere, STDOUT_FILENO) < 0) {
        std::cerr << "tavrik-dryrun: cannot set the standard output apart\n";
        return kUnreadable;
    }
    __gnu_cxx::stdio_filebuf<char> roadBuffer(roadFd, std::ios::out);
    std::ostream roadOut(&roadBuffer);
    Road road(roadOut, machine);
    for (const std::string& note : notes) road.Note(note);
    // The technician's wizard makes the host current for its whole run.
    ObservedHost host;
    machine.SetProgramOutcomes(options.programs);
    machine.Observe(&road);
    host.Observe(&road);
    Technician(host, road, options).Run();
    machine.Observe(nullptr);
    host.Observe(nullptr);
    roadOut.flush();
    return 0;
}
