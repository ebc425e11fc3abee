// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileFaults.h"

#include <array>
#include <cstddef>
#include <cstdlib>

namespace common {

namespace {

constexpr std::size_t kKinds = 6;

struct Plan {
    std::array<int, kKinds> counts{};
    std::array<int, kKinds> failAt{};
    std::array<int, kKinds> failWith{};
    std::array<int, kKinds> killAt{};
    int corruptWriteAt = 0;
    int suspended = 0;
};

Plan& plan()
{
    static Plan p;
    return p;
}

std::size_t index(FileOp op)
{
    return static_cast<std::size_t>(op);
}

} // namespace

void FileFaults::reset()
{
    const int suspended = plan().suspended;
    plan() = Plan{};
    plan().suspended = suspended;
}

FileFaults::Suspended::Suspended()
{
    ++plan().suspended;
}

FileFaults::Suspended::~Suspended()
{
    --plan().suspended;
}

void FileFaults::failNth(FileOp op, int n, int err)
{
    plan().failAt[index(op)] = plan().counts[index(op)] + n;
    plan().failWith[index(op)] = err;
}

void FileFaults::corruptNthWrite(int n)
{
    plan().corruptWriteAt = plan().counts[index(FileOp::Write)] + n;
}

void FileFaults::killAtNth(FileOp op, int n)
{
    plan().killAt[index(op)] = plan().counts[index(op)] + n;
}

int FileFaults::count(FileOp op)
{
    return plan().counts[index(op)];
}

int FileFaults::check(FileOp op)
{
    Plan& p = plan();
    if (p.suspended > 0)
        return 0;
    const int n = ++p.counts[index(op)];
    if (n == p.killAt[index(op)])
        std::_Exit(kKilledStatus);
    return n == p.failAt[index(op)] ? p.failWith[index(op)] : 0;
}

bool FileFaults::corruptsThisWrite()
{
    return plan().suspended == 0 && plan().counts[index(FileOp::Write)] == plan().corruptWriteAt;
}

} // namespace common
