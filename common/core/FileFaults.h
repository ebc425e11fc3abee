// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace common {

// The kinds of file operation the file layer performs.
enum class FileOp {
    Open,
    Write,
    Sync,
    Rename,
    Remove,
    Permissions,
};

// Test seam of the file layer: counts its operations per kind and makes a
// chosen one fail with a chosen errno, so that every write path can be run
// once to count and then again with each operation failing in turn. Off
// (nothing counted fails) unless a test arms it.
class FileFaults {
public:
    static void reset();
    // The nth operation of `op` from now on (1-based) fails with `err`.
    static void failNth(FileOp op, int n, int err);
    // The nth write from now on stores other bytes than it was given, as a
    // faulty disk would, and reports success.
    static void corruptNthWrite(int n);
    // The nth operation of `op` from now on ends the process on the spot,
    // as a kill -9 would: no destructor, no clean-up, exit status
    // kKilledStatus. Run it in a child process.
    static void killAtNth(FileOp op, int n);
    static constexpr int kKilledStatus = 137;
    static int count(FileOp op);

    // While one lives, the layer's operations pass uncounted and never
    // fail: putting back after a failure is not itself walked.
    class Suspended {
    public:
        Suspended();
        ~Suspended();
        Suspended(const Suspended&) = delete;
        Suspended& operator=(const Suspended&) = delete;
    };

    // Called by the layer before each operation: 0, or the errno to fail with.
    static int check(FileOp op);
    // Called by the layer after check(FileOp::Write): whether to corrupt it.
    static bool corruptsThisWrite();
};

} // namespace common
