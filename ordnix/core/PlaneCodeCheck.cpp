// SPDX-License-Identifier: GPL-3.0-or-later
#include "ordnix/core/PlaneCodeCheck.h"

#include "ordnix/core/LoadoutLayout.h"
#include "ordnix/core/ValueText.h"

#include <string>

namespace ordnix {

std::vector<PlaneCodeWarning> planeCodesOutsideList(const LoadoutImage& image, const NameList& planes)
{
    std::vector<PlaneCodeWarning> warnings;
    if (planes.count() == 0)
        return warnings;
    for (std::size_t i = 0; i < kRecordCount && image.contains(RecordStart(i)); ++i) {
        // Read as the record list names it, so that what is flagged here
        // is what the editor shows as "(code N)".
        const std::string text = image.currentText(RecordStart(i));
        if (!planes.hasCode(LeadingNumber(text)))
            warnings.push_back({i + 1, RecordStart(i), text});
    }
    return warnings;
}

} // namespace ordnix
