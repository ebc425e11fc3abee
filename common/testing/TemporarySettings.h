// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TempDir.h"

namespace common {

// Points the user's settings (INI format, user scope) at a fresh temporary
// folder while it lives, so tests never read or change the real ones.
class TemporarySettings {
public:
    TemporarySettings();
    ~TemporarySettings();
    TemporarySettings(const TemporarySettings&) = delete;
    TemporarySettings& operator=(const TemporarySettings&) = delete;

private:
    TempDir folder_;
};

} // namespace common
