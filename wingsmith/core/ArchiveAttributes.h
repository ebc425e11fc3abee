// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace wingsmith {

// The write permission of DATA.CDF and FLT.CDF as found at start-up. The
// archives are made writable for the run (so export can write them) and
// get their permissions back when the program ends. A missing archive is
// simply skipped.
class ArchiveAttributes {
public:
    // Remembers the permissions of both archives under `resourcePath`, then
    // makes them writable for their owner.
    void rememberAndMakeWritable(const std::string& resourcePath);
    // Puts back what was remembered.
    void restore() const;

private:
    struct Remembered {
        std::filesystem::path file;
        std::filesystem::perms perms;
    };
    std::optional<Remembered> data_;
    std::optional<Remembered> flt_;
};

} // namespace wingsmith
