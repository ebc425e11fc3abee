// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecordBlocks.h"

#include "LoadoutError.h"
#include "LoadoutLayout.h"

#include <stdexcept>

namespace ordnix {

namespace {

void checkRecord(const LoadoutImage& image, std::size_t s)
{
    if (s >= kRecordCount)
        throw std::out_of_range("record " + std::to_string(s) + " does not exist");
    if (image.size() < kRecordsEnd)
        throw LoadoutError("No loadout file with 180 records is loaded.");
}

} // namespace

void CheckInsertRecordCopy(const LoadoutImage& image, std::size_t s)
{
    checkRecord(image, s);
    if (s == kRecordCount - 1)
        throw LoadoutError("Record 180 is the last one: there is no room behind it for a copy.");
}

void InsertRecordCopy(LoadoutImage& image, std::size_t s)
{
    CheckInsertRecordCopy(image, s);
    const std::size_t t = RecordStart(s);
    const std::size_t lastMoved = RecordStart(kRecordCount - 2) - 1; // the end of record 177
    for (std::size_t k = lastMoved; k >= t + kRecordSize; --k)
        image.copyEntry(k, k + kRecordSize);
    for (std::size_t k = t; k < t + kRecordSize; ++k)
        image.copyEntry(k, k + kRecordSize);
}

void DeleteRecord(LoadoutImage& image, std::size_t s)
{
    checkRecord(image, s);
    const std::size_t lastTarget = RecordStart(kRecordCount - 1) - 1; // the end of record 178
    for (std::size_t k = RecordStart(s); k <= lastTarget; ++k)
        image.copyEntry(k + kRecordSize, k);
}

} // namespace ordnix
