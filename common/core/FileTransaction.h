// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>

namespace common {

class FileJournal;

// Makes the file layer's changes between its start and commit() one
// all-or-nothing operation, across files: each change is journaled
// (FileJournal) before it is made, so a failure part way puts back what
// the operation had changed, and so does the next run after a kill. The
// backups the operation made go with what it put back. Transactions nest:
// an inner one joins the outermost, whose end decides.
class FileTransaction {
public:
    FileTransaction();
    // Without commit(): everything the operation changed is put back.
    ~FileTransaction();
    FileTransaction(const FileTransaction&) = delete;
    FileTransaction& operator=(const FileTransaction&) = delete;

    // Makes the changes final (the outermost transaction; an inner one
    // only says that its part is done). Throws IoError if the end cannot
    // be recorded, after putting everything back.
    void commit();

    // Starts the operation's journal now, where a change of a file in
    // `folder` would, so that another program's operation there waits for
    // this one from here on: what it reads before its first change stays
    // true until it ends.
    void holdFolder(const std::filesystem::path& folder, const std::filesystem::path& shown);

    static bool active();
    // Whether this one began the operation (no other was under way).
    bool isOutermost() const { return outermost_; }

    // For the layer: the journal of the operation under way, started in the
    // folder of `file` (the game folder when the file lies in it) at the
    // first change; nullptr when no transaction is active.
    static FileJournal* journalFor(const std::filesystem::path& file, const std::filesystem::path& shown);

private:
    bool outermost_ = false;
    bool committed_ = false;
};

} // namespace common
