#include "ordnix/core/PlaneCodeCheck.h"

#include "ordnix/core/LoadoutLayout.h"

#include <string>

namespace ordnix {

std::vector<PlaneCodeWarning> planeCodesOutsideList(const LoadoutImage& image, const NameList& planes)
{
    std::vector<PlaneCodeWarning> warnings;
    if (planes.count() == 0)
        return warnings;
    for (std::size_t i = 0; i < kRecordCount && image.contains(RecordStart(i)); ++i) {
        const std::string text = image.currentText(RecordStart(i));
        double code = -1;
        try {
            code = std::stod(text);
        } catch (const std::exception&) {
        }
        if (!planes.hasCode(code))
            warnings.push_back({i + 1, RecordStart(i), text});
    }
    return warnings;
}

} // namespace ordnix
