// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestModelFile.h"

#include "vector/core/ModelGeometry.h"
#include "vector/core/ModelNormals.h"
#include "vector/core/ModelReader.h"
#include "vector/core/PreviewScene.h"
#include "vector/core/Projection.h"

#include "tools/demogen/NormalsDemo.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vector {
namespace {

// Elements of the demo box: +x, -x, +y (top), -y, +z, -z.
constexpr int kTop = 2;

Model read(const std::vector<std::uint8_t>& bytes)
{
    return readModelBytes(bytes, bytes.size(), "box.3dz", Model{});
}

TEST(NormalCheck, ReportsExactlyTheFlippedFaceOfACube)
{
    const Model box = read(demogen::buildDemoBox());
    EXPECT_EQ(disagreeingElements(box), std::vector<int>{});
    EXPECT_EQ(checkableElementCount(box), 6);

    for (int face = 0; face < 6; ++face) {
        Model flipped = read(testing::withFlippedNormal(demogen::buildDemoBox(), face));
        EXPECT_EQ(disagreeingElements(flipped), std::vector<int>{face});
        calculateNormals(flipped);
        EXPECT_EQ(disagreeingElements(flipped), std::vector<int>{}) << "calculated normals agree";
    }
}

TEST(NormalCheck, ZeroNormalsDisagreeAndPolygonsWithoutAFacetAreNotChecked)
{
    const auto bytes = demogen::buildDemoSparrow();
    const Model sparrow = readModelBytes(bytes, bytes.size(), "sparrow.3dz", Model{});
    EXPECT_EQ(checkableElementCount(sparrow), 18); // the nose light has no vertices
    EXPECT_EQ(disagreeingElements(sparrow).size(), 18u);
    EXPECT_FALSE(normalDisagrees(sparrow, 18).has_value());
}

TEST(Projection, ShowsTheFilesYAxisUpAndFitsTheModel)
{
    const Model box = read(demogen::buildDemoBox());
    Projection view;
    view.fit(box);
    view.setViewport(200, 100);
    view.rotate(-Projection::kStartYaw, -Projection::kStartPitch); // straight from the front
    // File order y, z, x: node 2 has y = +50 (up), node 1 has x = +50 (right),
    // node 4 has z = +50 (towards the viewer); node 0 is -50 on all three.
    const Vector3 origin = view.toScreen(displayPoint(box.nodes[0]));
    EXPECT_LT(view.toScreen(displayPoint(box.nodes[2])).y, origin.y - 1);
    EXPECT_GT(view.toScreen(displayPoint(box.nodes[1])).x, origin.x + 1);
    EXPECT_GT(view.toScreen(displayPoint(box.nodes[4])).z, origin.z + 1);

    view.reset();
    for (int n = 0; n < box.nodeCount; ++n) {
        const Vector3 p = view.toScreen(displayPoint(box.nodes[n]));
        EXPECT_TRUE(p.x >= 0 && p.x <= 200 && p.y >= 0 && p.y <= 100) << "node " << n;
    }
}

TEST(PreviewScene, FlippedTopIsDarkOrderedFarToNearAndPickedUnderThePointer)
{
    const Model box = read(testing::withFlippedNormal(demogen::buildDemoBox(), kTop));
    Projection view;
    view.fit(box);
    view.setViewport(300, 300);
    const auto scene = buildScene(box, view);
    ASSERT_EQ(scene.size(), 6u);
    EXPECT_TRUE(std::is_sorted(scene.begin(), scene.end(), [](const auto& a, const auto& b) { return a.depth < b.depth; }));

    // The first view looks from above at +x, +y and +z.
    for (const ScenePolygon& p : scene) {
        EXPECT_EQ(p.disagrees, p.element == kTop) << p.element;
        if (p.element == kTop) {
            EXPECT_LE(p.shade, 0.0);
        } else if (p.element == 0 || p.element == 4) {
            EXPECT_GT(p.shade, 0.3) << p.element;
        }
    }
    const auto top = std::find_if(scene.begin(), scene.end(), [](const auto& p) { return p.element == kTop; });
    EXPECT_EQ(pickElement(scene, top->normalFrom.x, top->normalFrom.y), kTop);
    EXPECT_EQ(pickElement(scene, 1, 1), -1);
}

} // namespace
} // namespace vector
