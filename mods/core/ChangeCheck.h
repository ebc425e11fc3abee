// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace mods {

// How one change of a mod meets a game folder.
struct ChangeCheck {
    enum class State {
        clean,   // the field holds the mod's `from`
        already, // it holds the mod's `to`
        changed, // something else: the game, an edit or another mod changed it
    };
    std::string file{};
    std::string record{}; // empty for a whole file
    std::string field{};
    std::string from{}; // a whole file: SHA-256s, or "new"
    std::string to{};
    std::string current{}; // "missing" for a file the game does not hold
    State state = State::clean;
    std::string heldBy{};       // the installed mod whose value the field holds
    std::string conflictWith{}; // the installed mod that set it to another value

    static const char* stateName(State s)
    {
        return s == State::clean ? "clean" : s == State::already ? "already" : "changed";
    }
    // "P51D.FLT P-51D engineBestAltitude", or the file alone.
    std::string what() const { return record.empty() ? file : file + " " + record + " " + field; }
};

} // namespace mods
