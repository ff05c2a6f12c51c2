// Torvane.exe: builds the Win32 platform, runs start-up and then the window.
#include <windows.h>

#include "BuildInfo.h"
#include "app/Design.h"
#include "app/ElevatedStop.h"
#include "app/FrmTorvane.h"
#include "launch/ElevatedCopy.h"
#include "platform/win32/Win32Dialogs.h"
#include "platform/win32/Win32Services.h"
#include "platform/win32/Win32Window.h"
#include "settings/ElevatedArgument.h"
#include "settings/ElevatedWrite.h"
#include "settings/ErrorPrompt.h"

namespace {

using namespace torvane;

// Turns the toolkit's events into the window's handlers.
class Handlers : public WindowEvents {
public:
    explicit Handlers(FrmTorvane& form) : form_(form) {}
    void CloseRequested() override { form_.Form_QueryUnload(); }
    void BackgroundDoubleClicked() override { form_.Form_DblClick(); }
    void FrameDoubleClicked() override { form_.fraBase_DblClick(); }
    void ButtonClicked(int index, const Click& click) override {
        form_.ButtonPressed(static_cast<std::int16_t>(index), click);
    }
    void MenuChosen(int id) override { design::RunMenuCommand(form_, id); }

private:
    FrmTorvane& form_;
};

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR arguments, int) {
    // The elevated copy that an option command started: one write, no window.
    if (settings::AsksForElevatedWrite(arguments)) {
        win32::Win32Registry registry;
        win32::Win32Application application;
        return static_cast<int>(settings::RunElevatedWrite(arguments, registry, application));
    }
    // The elevated copy that a launch started: stale processes stopped, then
    // perhaps the application started; no window.
    if (AsksForElevatedStop(arguments)) {
        win32::Win32Processes processes;
        win32::Win32FileSystem files;
        const HWND noOwner = nullptr;
        win32::Win32Shell shell(noOwner);
        return static_cast<int>(RunElevatedStop(arguments, processes, files, shell));
    }
    // First, so that the drives' thread starts up while the menu, the screen and
    // the settings are set up.
    win32::Win32FileSystem files;
    win32::Win32Window window(instance, design::Window(build::kContactAddress));
    win32::Win32Dialogs dialogs(window.Handle());
    // Without its window classes the panel cannot show itself: say why.
    if (Outcome failed = win32::Win32Window::RegisterClasses(instance)) {
        dialogs.ShowMessage(ErrorPrompt(*failed), L"Torvane", BoxStyle::Critical);
        return 1;
    }
    win32::Win32Registry registry;
    win32::Win32Shell shell(window.Handle());
    win32::Win32Processes processes;
    win32::Win32Application application;
    win32::Win32Elevation elevation(window.Handle(), window);
    FrmTorvane form(Platform{window, dialogs, files, registry, shell, processes, application, elevation},
                    Version{build::kVersionMajor, build::kVersionMinor, build::kVersionRevision},
                    build::kContactAddress);
    Handlers handlers(form);
    window.SetEvents(&handlers);

    form.Form_Load();
    if (Outcome failed = window.Show()) {
        dialogs.ShowMessage(ErrorPrompt(*failed), L"Torvane", BoxStyle::Critical);
        return 1;
    }
    return window.RunMessageLoop();
}
