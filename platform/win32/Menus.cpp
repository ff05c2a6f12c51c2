#include "platform/win32/Menus.h"

namespace torvane::win32 {

MenuBar BuildMenuBar(const WindowDesign& design) {
    MenuBar menu{UniqueMenu(CreateMenu()), CreatePopupMenu()};
    for (const MenuCommand& command : design.menu) {
        if (command.id == 0) {
            AppendMenuW(menu.popup, MF_SEPARATOR, 0, nullptr);
        } else {
            // No picture, not even the shield: a themed menu draws it in place of the tick (Windows 7 to 11).
            AppendMenuW(menu.popup, MF_STRING, static_cast<UINT_PTR>(command.id), command.caption.c_str());
        }
    }
    AppendMenuW(menu.bar.get(), MF_POPUP, reinterpret_cast<UINT_PTR>(menu.popup), design.menuTitle.c_str());
    return menu;
}

}  // namespace torvane::win32
