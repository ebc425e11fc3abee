// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The file layer's own system calls. Each one that changes something on
// disk passes the test seam (FileFaults) first; each failure throws IoError
// naming `shown`, the path as the program gave it.
namespace common::sys {

enum class Access {
    Read,
    Write,
    ReadWrite,
    ReadWriteCreate, // made when missing
};

// Opening for reading does not pass the seam.
int open(const std::filesystem::path& path, Access access, const std::filesystem::path& shown);
// A new file with a unique name beside `target`, opened exclusively and
// locked (lock()), so that a clean-up can tell it from one left by a kill.
int createTemporary(const std::filesystem::path& target, std::filesystem::path& temp,
    const std::filesystem::path& shown);
void writeAt(int fd, std::uint64_t pos, std::span<const std::uint8_t> data, const std::filesystem::path& shown);
// Writes to a pipe or device in order (no position).
void writeOut(int fd, std::span<const std::uint8_t> data, const std::filesystem::path& shown);
void sync(int fd, const std::filesystem::path& shown);
void changeMode(int fd, unsigned mode, const std::filesystem::path& shown);
void changeMode(const std::filesystem::path& path, unsigned mode, const std::filesystem::path& shown);
void rename(const std::filesystem::path& from, const std::filesystem::path& to, const std::filesystem::path& shown);
void remove(const std::filesystem::path& path, const std::filesystem::path& shown);

// Shortens or lengthens an open file (an in-place rewrite); passes the seam
// as a write.
void resize(int fd, std::uint64_t size, const std::filesystem::path& shown);

// An exclusive lock on an open file, held until it is closed (or the
// process ends, however it ends). Without `wait`, false when another
// process holds it.
bool lock(int fd, bool wait);

// What the layer needs to know of an existing file.
struct FileInfo {
    bool exists = false;
    bool regular = false;
    bool directory = false;
    std::uint64_t size = 0;
    unsigned mode = 0;
    std::uint64_t links = 0;
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    double changedSecondsAgo = 0; // status change, for scratch files in use
};
FileInfo info(const std::filesystem::path& path);
FileInfo info(int fd);

// Whether this process may write the file (its user, groups and ACLs).
bool mayWrite(const std::filesystem::path& path);

// Gives `to` the owner, group, ACLs and extended attributes of `from`, as
// far as the process may; what it may not is left as it was.
void copyOwnerAndAttributes(const std::filesystem::path& from, int to);

// Makes a rename or removal in `folder` durable; quietly.
void syncFolder(const std::filesystem::path& folder);

// Reads, outside the seam: failures throw IoError naming `shown`.
void readAt(int fd, std::uint64_t pos, std::span<std::uint8_t> out, const std::filesystem::path& shown);
std::uint64_t size(int fd, const std::filesystem::path& shown);
// Reads to the end, so that a pipe or /dev/stdin gives what was sent.
std::vector<std::uint8_t> readWhole(const std::filesystem::path& path, const std::filesystem::path& shown);
std::vector<std::uint8_t> readStandardInput();
// Standard input, output and error carry bytes as they are: on Windows the
// C runtime would otherwise turn line ends into CR LF and stop at ^Z.
void useBinaryStandardStreams();

// Clean-up after a failure: never throws, never counted.
void closeQuietly(int fd);
void removeQuietly(const std::filesystem::path& path);
void restoreAt(int fd, std::uint64_t pos, std::span<const std::uint8_t> data);
// Writes all of `data` at `pos`: 0, or the errno of the write that failed.
// Neither throws nor passes the seam; writeAt() and restoreAt() are made of it.
int writeAllAt(int fd, std::uint64_t pos, std::span<const std::uint8_t> data);

// Follows symbolic links to the file a write must reach, so that a link
// stays a link. A dangling link yields the path it points to.
std::filesystem::path finalTarget(const std::filesystem::path& path);
// The permission bits a newly created file gets (0666 less the umask).
unsigned defaultMode();

// The local time of `t`, as the backup folders are named by it.
std::tm localTime(std::time_t t);

// The errno the layer turns a system's own error code into (Windows:
// GetLastError()'s; elsewhere errno itself), so that tests can inject one.
int errnoOfSystemCode(unsigned long code);

// Processes and the console, for the programs that need them: these calls
// neither pass the seam nor throw.

// Starts `program` with `arguments` (after its own name, in UTF-8, as
// programArguments gives them) in the current folder, sharing this process's
// standard streams, and waits for it: its exit status, or -1 when it could
// not be started or did not end by itself.
int runAndWait(const std::filesystem::path& program, const std::vector<std::string>& arguments);
// The command line Windows hands a program for `arguments` (its name
// first), quoted so that the program's start-up code splits it back into
// exactly these arguments.
std::string windowsCommandLine(const std::vector<std::string>& arguments);

// Runs `body` in a copy of this process and waits: the copy's exit status
// (0 when `body` returns, 1 when it throws, -1 when it did not end by
// itself), or nullopt
// where processes cannot be copied (Windows).
std::optional<int> runInCopy(const std::function<void()>& body);

// This process's id, to name a scratch folder.
long processId();
// This program's own file, to start it again (a test's child, say).
std::filesystem::path runningProgram();
// An environment variable as UTF-8, set for this process and the ones it
// starts; nullopt when it is not set.
std::optional<std::string> environmentVariable(const std::string& name);
void setEnvironmentVariable(const std::string& name, const std::string& value);

// The program's arguments after its name, as UTF-8, with the standard
// streams made binary. On Windows they come from the UTF-16 command line:
// argv holds them in the ANSI code page, which loses letters.
std::vector<std::string> programArguments(int argc, char** argv);
// Writes UTF-8 text to standard output or error; false when it failed. A
// Windows console gets UTF-16, so that every letter shows whatever the
// console's code page (which is left as the user had it); a file or pipe
// gets the bytes.
bool writeText(std::FILE* stream, std::string_view text);

// Clears the console `stream` writes to and puts the cursor at the top
// left: false, doing nothing, when it writes to a file or pipe.
bool clearTerminal(std::FILE* stream);

} // namespace common::sys
