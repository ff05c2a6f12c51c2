#include "platform/win32/Menus.h"

#include <shellapi.h>

#include "platform/win32/LateBound.h"

namespace torvane::win32 {

MenuBar BuildMenuBar(const WindowDesign& design) {
    MenuBar menu{UniqueMenu(CreateMenu()), CreatePopupMenu()};
    for (const MenuCommand& command : design.menu) {
        if (command.id == 0) {
            AppendMenuW(menu.popup, MF_SEPARATOR, 0, nullptr);
        } else {
            AppendMenuW(menu.popup, MF_STRING, static_cast<UINT_PTR>(command.id), command.caption.c_str());
        }
    }
    AppendMenuW(menu.bar.get(), MF_POPUP, reinterpret_cast<UINT_PTR>(menu.popup), design.menuTitle.c_str());
    return menu;
}

// Drawn onto transparent black, an icon's alpha lands premultiplied, as
// menus want it.
HBITMAP CreateShieldBitmap() {
    using StockIconFn = HRESULT(WINAPI*)(SHSTOCKICONID, UINT, SHSTOCKICONINFO*);
    const auto stockIcon = LateBound<StockIconFn>(L"shell32.dll", "SHGetStockIconInfo");
    SHSTOCKICONINFO shield{};
    shield.cbSize = sizeof(shield);
    if (stockIcon == nullptr || FAILED(stockIcon(SIID_SHIELD, SHGSI_ICON | SHGSI_SMALLICON, &shield))) return nullptr;
    const UniqueIcon icon(shield.hIcon);
    const int width = GetSystemMetrics(SM_CXSMICON), height = GetSystemMetrics(SM_CYSMICON);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HDC dc = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    if (bitmap != nullptr && dc != nullptr) {
        const HGDIOBJ old = SelectObject(dc, bitmap);
        DrawIconEx(dc, 0, 0, icon.get(), width, height, 0, nullptr, DI_NORMAL);
        SelectObject(dc, old);
    }
    if (dc != nullptr) DeleteDC(dc);
    return bitmap;
}

}  // namespace torvane::win32
