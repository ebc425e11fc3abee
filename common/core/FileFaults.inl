#pragma once

#include <array>

namespace common {

template <typename Action, typename After>
void forEachFileFault(Action action, After after, int err)
{
    constexpr std::array kinds{FileOp::Open, FileOp::Write, FileOp::Sync, FileOp::Rename, FileOp::Remove,
        FileOp::Permissions};
    FileFaults::reset();
    action();
    std::array<int, kinds.size()> counts{};
    for (std::size_t k = 0; k < kinds.size(); ++k)
        counts[k] = FileFaults::count(kinds[k]);
    for (std::size_t k = 0; k < kinds.size(); ++k) {
        for (int n = 1; n <= counts[k]; ++n) {
            FileFaults::reset();
            FileFaults::failNth(kinds[k], n, err);
            bool threw = false;
            try {
                action();
            } catch (...) {
                threw = true;
            }
            FileFaults::reset();
            after(kinds[k], n, threw);
        }
    }
}

} // namespace common
