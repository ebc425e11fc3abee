// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace wingsmith {

// Which record a catalogue field lies in.
enum class RecordKind { FlightRecord, GunTableRow };

} // namespace wingsmith
