#pragma once

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
    Other,
};

// Text shown to the user for a failure; `code` is only used for Other.
std::string ioErrorText(IoFailure failure, int code = 0);

// Maps a C errno value to the failure kinds above.
IoFailure ioFailureFromErrno(int err);

class IoError : public std::runtime_error {
public:
    explicit IoError(IoFailure failure, int code = 0);
    static IoError fromErrno(int err);

    IoFailure failure() const { return failure_; }
    int code() const { return code_; }

private:
    IoFailure failure_;
    int code_;
};

} // namespace common
