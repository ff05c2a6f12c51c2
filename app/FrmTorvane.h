#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "catalogue/Catalogue.h"
#include "platform/Application.h"
#include "platform/FileSystem.h"
#include "platform/Processes.h"
#include "platform/Registry.h"
#include "platform/Shell.h"
#include "platform/Window.h"

namespace torvane {

struct Platform {
    Window& window;
    FileSystem& files;
    Registry& registry;
    Shell& shell;
    Processes& processes;
    Application& application;
};

struct Version {
    int major, minor, revision;
};

// "Torvane 0.3.0 - by Quennavo" for version 0.3.0.
std::wstring StartupTitle(const Version& version);

// The main window: its state and its event handlers. Each handler is defined
// beside the subsystem it belongs to.
class FrmTorvane {
public:
    FrmTorvane(const Platform& platform, const Version& version, std::wstring contactAddress);

    void Form_Load();
    void Form_QueryUnload();
    void Form_DblClick();
    void fraBase_DblClick();
    void cmdApplicazioni_Click(std::int16_t index);
    void mnuOpzioniAvvio_Click();
    void mnuOpzioniAdmin_Click();
    void mnuOpzioniMail_Click();
    void mnuOpzioniEsci_Click();

    const std::vector<std::wstring>& FoundPaths() const { return PercorsiApplicazioni; }
    int InstalledCount() const { return NumeroInstallate; }

private:
    enum class Go { On, Stop };
    enum class ReadOf { Nothing, Esegui, RunValue };

    Go StartupFailure(const Failure& failure, ReadOf failedRead = ReadOf::Nothing);
    Go StartupWrite(const std::wstring& path, const std::wstring& data);
    Go ActivateEarlierInstance();
    void DetectInstalledApplications();
    void PlaceWindow();

    bool VerificaInstallazione(std::int16_t index);
    void PosizionaBottoni(std::int16_t count);
    std::wstring MessaggioRisultato(std::int32_t code);
    Outcome TerminaProcessi(std::int16_t index);
    std::int32_t VerificaChiave(const std::wstring& subKey);

    enum class Trap { Continue, End };
    Trap LaunchTrap(const Failure& failure);

    Platform platform_;
    Window& window_;
    Version version_;
    std::wstring contactAddress_;

    std::vector<std::wstring> PercorsiApplicazioni;
    std::vector<bool> Installate;
    std::int16_t NumeroInstallate = 0;
    std::array<std::wstring, 2> Dischi;
    std::array<std::wstring, 4> CartelleProgrammi;
    Registry* OggettoShell = nullptr;
    std::wstring TitoloFinestra;

    bool Occupato = false;
    bool refusalReported_ = false;  // at start-up, only the first refused write is shown
};

}  // namespace torvane
