// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileTransaction.h"

#include "FileJournal.h"
#include "RunBackups.h"

#include <memory>

namespace common {

namespace fs = std::filesystem;

namespace {

struct Operation {
    int depth = 0;
    std::unique_ptr<FileJournal> journal;
    fs::path firstShown; // the file a failure to end it names
    RunBackups::Mark backups{};
};

Operation& operation()
{
    static Operation op;
    return op;
}

// Where a journal goes: the game folder for what lies in it, so that any
// program working there finds it; else the file's own folder.
fs::path journalFolder(const fs::path& file)
{
    const fs::path game = RunBackups::gameFolderAbsolute();
    if (!game.empty()) {
        const fs::path rel = file.lexically_relative(game);
        if (!rel.empty() && *rel.begin() != ".." && rel.is_relative())
            return game;
    }
    return file.has_parent_path() ? file.parent_path() : fs::path(".");
}

void endOperation(bool putBack)
{
    Operation& op = operation();
    if (op.journal) {
        try {
            if (putBack)
                op.journal->putBack();
            op.journal->finish({});
        } catch (...) {
            // A journal that could not be put back stays on disk for the
            // next run; this one lets go of it.
        }
        op.journal.reset();
    }
    if (putBack)
        RunBackups::dropSince(op.backups);
}

} // namespace

FileTransaction::FileTransaction()
{
    Operation& op = operation();
    outermost_ = op.depth == 0;
    ++op.depth;
    if (outermost_)
        op.backups = RunBackups::mark();
}

FileTransaction::~FileTransaction()
{
    Operation& op = operation();
    --op.depth;
    if (outermost_ && !committed_)
        endOperation(true);
}

void FileTransaction::commit()
{
    if (committed_)
        return;
    committed_ = true;
    if (!outermost_)
        return;
    Operation& op = operation();
    if (!op.journal)
        return;
    try {
        op.journal->finish(op.firstShown);
    } catch (...) {
        committed_ = false;
        throw;
    }
    op.journal.reset();
}

void FileTransaction::holdFolder(const fs::path& folder, const fs::path& shown)
{
    std::error_code ec;
    const fs::path real = fs::weakly_canonical(fs::absolute(folder, ec), ec);
    // Any name in the folder says where its changes are journaled.
    journalFor((ec ? folder : real) / "-", shown);
}

bool FileTransaction::active()
{
    return operation().depth > 0;
}

FileJournal* FileTransaction::journalFor(const fs::path& file, const fs::path& shown)
{
    Operation& op = operation();
    if (op.depth == 0)
        return nullptr;
    if (!op.journal) {
        op.journal = std::make_unique<FileJournal>(journalFolder(file), shown);
        op.firstShown = shown;
    }
    return op.journal.get();
}

} // namespace common
