// SPDX-License-Identifier: GPL-3.0-or-later
#include "MenuDemo.h"

#include "DemoRandom.h"
#include "PictureEncoding.h"

#include "common/core/AtomicWrite.h"

#include <cstdint>

namespace demogen {

namespace {

struct SideLook {
    const char* force;
    std::vector<std::string> aircraft;
    const char* other1;
    const char* other2;
    Rgb skyTop, skyBottom, plane;
};

SideLook lookOf(MenuDemoSide side)
{
    switch (side) {
    case MenuDemoSide::USA:
        return {"UNITED STATES ARMY AIR FORCES", {"P51 D", "P47 D", "P51 B", "P47 C", "P38 H", "P38 J"}, "Germany",
            "Britain", {16, 34, 82}, {96, 136, 196}, {112, 118, 84}};
    case MenuDemoSide::Britain:
        return {"ROYAL AIR FORCE", {"Typhoon", "Spitfire IX", "Spitfire 1A", "Hurricane", "Tempest", "Spitfire XIV"},
            "Germany", "USA", {28, 40, 62}, {122, 142, 164}, {86, 96, 64}};
    case MenuDemoSide::Axis:
        return {"LUFTWAFFE",
            {"Bf 109K", "Bf 109G", "FW 190A", "FW 190D", "Bf 109E", "Me 262A", "Bf 110G", "Bf 110C"}, "Britain", "USA",
            {38, 42, 48}, {128, 134, 126}, {112, 118, 124}};
    }
    return {};
}

const Rgb kFace{34, 36, 42};
const Rgb kLight{150, 152, 164};
const Rgb kDark{8, 8, 10};
const Rgb kCaption{242, 222, 150};
const Rgb kWhite{236, 236, 236};

void drawButton(DemoPicture& p, const DemoButton& b)
{
    p.bevel(b.left, b.top, b.width, b.height, kFace, kLight, kDark);
    p.centredText(b.left, b.top, b.width, b.height, b.caption, kCaption, 2);
}

void drawClouds(DemoPicture& p, std::uint32_t seed, int top, int bottom, Rgb colour)
{
    DemoRandom random(seed);
    for (int i = 0; i < 6; ++i) {
        const int cx = random.between(40, 600);
        const int cy = random.between(top, bottom);
        for (int k = 0; k < 4; ++k)
            p.fillEllipse(cx + random.between(-40, 40), cy + random.between(-6, 6), random.between(22, 46),
                random.between(7, 13), colour);
    }
}

void drawMarking(DemoPicture& p, MenuDemoSide side, int cx, int cy)
{
    switch (side) {
    case MenuDemoSide::USA:
        p.fillEllipse(cx, cy, 14, 14, {30, 50, 120});
        p.fillPolygon({{cx, cy - 13}, {cx + 4, cy - 4}, {cx + 13, cy - 4}, {cx + 6, cy + 3}, {cx + 8, cy + 12},
                          {cx, cy + 7}, {cx - 8, cy + 12}, {cx - 6, cy + 3}, {cx - 13, cy - 4}, {cx - 4, cy - 4}},
            kWhite);
        break;
    case MenuDemoSide::Britain:
        p.fillEllipse(cx, cy, 14, 14, {30, 44, 100});
        p.fillEllipse(cx, cy, 6, 6, {170, 30, 30});
        break;
    case MenuDemoSide::Axis:
        p.fillRect(cx - 14, cy - 5, 28, 10, kWhite);
        p.fillRect(cx - 5, cy - 14, 10, 28, kWhite);
        p.fillRect(cx - 12, cy - 2, 24, 4, kDark);
        p.fillRect(cx - 2, cy - 12, 4, 24, kDark);
        break;
    }
}

// A fighter seen from above, nose up.
void drawPlaneFromAbove(DemoPicture& p, MenuDemoSide side, int cx, int cy, Rgb body)
{
    const Rgb shade{static_cast<std::uint8_t>(body.r * 3 / 4), static_cast<std::uint8_t>(body.g * 3 / 4),
        static_cast<std::uint8_t>(body.b * 3 / 4)};
    p.fillPolygon({{cx - 150, cy - 8}, {cx + 150, cy - 8}, {cx + 138, cy + 26}, {cx - 138, cy + 26}}, body);
    p.fillRect(cx - 150, cy + 24, 300, 3, shade);
    p.fillPolygon({{cx - 56, cy + 96}, {cx + 56, cy + 96}, {cx + 50, cy + 114}, {cx - 50, cy + 114}}, body);
    p.fillEllipse(cx, cy + 12, 17, 112, body);
    p.fillEllipse(cx, cy - 22, 8, 20, {150, 176, 196});
    p.fillEllipse(cx, cy - 101, 7, 9, shade);
    p.fillRect(cx - 44, cy - 108, 88, 3, kDark);
    drawMarking(p, side, cx - 100, cy + 9);
    drawMarking(p, side, cx + 100, cy + 9);
}

std::string row(const std::string& caption, int l, int t, int w, int h, bool nonEmptyOnly)
{
    std::string out;
    for (const std::string& field :
        {caption, std::to_string(l), std::to_string(t), std::to_string(w), std::to_string(h)}) {
        if (nonEmptyOnly && field.empty())
            continue;
        out += field + "\r\n";
    }
    return out;
}

} // namespace

std::vector<DemoButton> demoSelectionButtons(MenuDemoSide side)
{
    const SideLook look = lookOf(side);
    const int planes = static_cast<int>(look.aircraft.size());
    const int step = planes == 8 ? 36 : 44;
    const int height = planes == 8 ? 30 : 34;
    std::vector<DemoButton> buttons(11);
    for (int i = 0; i < planes; ++i)
        buttons[i] = {look.aircraft[i], 36, 118 + i * step, 208, height};
    buttons[8] = {look.other1, 36, 424, 170, 36};
    buttons[9] = {look.other2, 222, 424, 170, 36};
    buttons[10] = {"EXIT", 484, 424, 120, 36};
    return buttons;
}

std::vector<DemoButton> demoHangarButtons()
{
    return {{"Back", 16, 16, 96, 34}, {"Arming Board", 16, 424, 176, 34}, {"Mission Parameters", 202, 424, 236, 34},
        {"View Plane", 448, 424, 176, 34}, {"Fly Mission", 468, 16, 156, 34}};
}

DemoPicture drawSelectionScreen(MenuDemoSide side)
{
    const SideLook look = lookOf(side);
    DemoPicture p(640, 480, look.skyTop);
    p.verticalGradient(0, 0, 640, 480, look.skyTop, look.skyBottom);
    drawClouds(p, 11 + static_cast<std::uint32_t>(side), 250, 460,
        {static_cast<std::uint8_t>(look.skyBottom.r + 30), static_cast<std::uint8_t>(look.skyBottom.g + 30),
            static_cast<std::uint8_t>(std::min(255, look.skyBottom.b + 30))});

    p.fillRect(0, 14, 640, 80, {12, 12, 16});
    p.fillRect(0, 92, 640, 2, kCaption);
    p.centredText(0, 20, 640, 36, "SELECT YOUR AIRCRAFT", kCaption, 3);
    p.centredText(0, 60, 640, 26, look.force, kWhite, 2);

    drawPlaneFromAbove(p, side, 440, 250, look.plane);
    for (const DemoButton& b : demoSelectionButtons(side))
        if (!b.caption.empty())
            drawButton(p, b);
    return p;
}

DemoPicture drawHangarScreen()
{
    DemoPicture p(640, 480, {60, 56, 48});
    p.verticalGradient(0, 0, 640, 330, {34, 32, 30}, {78, 72, 62});
    // The open door with the airfield beyond.
    p.verticalGradient(150, 96, 340, 234, {112, 150, 200}, {196, 208, 220});
    p.fillPolygon({{150, 300}, {260, 270}, {380, 286}, {490, 262}, {490, 330}, {150, 330}}, {62, 84, 52});
    p.fillRect(140, 88, 10, 242, {30, 28, 26});
    p.fillRect(490, 88, 10, 242, {30, 28, 26});
    p.fillRect(140, 86, 360, 10, {30, 28, 26});
    // Roof trusses.
    for (int x = 0; x <= 640; x += 80) {
        p.line(x, 0, 320, 70, {24, 22, 20});
        p.line(x, 1, 320, 71, {24, 22, 20});
    }
    p.fillRect(0, 66, 640, 8, {26, 24, 22});
    // Floor.
    p.verticalGradient(0, 330, 640, 150, {96, 92, 84}, {46, 44, 40});
    for (int x = -640; x <= 1280; x += 120)
        p.line(320, 330, x, 480, {70, 68, 62});

    // A fighter seen from the side, nose left.
    const Rgb body{96, 104, 76};
    p.fillPolygon({{186, 300}, {228, 284}, {430, 290}, {476, 278}, {484, 282}, {482, 300}, {440, 312}, {232, 320},
                      {192, 312}},
        body);
    p.fillPolygon({{430, 290}, {452, 246}, {470, 248}, {474, 282}}, body);
    p.fillEllipse(300, 282, 30, 12, {150, 176, 196});
    p.fillEllipse(300, 312, 76, 6, {70, 76, 56});
    p.line(280, 318, 274, 346, kDark);
    p.line(330, 318, 336, 346, kDark);
    p.fillEllipse(274, 350, 10, 10, {20, 20, 20});
    p.fillEllipse(336, 350, 10, 10, {20, 20, 20});
    p.fillEllipse(466, 306, 5, 5, {20, 20, 20});
    p.fillEllipse(190, 300, 8, 9, {40, 40, 40});
    p.fillRect(183, 254, 3, 92, kDark);

    p.centredText(112, 14, 356, 36, "HANGAR", kCaption, 3);
    for (const DemoButton& b : demoHangarButtons())
        drawButton(p, b);
    return p;
}

std::string buildSelectionLayoutText(MenuDemoSide side, bool nonEmptyOnly)
{
    const auto buttons = demoSelectionButtons(side);
    std::string text;
    for (int r = 0; r < 11; ++r) {
        const DemoButton& b = buttons[r];
        // Rows 6-7 are empty but for the Axis: the table's variant leaves
        // no line for an empty field, the complete one leaves them out.
        if ((r == 6 || r == 7) && side != MenuDemoSide::Axis)
            continue;
        text += row(b.caption, b.left, b.top, b.width, b.height, nonEmptyOnly);
    }
    return text;
}

std::string buildHangarLayoutText()
{
    std::string text;
    for (const DemoButton& b : demoHangarButtons())
        text += row(b.caption, b.left, b.top, b.width, b.height, false);
    return text;
}

void writeMenuDemo(const std::filesystem::path& gameDir)
{
    common::writeFileAtomically(gameDir / kDemoUsaPicture, encodeBmp(drawSelectionScreen(MenuDemoSide::USA)));
    common::writeFileAtomically(gameDir / kDemoBritainPicture, encodeJpeg(drawSelectionScreen(MenuDemoSide::Britain)));
    common::writeFileAtomically(gameDir / kDemoAxisPicture, encodeGif(drawSelectionScreen(MenuDemoSide::Axis)));
    common::writeFileAtomically(gameDir / kDemoHangarPicture, encodeBmp(drawHangarScreen()));

    common::writeFileAtomically(gameDir / kDemoUsaLayout, buildSelectionLayoutText(MenuDemoSide::USA, false));
    common::writeFileAtomically(gameDir / kDemoBritainLayout, buildSelectionLayoutText(MenuDemoSide::Britain, true));
    common::writeFileAtomically(gameDir / kDemoAxisLayout, buildSelectionLayoutText(MenuDemoSide::Axis, false));
    common::writeFileAtomically(gameDir / kDemoHangarLayout, buildHangarLayoutText());
}

} // namespace demogen
