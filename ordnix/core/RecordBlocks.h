// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LoadoutImage.h"

#include <cstddef>

namespace ordnix {

// Duplicates record s into s + 1, moving records s + 1 ... 177 one place
// down; record 178's old contents are lost and record 179 stays. Only the
// values move (loaded and current alike), so a change script afterwards
// reports real edits, not the move. Refused with LoadoutError for the last
// record, which has no room behind it.
void InsertRecordCopy(LoadoutImage& image, std::size_t s);
// Throws the LoadoutError InsertRecordCopy would refuse with, changing
// nothing.
void CheckInsertRecordCopy(const LoadoutImage& image, std::size_t s);

// Removes record s, moving records s + 1 ... 179 one place up; record 179
// keeps its contents, so the last record is then present twice.
void DeleteRecord(LoadoutImage& image, std::size_t s);

} // namespace ordnix
