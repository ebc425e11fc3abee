// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModelGeometry.h"

#include <cmath>
#include <numbers>

namespace vector {

Vector3 displayPoint(const NodeRecord& node)
{
    return {static_cast<double>(node[2]), static_cast<double>(node[0]), static_cast<double>(node[1])};
}

Vector3 displayNormal(const ElementRecord& element)
{
    return {static_cast<double>(element[2]), static_cast<double>(element[0]), static_cast<double>(element[1])};
}

std::vector<Vector3> polygonCorners(const Model& model, int e)
{
    const int count = model.vertexCounts[e];
    if (count < 3)
        return {};
    std::vector<Vector3> corners;
    for (int j = 0; j < count; ++j) {
        const int node = model.vertices[e][j];
        if (node >= model.nodeCount)
            return {};
        corners.push_back(displayPoint(model.nodes[node]));
    }
    return corners;
}

std::optional<Vector3> facetDirection(const Model& model, int e)
{
    const std::vector<Vector3> p = polygonCorners(model, e);
    if (p.empty())
        return std::nullopt;
    const Vector3 n = (p[2] - p[0]).cross(p[1] - p[0]);
    const double length = n.length();
    if (length == 0.0)
        return std::nullopt;
    return n * (1.0 / length);
}

std::optional<bool> normalDisagrees(const Model& model, int e)
{
    const auto facet = facetDirection(model, e);
    if (!facet)
        return std::nullopt;
    const Vector3 held = displayNormal(model.elements[e]);
    const double length = held.length();
    if (length == 0.0)
        return true;
    const double limit = std::cos(kDisagreementDegrees * std::numbers::pi / 180.0);
    return held.dot(*facet) / length < limit;
}

std::vector<int> disagreeingElements(const Model& model)
{
    std::vector<int> out;
    for (int e = 0; e < model.elementCount; ++e)
        if (normalDisagrees(model, e).value_or(false))
            out.push_back(e);
    return out;
}

int checkableElementCount(const Model& model)
{
    int count = 0;
    for (int e = 0; e < model.elementCount; ++e)
        count += normalDisagrees(model, e).has_value() ? 1 : 0;
    return count;
}

} // namespace vector
