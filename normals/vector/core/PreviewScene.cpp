// SPDX-License-Identifier: GPL-3.0-or-later
#include "PreviewScene.h"

#include "ModelGeometry.h"

#include <algorithm>

namespace vector {

namespace {

// Normal lines are this share of the model's radius long.
constexpr double kNormalLength = 0.2;

bool inside(const std::vector<Vector3>& corners, double x, double y)
{
    // Even-odd crossing test; polygons may be given in either turn.
    bool in = false;
    for (std::size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
        const Vector3& a = corners[i];
        const Vector3& b = corners[j];
        if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x)
            in = !in;
    }
    return in;
}

} // namespace

std::vector<ScenePolygon> buildScene(const Model& model, const Projection& projection)
{
    std::vector<ScenePolygon> scene;
    for (int e = 0; e < model.elementCount; ++e) {
        const std::vector<Vector3> corners = polygonCorners(model, e);
        if (corners.empty())
            continue;
        ScenePolygon polygon;
        polygon.element = e;
        Vector3 centre;
        for (const Vector3& c : corners) {
            const Vector3 s = projection.toScreen(c);
            polygon.corners.push_back(s);
            polygon.depth += s.z;
            centre = centre + c;
        }
        polygon.depth /= static_cast<double>(corners.size());
        centre = centre * (1.0 / static_cast<double>(corners.size()));

        const Vector3 held = displayNormal(model.elements[e]);
        const double length = held.length();
        const Vector3 unit = length > 0.0 ? held * (1.0 / length) : Vector3{};
        polygon.shade = projection.turn(unit).z;
        polygon.disagrees = normalDisagrees(model, e).value_or(false);
        polygon.normalFrom = projection.toScreen(centre);
        polygon.normalTo = projection.toScreen(centre + unit * (kNormalLength * projection.radius()));
        scene.push_back(std::move(polygon));
    }
    std::stable_sort(scene.begin(), scene.end(),
        [](const ScenePolygon& a, const ScenePolygon& b) { return a.depth < b.depth; });
    return scene;
}

int pickElement(const std::vector<ScenePolygon>& scene, double x, double y)
{
    for (auto it = scene.rbegin(); it != scene.rend(); ++it)
        if (inside(it->corners, x, y))
            return it->element;
    return -1;
}

} // namespace vector
