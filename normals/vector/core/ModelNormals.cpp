// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModelNormals.h"

#include "FacetNormal.h"
#include "NormalRangeError.h"
#include "NumberText.h"

#include "common/core/Rounding.h"

#include <string>

namespace vector {

void calculateNormals(Model& model, const std::function<void(int)>& progress)
{
    // Worked on a copy, so that a refused run changes nothing.
    auto elements = model.elements;
    for (int e = 0; e < model.elementCount; ++e) {
        const VertexSlots& v = model.vertices[e];
        auto point = [&](int slot) {
            const NodeRecord& n = model.nodes[v[slot]];
            return Point16{n[0], n[1], n[2]};
        };
        try {
            const FacetNormal normal(point(0), point(1), point(2));
            if (normal.length != 0.0)
                for (int k = 0; k < 3; ++k)
                    elements[e][k] = static_cast<std::int16_t>(common::roundHalfEven(normal.scaled[k]));
        } catch (const NormalRangeError& error) {
            throw NormalRangeError("Element " + std::to_string(e) + " (nodes " + std::to_string(v[0]) + ", "
                + std::to_string(v[1]) + ", " + std::to_string(v[2]) + "): " + error.what()
                + ". No normal was changed.");
        }
        if (progress)
            progress(e);
    }
    model.elements = elements;
}

} // namespace vector
