// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/ui/NamedWidgets.h"

#include <QString>

#include <string>

namespace ordnix {

// The suite's named controls, under the names the editor has always used.
using common::arrayName;
using common::namedButton;
using common::namedField;
using common::namedLabel;
using common::twips;

// The game's lists and files are single-byte text.
inline std::string toGame(const QString& text)
{
    return text.toLatin1().toStdString();
}

} // namespace ordnix
