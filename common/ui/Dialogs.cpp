// SPDX-License-Identifier: GPL-3.0-or-later
#include "Dialogs.h"

#include "QtDialogs.h"

namespace common {

namespace {
std::unique_ptr<Dialogs>& current()
{
    static std::unique_ptr<Dialogs> instance = std::make_unique<QtDialogs>();
    return instance;
}
} // namespace

Dialogs& dialogs()
{
    return *current();
}

std::unique_ptr<Dialogs> installDialogs(std::unique_ptr<Dialogs> replacement)
{
    std::unique_ptr<Dialogs> previous = std::move(current());
    current() = std::move(replacement);
    return previous;
}

} // namespace common
