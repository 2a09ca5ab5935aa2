// The machine through which the checks read a medium folder of this
// computer. On Windows it is the wizard's own machine, with the folder as
// current directory. Elsewhere the folder's files are linked into the
// in-memory machine's CD-ROM drive E:, whose names compare without regard
// to case, as on the CD.
#pragma once

#include <memory>
#include <string>

#include "Finding.h"

namespace tavrik::mediumcheck {

class MediumMachine {
public:
    MediumMachine();
    ~MediumMachine();
    MediumMachine(const MediumMachine&) = delete;
    MediumMachine& operator=(const MediumMachine&) = delete;

    // Makes the folder the current machine's current directory, telling in
    // findings what the load itself meets; false, with the reason, when the
    // folder cannot be read.
    bool Open(const std::string& folder, Findings& findings, std::string& error);

private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
};

}  // namespace tavrik::mediumcheck
