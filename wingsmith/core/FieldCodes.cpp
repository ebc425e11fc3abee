// SPDX-License-Identifier: GPL-3.0-or-later
#include "wingsmith/core/FieldCodes.h"

namespace wingsmith {

const std::vector<FieldCode>& engineTypeCodes()
{
    static const std::vector<FieldCode> codes{{0, WINGSMITH_CODE_NAME("wingsmith::MainWindow", "Prop")},
        {1, WINGSMITH_CODE_NAME("wingsmith::MainWindow", "Jet")}};
    return codes;
}

const std::vector<FieldCode>& gunPositionCodes()
{
    static const std::vector<FieldCode> codes{{0, WINGSMITH_CODE_NAME("wingsmith::MainWindow", "None")},
        {1, WINGSMITH_CODE_NAME("wingsmith::MainWindow", "Wing")},
        {2, WINGSMITH_CODE_NAME("wingsmith::MainWindow", "Nose")},
        {3, WINGSMITH_CODE_NAME("wingsmith::MainWindow", "Tail")},
        {4, WINGSMITH_CODE_NAME("wingsmith::MainWindow", "Top turret")},
        {5, WINGSMITH_CODE_NAME("wingsmith::MainWindow", "Rear Cabin")},
        {6, WINGSMITH_CODE_NAME("wingsmith::MainWindow", "Top")},
        {7, WINGSMITH_CODE_NAME("wingsmith::MainWindow", "Ventral rear")},
        {8, WINGSMITH_CODE_NAME("wingsmith::MainWindow", "Ventral front")},
        {9, WINGSMITH_CODE_NAME("wingsmith::MainWindow", "Belly turret")},
        {10, WINGSMITH_CODE_NAME("wingsmith::MainWindow", "Left waist")},
        {11, WINGSMITH_CODE_NAME("wingsmith::MainWindow", "Right waist")},
        {12, WINGSMITH_CODE_NAME("wingsmith::MainWindow", "Nose flexible")},
        {13, WINGSMITH_CODE_NAME("wingsmith::MainWindow", "Front turret")}};
    return codes;
}

const std::vector<FieldCode>& caliberCodes()
{
    static const std::vector<FieldCode> codes{
        {2, WINGSMITH_CODE_NAME("wingsmith::MainWindow", ".30 cal MG / 7.9mm MG")},
        {4, WINGSMITH_CODE_NAME("wingsmith::MainWindow", ".50 cal MG / 13 mm MG")},
        {12, WINGSMITH_CODE_NAME("wingsmith::MainWindow", "20 mm cannon")},
        {24, WINGSMITH_CODE_NAME("wingsmith::MainWindow", "30 mm cannon")}};
    return codes;
}

const std::vector<FieldCode>& gunSoundCodes()
{
    static const std::vector<FieldCode> codes{
        {0, WINGSMITH_CODE_NAME("wingsmith::MainWindow", ".30 cal MG / 7.9 mm MG")},
        {1, WINGSMITH_CODE_NAME("wingsmith::MainWindow", ".50 cal MG / 13 mm MG")},
        {2, WINGSMITH_CODE_NAME("wingsmith::MainWindow", "20 mm cannon")},
        {3, WINGSMITH_CODE_NAME("wingsmith::MainWindow", "30 mm cannon")}};
    return codes;
}

const std::vector<FieldCode>& smokeCodes()
{
    static const std::vector<FieldCode> codes{{0, WINGSMITH_CODE_NAME("wingsmith::MainWindow", "No")},
        {1, WINGSMITH_CODE_NAME("wingsmith::MainWindow", "Yes")}};
    return codes;
}

const char* codeName(const std::vector<FieldCode>& codes, std::int64_t value)
{
    const int i = codeIndex(codes, value);
    return i < 0 ? nullptr : codes[static_cast<std::size_t>(i)].name;
}

int codeIndex(const std::vector<FieldCode>& codes, std::int64_t value)
{
    for (std::size_t i = 0; i < codes.size(); ++i)
        if (codes[i].value == value)
            return static_cast<int>(i);
    return -1;
}

} // namespace wingsmith
