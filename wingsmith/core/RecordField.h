// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wingsmith/core/FieldCode.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace wingsmith {

// How a field's bytes are read. Bits is a float32 the program keeps as its
// pattern (the engine code fields); it prints like any float.
enum class FieldType { Float, Bits, Int16, UInt16, Int32, UInt8 };

// One interpreted field of a flight record or a gun-table row, under the
// name modders use for it in exported tables.
struct RecordField {
    std::string name;
    std::size_t offset = 0; // from the start of the record or row
    FieldType type = FieldType::Float;
    // 1-6: part of that gun group, which holds data only up to the
    // aircraft's group count; 0: always in use.
    int gunGroup = 0;
    std::string page;    // the Wingsmith page that shows it
    std::string caption; // its caption there
    // Integer fields: the values the field takes.
    std::int64_t minimum = 0;
    std::int64_t maximum = 0;
    // Coded fields: the only values the game knows (a list on the page); of
    // a Bits field, the patterns it is chosen from (another is kept).
    const std::vector<FieldCode>* codes = nullptr;
    // Where the game gives only some of the values a field holds a meaning
    // (guns 0 to 4): those, which the check expects and the pages' arrows
    // keep to. None while the maximum lies below the minimum.
    std::int64_t expectedMinimum = 0;
    std::int64_t expectedMaximum = -1;
    // Flag bytes: the bits that have a caption (bit value, caption); the
    // others keep their stored value.
    const std::vector<FieldCode>* flagBits = nullptr;
    // When the record procedures take the field, as the game's own editor
    // read and wrote it: by step, then by offset. A short file stops a read
    // at the first field in that order it does not reach.
    int step = 0;
};

std::size_t fieldWidth(FieldType type);

// The values an integer field is expected to hold: its expected range, or
// else all it takes.
std::pair<std::int64_t, std::int64_t> expectedRange(const RecordField& field);

} // namespace wingsmith
