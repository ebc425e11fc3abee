// SPDX-License-Identifier: GPL-3.0-or-later
#include "Side.h"

namespace menuwright {

std::string selectionMenuFileName(Side side)
{
    switch (side) {
    case Side::USA: return "picplna.mnu";
    case Side::Britain: return "picplnb.mnu";
    case Side::Axis: return "picplng.mnu";
    }
    return {};
}

std::string selectionPictureName(Side side)
{
    switch (side) {
    case Side::USA: return "picplna.pic";
    case Side::Britain: return "picplnb.pic";
    case Side::Axis: return "picplng.pic";
    }
    return {};
}

std::string hangarMenuFileName(Side side)
{
    switch (side) {
    case Side::USA: return "hangarus.mnu";
    case Side::Britain: return "hangaruk.mnu";
    case Side::Axis: return "hangargr.mnu";
    }
    return {};
}

} // namespace menuwright
