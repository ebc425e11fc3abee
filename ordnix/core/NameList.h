// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace ordnix {

// One of the four name lists beside the game files: a code is the 0-based
// line of its name.
class NameList {
public:
    NameList() = default;
    NameList(std::string fileName, std::size_t capacity) : fileName_(std::move(fileName)), capacity_(capacity) {}

    const std::string& fileName() const { return fileName_; }
    // Entries the game can address (codes 0 ... capacity - 1).
    std::size_t capacity() const { return capacity_; }

    std::size_t count() const { return names_.size(); }
    const std::vector<std::string>& names() const { return names_; }
    void setNames(std::vector<std::string> names) { names_ = std::move(names); }

    bool hasCode(double code) const;
    // The entry of `code`, or a placeholder naming the code when the list
    // has no such entry. `codeText` is how the code is shown then.
    std::string nameOf(double code, const std::string& codeText) const;

private:
    std::string fileName_;
    std::size_t capacity_ = 0;
    std::vector<std::string> names_;
};

} // namespace ordnix
