// SPDX-License-Identifier: GPL-3.0-or-later
#include "IoError.h"
#include "PathText.h"

#include <cerrno>
#include <utility>

namespace common {

std::string ioErrorText(IoFailure failure, int code)
{
    switch (failure) {
    case IoFailure::FileNotFound: return "File not found";
    case IoFailure::InvalidFilename: return "Invalid filename";
    case IoFailure::TooManyOpenFiles: return "Too many open files";
    case IoFailure::AccessDenied: return "File access denied";
    case IoFailure::ReadBeyondEnd: return "Read beyond end of file";
    case IoFailure::DiskFull: return "Disk full";
    case IoFailure::NotVerified: return "The written data did not read back the same";
    case IoFailure::InUse: return "File in use by another program";
    case IoFailure::Other: break;
    }
    return "I/O error " + std::to_string(code);
}

IoFailure ioFailureFromErrno(int err)
{
    switch (err) {
    case ENOENT:
    case ENOTDIR:
        return IoFailure::FileNotFound;
    case ENAMETOOLONG:
    case EINVAL:
        return IoFailure::InvalidFilename;
    case EMFILE:
    case ENFILE:
        return IoFailure::TooManyOpenFiles;
    case EACCES:
    case EISDIR: // opening a folder as a file is refused as on Windows
    case EPERM:
    case EROFS:
        return IoFailure::AccessDenied;
    case EBUSY:
    case ETXTBSY:
        return IoFailure::InUse;
    case ENOSPC:
    case EFBIG: // a file-size limit reads as a full disk to the user
#ifdef EDQUOT
    case EDQUOT:
#endif
        return IoFailure::DiskFull;
    default:
        return IoFailure::Other;
    }
}

IoError::IoError(IoFailure failure, int code, std::filesystem::path path)
    : std::runtime_error(ioErrorText(failure, code)), failure_(failure), code_(code), path_(std::move(path))
{
}

IoError IoError::fromErrno(int err, std::filesystem::path path)
{
    return IoError(ioFailureFromErrno(err), err, std::move(path));
}

IoError::IoError(IoFailure failure, int code, std::filesystem::path path, std::string sentence)
    : std::runtime_error(sentence), failure_(failure), code_(code), path_(std::move(path)),
      sentence_(std::move(sentence))
{
}

IoError IoError::about(const std::filesystem::path& path) const
{
    if (sentence_.empty())
        return IoError(failure_, code_, path_.empty() ? path : path_);
    return IoError(failure_, code_, path_.empty() ? path : path_, sentence_);
}

IoError IoError::withSentence(std::string sentence) const
{
    return IoError(failure_, code_, path_, std::move(sentence));
}

std::string IoError::describe() const
{
    if (!sentence_.empty())
        return sentence_;
    if (path_.empty())
        return what();
    return common::utf8FromPath(path_.filename()) + ": " + what();
}

} // namespace common
