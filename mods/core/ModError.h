// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>

namespace mods {

// A mod that cannot be read, installed or removed, in one sentence naming
// the mod, the change and the reason. Nothing was written.
class ModError : public std::runtime_error {
public:
    // What would let an install go on: the front end names its own way.
    enum class Remedy {
        none,
        onTop,    // a field another installed mod set: install over it
        anyValue, // a field changed since by something else: set it all the same
    };
    explicit ModError(const std::string& sentence, Remedy remedy = Remedy::none)
        : std::runtime_error(sentence)
        , remedy_(remedy)
    {
    }
    Remedy remedy() const { return remedy_; }

private:
    Remedy remedy_;
};

} // namespace mods
