#include "FileFaults.h"

#include <array>
#include <cstddef>

namespace common {

namespace {

constexpr std::size_t kKinds = 6;

struct Plan {
    std::array<int, kKinds> counts{};
    std::array<int, kKinds> failAt{};
    std::array<int, kKinds> failWith{};
    int corruptWriteAt = 0;
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
    plan() = Plan{};
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

int FileFaults::count(FileOp op)
{
    return plan().counts[index(op)];
}

int FileFaults::check(FileOp op)
{
    Plan& p = plan();
    const int n = ++p.counts[index(op)];
    return n == p.failAt[index(op)] ? p.failWith[index(op)] : 0;
}

bool FileFaults::corruptsThisWrite()
{
    return plan().counts[index(FileOp::Write)] == plan().corruptWriteAt;
}

} // namespace common
