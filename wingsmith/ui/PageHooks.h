// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wingsmith/core/AircraftValues.h"

#include <QStringList>

#include <exception>
#include <functional>

class QLineEdit;
class QWidget;

namespace wingsmith {

// What a page asks of the window that holds it.
struct PageHooks {
    using Change = std::function<void(AircraftValues&)>;
    // Sends one change of the aircraft shown to the document; `control` > 0
    // merges a text field's keystrokes into one step.
    std::function<void(int control, const QStringList& fields, const Change& change)> record;
    // The locale's decimal separator, as numbers are shown and read.
    std::function<char()> separator;
    std::function<void(const std::exception&)> conversionError;
    // A grid the user typed into, or a box the user clicked, to commit when
    // it is left.
    std::function<void(QWidget*)> leftPending;
    // Stores a text field as soon as its text reads, through `store`; a
    // text that does not read is reported once, when the field is left.
    std::function<void(QLineEdit* edit, int control, const QStringList& fields,
        const std::function<void(AircraftValues&, const QString&)>& store)>
        numberField;
};

} // namespace wingsmith
