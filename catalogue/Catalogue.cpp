#include "catalogue/Catalogue.h"

namespace torvane {
namespace {

constexpr auto PF = SearchKind::ProgramFiles;

// Captions, tooltips and paths are the applications' own, letter for letter:
// the recorded path is the candidate as written here. resources/icons/make_icons.py
// reads this table and keeps each entry's artwork under its caption: an entry's
// caption, tooltip and icon size stay together at its start.
constexpr CatalogueEntry kCatalogue[] = {
    {L"ESI[tronic]", L"Esi[tronic]", 48, PF, {L"\\Bosch\\ESItronic\\Esi2.exe"}, false},
    {L"Esitronic 2.0", L"Esi[tronic] 2.0", 48, PF, {L"\\Bosch\\ESItronic 2.0\\ESItronic\\esitronic.exe"}, false},
    {L" Diagnostica centraline", L"Bosch Diagnostica centraline", 32, PF,
     {L"\\Bosch\\ESItronic\\KTS500\\kts500_32.EXE"}, false},
    {L" VCDS  (Vag-Com)", L"Vag-Com", 48, SearchKind::DriveRoot, {L"Ross-Tech\\VCDS\\VCDS.exe"}, false},
    {L"DS 150E", L"Delphi DS150", 48, PF,
     {L"\\Delphi Diagnostics\\DS Cars (New VCI)\\Main.exe", L"\\Delphi Diagnostics\\DS150E (New VCI)\\Main.exe"},
     false},
    {L"Dataspin", L"Dataspin", 48, PF, {L"\\Dataspin.net\\Dataspin.exe"}, false},
    {L"Texa IDC4 Start", L"Texa IDC4 Start", 48, PF, {L"\\Texa S.p.A\\IDC4\\common\\bin\\mstart.exe"}, false},
    {L"Texa IDC4 CAR", L"Texa IDC4 Car", 48, PF, {L"\\Texa S.p.A\\IDC4\\car\\bin\\start4.exe"}, true},
    {L"Texa IDC4 TRUCK", L"Texa IDC4 Truck", 48, PF, {L"\\Texa S.p.A\\IDC4\\truck\\bin\\start4.exe"}, true},
    {L"Texa IDC4 OHW", L"Texa IDC4 OHW", 48, PF, {L"\\Texa S.p.A\\IDC4\\agri\\bin\\start4.exe"}, true},
    {L"Texa IDC4 BIKE", L"Texa IDC4 Bike", 48, PF, {L"\\Texa S.p.A\\IDC4\\bike\\bin\\start4.exe"}, true},
    {L"Texa IDC4 MARINE", L"Texa IDC4 Marine", 48, PF, {L"\\Texa S.p.A\\IDC4\\marine\\bin\\start4.exe"}, true},
    {L"Texa IDC5 Start", L"Texa IDC5 Start", 46, PF, {L"\\Texa S.p.A\\IDC5\\common\\bin\\Mstart5.exe"}, false},
    {L"Texa IDC5 CAR", L"Texa IDC5 Car", 46, PF, {L"\\Texa S.p.A\\IDC5\\car\\bin\\start5.exe"}, true},
    {L"Texa IDC5 TRUCK", L"Texa IDC5 Truck", 46, PF, {L"\\Texa S.p.A\\IDC5\\truck\\bin\\start5.exe"}, true},
    {L"Texa IDC5 OHW", L"Texa IDC5 OHW", 46, PF, {L"\\Texa S.p.A\\IDC5\\agri\\bin\\start5.exe"}, true},
    {L"Texa IDC5 BIKE", L"Texa IDC5 Bike", 46, PF, {L"\\Texa S.p.A\\IDC5\\bike\\bin\\start5.exe"}, true},
    {L"Texa IDC5 MARINE", L"Texa IDC5 Marine", 46, PF, {L"\\Texa S.p.A\\IDC5\\marine\\bin\\start5.exe"}, true},
    {L"Delphi Diamand", L"Delphi Diamand", 60, PF, {L"\\Delphi\\Diamand\\diamand.exe"}, false},
    {L"Denso DST", L"Denso DST", 48, PF, {L"\\DENSO Diagnostic Software\\DST-PC\\bin\\dst-pcV9.exe"}, false},
    {L"MyVdo Diesel sParts", L"MyVdo Diesel sParts", 48, PF, {L"\\MyVDO Diesel sParts\\MyVDO.exe"}, false},
};

}  // namespace

// Builds only while kEntryCount is the table's length.
std::span<const CatalogueEntry, kEntryCount> Catalogue() { return kCatalogue; }

const CatalogueEntry* CatalogueEntryAt(std::int16_t index) {
    if (index < 0 || index >= kEntryCount) return nullptr;
    return &kCatalogue[static_cast<std::size_t>(index)];
}

std::wstring InstallPath(const CatalogueEntry& entry, const wchar_t* candidate, const std::wstring& drive,
                         const std::wstring& folder) {
    return (entry.kind == SearchKind::DriveRoot ? drive : drive + folder) + candidate;
}

}  // namespace torvane
