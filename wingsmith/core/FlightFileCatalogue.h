// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wingsmith/core/AircraftCatalogue.h"
#include "wingsmith/core/RecordField.h"

#include "common/core/FileCatalogue.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace wingsmith {

// The flight records and gun-table rows in each file that holds them: a
// loose flight record, planes.dat, and their images inside FLT.CDF and
// DATA.CDF. Records are named by the aircraft's caption ("P-51D").
class FlightFileCatalogue : public common::FileCatalogue {
public:
    // The catalogues of every such file: one per loose flight record, then
    // planes.dat, FLT.CDF and DATA.CDF.
    static const std::vector<const FlightFileCatalogue*>& all();
    // The same files with the fields of another catalogue, which must
    // outlive them.
    static std::vector<std::unique_ptr<const FlightFileCatalogue>> of(const AircraftCatalogue& catalogue);

    std::string_view kind() const override { return kind_; }
    bool holds(std::string_view fileName) const override { return fileName == fileName_; }
    std::vector<common::FieldPlace> fields(std::span<const std::uint8_t> bytes) const override;
    std::string text(std::span<const std::uint8_t> bytes, const common::FieldPlace& place) const override;
    std::vector<std::uint8_t> withText(
        std::span<const std::uint8_t> bytes, const common::FieldPlace& place, std::string_view text) const override;
    std::optional<std::string> outOfDomain(
        std::span<const std::uint8_t> bytes, const common::FieldPlace& place) const override;

private:
    // Where one aircraft's record or row starts in the file.
    struct Record {
        int position;
        std::uint64_t start;
    };
    FlightFileCatalogue(const AircraftCatalogue& catalogue, std::string kind, std::string fileName,
        std::vector<Record> records, bool gunTable);

    // A flight record's fields, or a gun-table row's.
    const std::vector<RecordField>& recordFields() const;
    RecordKind record() const;

    // The record field a place stands for, and where its record starts.
    std::pair<const RecordField*, std::uint64_t> resolve(const common::FieldPlace& place) const;

    const AircraftCatalogue* catalogue_;
    std::string kind_;
    std::string fileName_;
    std::vector<Record> records_;
    bool gunTable_;
};

} // namespace wingsmith
