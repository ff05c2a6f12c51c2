// Torvane.exe: builds the Win32 platform, runs start-up and then the window.
#include <windows.h>

#include "BuildInfo.h"
#include "app/Design.h"
#include "app/FrmTorvane.h"
#include "platform/win32/Win32Services.h"
#include "platform/win32/Win32Window.h"

namespace {

using namespace torvane;

// Turns the toolkit's events into the window's handlers.
class Handlers : public WindowEvents {
public:
    explicit Handlers(FrmTorvane& form) : form_(form) {}
    void CloseRequested() override { form_.Form_QueryUnload(); }
    void BackgroundDoubleClicked() override { form_.Form_DblClick(); }
    void FrameDoubleClicked() override { form_.fraBase_DblClick(); }
    void ButtonClicked(int index) override { form_.cmdApplicazioni_Click(static_cast<std::int16_t>(index)); }
    void MenuChosen(int id) override { design::RunMenuCommand(form_, id); }

private:
    FrmTorvane& form_;
};

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    win32::Win32Window window(instance, build::kContactAddress);
    win32::Win32FileSystem files;
    win32::Win32Registry registry;
    win32::Win32Shell shell(window.Handle());
    win32::Win32Processes processes;
    win32::Win32Application application;
    FrmTorvane form(Platform{window, files, registry, shell, processes, application},
                    Version{build::kVersionMajor, build::kVersionMinor, build::kVersionRevision},
                    build::kContactAddress);
    Handlers handlers(form);
    window.SetEvents(&handlers);

    form.Form_Load();
    window.Show();
    return window.RunMessageLoop();
}
