// SPDX-License-Identifier: GPL-3.0-or-later
#include "AircraftEdit.h"

#include <cstring>

namespace wingsmith {

// Compared byte by byte: both parts are their records' bytes alone.
static_assert(sizeof(FlightValues) == FltRecord::kSize);
static_assert(sizeof(PlanesValues) == GunTableRow::kSize);

namespace {
// Control ids of different aircraft must not merge: the id carries both.
constexpr int kControlsPerAircraft = 1000;
} // namespace

AircraftEdit::AircraftEdit(
    int position, const AircraftValues& before, const AircraftValues& after, int control, Apply apply)
    : position_(position), before_(before), after_(after), control_(control), apply_(std::move(apply))
{
}

void AircraftEdit::undo()
{
    apply_(position_, before_);
}

void AircraftEdit::redo()
{
    apply_(position_, after_);
}

int AircraftEdit::id() const
{
    return control_ > 0 ? position_ * kControlsPerAircraft + control_ : -1;
}

bool AircraftEdit::mergeWith(const QUndoCommand* other)
{
    const auto* next = static_cast<const AircraftEdit*>(other);
    after_ = next->after_;
    // Typed back to where it started: the step is no step.
    setObsolete(sameValues(before_, after_));
    return true;
}

bool AircraftEdit::sameValues(const AircraftValues& a, const AircraftValues& b)
{
    return std::memcmp(&a.flight, &b.flight, sizeof(FlightValues)) == 0
        && std::memcmp(&a.planes, &b.planes, sizeof(PlanesValues)) == 0;
}

} // namespace wingsmith
