// SPDX-License-Identifier: GPL-3.0-or-later
#include "SquadronFile.h"

#include "common/core/BinaryFile.h"

#include <string>

namespace rosterly {

using common::BinaryFile;

int SquadronFile::recordCount(std::uint64_t fileSize)
{
    if (fileSize < kHeaderSize + 2)
        return 0;
    return static_cast<int>((fileSize - kHeaderSize - 2) / kRecordSize + 1);
}

std::vector<std::uint8_t> SquadronFile::readCodes(const std::filesystem::path& file)
{
    BinaryFile f = BinaryFile::open(file, BinaryFile::Mode::Read);
    const int count = recordCount(f.size());
    std::vector<std::uint8_t> codes;
    codes.reserve(static_cast<std::size_t>(count));
    for (int k = 0; k < count; ++k)
        codes.push_back(f.readU8(codeOffset(k)));
    f.close();
    return codes;
}

void SquadronFile::writeCode(const std::filesystem::path& file, int record, std::uint8_t code)
{
    BinaryFile f = BinaryFile::open(file, BinaryFile::Mode::ReadWrite);
    const std::uint64_t size = f.size();
    // The records a write may touch are those the list shows.
    if (record < 0 || record >= recordCount(size)) {
        throw SquadronError("Record " + std::to_string(record + 1) + " lies beyond the end of the file ("
            + std::to_string(size) + " bytes); the file was not changed.");
    }
    f.writeU8(codeOffset(record), code);
    f.close();
}

} // namespace rosterly
