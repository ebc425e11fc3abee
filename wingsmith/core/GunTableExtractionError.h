// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/core/IoError.h"

namespace wingsmith {

// A failed extraction of planes.dat: the I/O failure, and whether it came
// from creating or writing planes.dat (rather than from DATA.CDF).
class GunTableExtractionError : public common::IoError {
public:
    GunTableExtractionError(const common::IoError& cause, bool creatingPlanesDat)
        : common::IoError(cause), creatingPlanesDat_(creatingPlanesDat) {}

    bool creatingPlanesDat() const { return creatingPlanesDat_; }

private:
    bool creatingPlanesDat_;
};

} // namespace wingsmith
