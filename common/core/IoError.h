// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>

namespace common {

// The kinds of file failure the programs tell apart; each has the fixed
// wording the game's modders know from the original tools.
enum class IoFailure {
    FileNotFound,
    InvalidFilename,
    TooManyOpenFiles,
    AccessDenied,
    ReadBeyondEnd,
    DiskFull,
    NotVerified, // the bytes read back were not the bytes written
    InUse,       // another program holds the file and shares it with nobody
    Other,
};

// Text shown to the user for a failure; `code` is only used for Other.
std::string ioErrorText(IoFailure failure, int code = 0);

// Maps a C errno value to the failure kinds above.
IoFailure ioFailureFromErrno(int err);

// what() is the fixed text alone; path() names the file it concerns, where
// the layer that failed knows it, so that a window can say which file.
class IoError : public std::runtime_error {
public:
    explicit IoError(IoFailure failure, int code = 0, std::filesystem::path path = {});
    static IoError fromErrno(int err, std::filesystem::path path = {});

    IoFailure failure() const { return failure_; }
    int code() const { return code_; }
    const std::filesystem::path& path() const { return path_; }
    // The same failure, naming `path` unless a file is named already.
    IoError about(const std::filesystem::path& path) const;
    // "NAME: text" where a file is named, else the text. A failure that
    // needs more words (a refused backup) carries its own sentence, which
    // is then also what().
    std::string describe() const;
    IoError withSentence(std::string sentence) const;

private:
    IoError(IoFailure failure, int code, std::filesystem::path path, std::string sentence);

    IoFailure failure_;
    int code_;
    std::filesystem::path path_;
    std::string sentence_;
};

} // namespace common
