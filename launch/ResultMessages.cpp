#include "launch/ResultMessages.h"

#include <array>

namespace torvane {
namespace {

struct ResultText {
    std::int32_t from, to;
    const wchar_t* text;
};

constexpr std::array<ResultText, 13> kResultTexts{{
    {0, 0, L"Sistema operativo, risorse di memoria esaurite"},
    {2, 2, L"File da aprire non trovato"},
    {3, 3, L"Percorso non trovato"},
    {5, 5, L"Accesso negato al file dal S.O."},
    {8, 8, L"Memoria insufficiente per completare l'operazione"},
    {11, 11, L"Formato del file .exe invalido"},
    {26, 26, L"Violazione della condivisione"},
    {27, 27, L"Associazione file incompleta o invalida"},
    {28, 28, L"Transazione DDE non possibili per timeout della richiesta"},
    {29, 29, L"Transazione DDE fallita"},
    {31, 31, L"Nessuna applicazione associata alla estensione del file"},
    {32, 32, L"La libreria \"dynamic-link library\" specificata non \u00e8 stata trovata"},
    {33, 42, L"OK"},
}};

}  // namespace

std::optional<std::wstring> ResultMessage(std::int32_t code) {
    for (const auto& entry : kResultTexts) {
        if (code >= entry.from && code <= entry.to) return entry.text;
    }
    return std::nullopt;
}

}  // namespace torvane
