#include "platform/win32/Tooltips.h"

#include <commctrl.h>

#include "platform/win32/SystemFunctions.h"

namespace torvane::win32 {

HWND CreateTooltips(HINSTANCE instance, HWND owner, HWND parent, const std::vector<Tip>& tips) {
    const auto init = Bound<system32::kInitCommonControlsEx>();
    const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_BAR_CLASSES};
    if (init == nullptr || !init(&classes)) return nullptr;
    const HWND tooltips = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                          CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                                          instance, nullptr);
    for (const Tip& tip : tips) {
        TOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = parent;
        tool.uId = reinterpret_cast<UINT_PTR>(tip.control);
        tool.lpszText = const_cast<wchar_t*>(tip.text.c_str());
        SendMessageW(tooltips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    return tooltips;
}

}  // namespace torvane::win32
