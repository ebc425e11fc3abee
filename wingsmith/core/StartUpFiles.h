// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ArchiveAttributes.h"
#include "Workspace.h"

#include <string>
#include <vector>

namespace wingsmith {

struct StartUpMessage {
    enum class Kind {
        Warning, // a warning box of the start-up itself
        IoError, // the I/O failure text that ended it
    };
    Kind kind;
    std::string text;
};

struct StartUpOutcome {
    std::vector<StartUpMessage> messages; // to show, in this order
    bool completed = false;               // false: the sequence ended early
};

// The file steps of the start-up: take the archives' permissions and make
// them writable, extract planes.dat if missing, extract the missing loose
// files and load all thirty aircraft. Failures end the sequence and come
// back as messages; nothing is shown here.
StartUpOutcome startUpFiles(Workspace& workspace, ArchiveAttributes& attributes, const std::string& resourcePath);

} // namespace wingsmith
