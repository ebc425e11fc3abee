// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecordList.h"

#include "ValueText.h"

namespace ordnix {

RecordList NameRecords(const LoadoutImage& image, const NameList& planes)
{
    RecordList list;
    double maximum = 0;
    int run = 1;
    std::string previous;
    for (std::size_t i = 0; i < kRecordCount; ++i) {
        const std::size_t p = RecordStart(i);
        const std::string text = image.contains(p) ? image.currentText(p) : std::string();
        const double v = LeadingNumber(text);
        if (v > maximum)
            maximum = v;
        if (i > 0)
            run = text == previous ? run + 1 : 1;
        previous = text;

        RecordRow& row = list[i];
        row.start = p;
        row.hidden = v != maximum;
        if (!row.hidden)
            row.name = planes.nameOf(v, text) + " " + std::to_string(run);
    }
    return list;
}

} // namespace ordnix
