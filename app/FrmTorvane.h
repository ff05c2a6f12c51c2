#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "app/ClickFilter.h"
#include "catalogue/Detection.h"
#include "platform/Application.h"
#include "platform/Dialogs.h"
#include "platform/Elevation.h"
#include "platform/FileSystem.h"
#include "platform/Processes.h"
#include "platform/Registry.h"
#include "platform/Shell.h"
#include "platform/Window.h"
#include "settings/Option.h"

namespace torvane {

struct Platform {
    Window& window;
    Dialogs& dialogs;
    FileSystem& files;
    Registry& registry;
    Shell& shell;
    Processes& processes;
    Application& application;
    Elevation& elevation;
};

// "Torvane 0.3.0 - by Quennavo" for version 0.3.0.
std::wstring StartupTitle(const Version& version);

// The main window: its state and its event handlers, which call on the
// catalogue, launching and settings.
class FrmTorvane {
public:
    FrmTorvane(const Platform& platform, const Version& version, std::wstring contactAddress);

    void Form_Load();
    void Form_QueryUnload();
    void Form_DblClick();
    void fraBase_DblClick();
    void cmdApplicazioni_Click(std::int16_t index);
    // A press of a button, before the double-click filter.
    void ButtonPressed(std::int16_t index, const Click& click);
    void mnuOpzioniAvvio_Click();
    void mnuOpzioniAdmin_Click();
    void mnuOpzioniMail_Click();
    void mnuOpzioniEsci_Click();

    const std::vector<std::wstring>& FoundPaths() const { return PercorsiApplicazioni; }
    int InstalledCount() const { return NumeroInstallate; }
    // While an option changes (its boxes, an elevated copy that it waits
    // for), menu commands and button clicks are ignored.
    bool ChangingOption() const { return changingOption_; }

private:
    enum class Go { On, Stop };
    enum class ReadOf { Nothing, Esegui, RunValue };

    Go StartupFailure(const Failure& failure, ReadOf failedRead = ReadOf::Nothing);
    void StartupWrite(const std::wstring& path, const std::wstring& data);
    void ReportRefusal(const Failure& failure);
    Go ActivateEarlierInstance();
    void DetectInstalledApplications();
    void PlaceWindow();
    void EndPanel();

    bool VerificaInstallazione(std::int16_t index, const Installed& installed);
    void PosizionaBottoni(std::int16_t count);
    std::wstring MessaggioRisultato(std::int32_t code);
    void ReportLaunch(std::int32_t code, const std::wstring& note);
    void SetBusy(bool& flag, bool value);

    enum class Trap { Continue, End };
    Trap LaunchTrap(const Failure& failure);

    void ChangeOption(const settings::Option& option);

    Platform platform_;
    Window& window_;
    Dialogs& dialogs_;
    Version version_;
    std::wstring contactAddress_;

    std::vector<std::wstring> PercorsiApplicazioni;
    std::vector<bool> Installate;
    std::int16_t NumeroInstallate = 0;
    Registry* OggettoShell = nullptr;
    std::wstring TitoloFinestra;

    bool Occupato = false;
    ClickFilter clicks_;
    bool refusalReported_ = false;  // at start-up, only the first refused write is shown
    bool changingOption_ = false;
    std::vector<std::wstring> unanswered_;  // drives given up at start-up, as "D:\"
};

}  // namespace torvane
