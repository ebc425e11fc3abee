#include "menuwright/menufile/ScreenCheck.h"

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

} // namespace menuwright
