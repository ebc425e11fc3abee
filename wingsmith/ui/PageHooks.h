// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PageField.h"

#include "wingsmith/core/AircraftValues.h"

#include <QStringList>

#include <cstdint>
#include <exception>
#include <functional>

class QLineEdit;
class QWidget;

namespace wingsmith {

// What a page asks of the window that holds it: one interface the window
// implements rather than a closure a call, which every page would repeat.
class PageHooks {
public:
    using Change = std::function<void(AircraftValues&)>;
    // Sends one change of the aircraft shown to the document; `control` > 0
    // merges a text field's keystrokes into one step.
    virtual void record(int control, const QStringList& fields, const Change& change) = 0;
    // The locale's decimal separator, as numbers are shown and read.
    virtual char separator() const = 0;
    virtual void conversionError(const std::exception& e) = 0;
    // A grid the user typed into, or a box the user clicked, to commit when
    // it is left.
    virtual void leftPending(QWidget* control) = 0;
    // Stores a text field into `field` as soon as its text reads, as a float
    // when `asFloat`, as an integer otherwise (storeText); a text that does
    // not read is reported once, when the field is left.
    virtual void numberField(QLineEdit* edit, int control, const PageField& field, bool asFloat) = 0;

    // One step that sets `field` of the aircraft shown.
    void storeInteger(const PageField& field, std::int64_t value);
    void storeFloat(const PageField& field, float value);
    void storeBits(const PageField& field, std::uint32_t bits);
    // Reads `text` into `field` of `values`; throws the conversion error of
    // a text that does not read, storing nothing.
    static void storeText(
        AircraftValues& values, const PageField& field, bool asFloat, const QString& text, char separator);

protected:
    ~PageHooks() = default;
};

} // namespace wingsmith
