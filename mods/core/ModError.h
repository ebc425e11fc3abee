#pragma once

#include <stdexcept>
#include <string>

namespace mods {

// A mod that cannot be read, installed or removed, in one sentence naming
// the mod, the change and the reason. Nothing was written.
class ModError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace mods
