// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <utility>
#include <vector>

namespace common {

// What one operation is about to change, kept on disk (.vantor-journal) so
// that a run killed part way is put back by the next run that touches the
// folder. Every entry is synced before the change it describes begins, so
// the files a journal names are as before the operation once it has been
// put back, last change first. The journal is locked while its operation
// runs; one that no process holds was left by a kill.
class FileJournal {
public:
    using Ranges = std::vector<std::pair<std::uint64_t, std::vector<std::uint8_t>>>;

    // Starts the journal in `folder`. Waits a while for another program's
    // operation in that folder to end, and first puts back what a killed
    // one began. Failures throw IoError naming `shown`.
    FileJournal(const std::filesystem::path& folder, const std::filesystem::path& shown);
    ~FileJournal();
    FileJournal(const FileJournal&) = delete;
    FileJournal& operator=(const FileJournal&) = delete;

    const std::filesystem::path& folder() const { return folder_; }

    // Each is on disk when it returns. `file` is absolute, links followed.
    void notePatch(const std::filesystem::path& file, const Ranges& before, const std::filesystem::path& shown);
    // `before` empty: the file did not exist.
    void noteWhole(const std::filesystem::path& file, const std::optional<std::vector<std::uint8_t>>& before,
        unsigned mode, const std::filesystem::path& shown);
    void noteMode(const std::filesystem::path& file, unsigned mode, const std::filesystem::path& shown);

    // Puts every noted file back, last change first; throws IoError when
    // one cannot be (the journal then stays for the next run).
    void putBack();
    // Ends the operation: what it changed is final (or was put back).
    void finish(const std::filesystem::path& shown);

    // Puts back and removes every journal that no process holds in the
    // folder of `file` and each folder above it. Quietly: a journal that
    // cannot be put back stays for a later run.
    static void settleAround(const std::filesystem::path& file);

    struct Entry;

private:
    void append(const Entry& entry, const std::filesystem::path& shown);

    std::filesystem::path folder_;
    std::filesystem::path path_;
    int fd_ = -1;
    std::uint64_t end_ = 0;
    std::vector<Entry> entries_;
};

} // namespace common
