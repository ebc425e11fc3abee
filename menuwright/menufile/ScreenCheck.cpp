// SPDX-License-Identifier: GPL-3.0-or-later
#include "menuwright/menufile/ScreenCheck.h"

#include "menuwright/menufile/MenuFileWriter.h"

namespace menuwright {

std::vector<std::size_t> buttonsOffScreen(const MenuFileContents& menu)
{
    std::vector<std::size_t> off;
    for (std::size_t i = 0; i < menu.buttons.size(); ++i) {
        const MenuButton& b = menu.buttons[i];
        if (int(b.L) + int(b.W) > kScreenWidth || int(b.T) + int(b.H) > kScreenHeight)
            off.push_back(i);
    }
    return off;
}

std::vector<std::string> offScreenWarnings(const MenuFileContents& menu)
{
    std::vector<std::string> lines;
    for (std::size_t i : buttonsOffScreen(menu)) {
        const MenuButton& b = menu.buttons[i];
        lines.push_back("button " + std::to_string(i + 1) + " reaches beyond the " + std::to_string(kScreenWidth)
            + " x " + std::to_string(kScreenHeight) + " screen (L " + std::to_string(b.L) + ", T " + std::to_string(b.T)
            + ", W " + std::to_string(b.W) + ", H " + std::to_string(b.H) + ")");
    }
    return lines;
}

namespace {

std::string noticeOf(const std::vector<std::uint8_t>& file)
{
    const auto menu = readMenuFile(file);
    const auto lines = menu ? offScreenWarnings(*menu) : std::vector<std::string>{};
    if (lines.empty())
        return {};
    std::string notice = lines.front();
    notice.front() = 'B';
    if (lines.size() > 1)
        notice += "; " + std::to_string(lines.size() - 1) + (lines.size() == 2 ? " more does" : " more do");
    return notice + ".";
}

} // namespace

std::string offScreenNotice(const SelectionLayout& layout)
{
    return noticeOf(buildSelectionFile(layout));
}

std::string offScreenNotice(const HangarLayout& layout)
{
    return noticeOf(buildHangarFile(layout));
}

} // namespace menuwright
