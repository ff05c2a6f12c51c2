#include <gtest/gtest.h>

#include "Fakes.h"
#include "app/Design.h"

namespace torvane::testing {
namespace {

TEST(Design, ButtonsCarryTheCataloguesLooksAndTheMenuItsCommandsBetweenSeparators) {
    const WindowDesign design = design::Window(L"a@b.it");
    ASSERT_EQ(design.buttons.size(), 24u);
    const auto look = [&](std::size_t i) {
        const ButtonLook& b = design.buttons[i];
        return std::tuple(b.caption, b.tooltip, b.iconPixels);
    };
    EXPECT_EQ(look(3), std::tuple(L" VCDS  (Vag-Com)", L"Vag-Com", 48));
    EXPECT_EQ(look(2), std::tuple(L" Diagnostica centraline", L"Bosch Diagnostica centraline", 32));
    EXPECT_EQ(look(23), std::tuple(L"...", L"", 0));
    EXPECT_EQ(design.buttons[23].rect, (Rect{11592, 4872, 2112, 1356}));
    EXPECT_EQ(design.frame, (Rect{168, 0, 13956, 6480}));  // where start-up lays out from

    using Menu = std::vector<std::pair<std::wstring, int>>;  // caption and id
    Menu menu;
    for (const auto& command : design.menu) menu.emplace_back(command.caption, command.id);
    EXPECT_EQ(menu, (Menu{{L"Avvio automatico", 101}, {L"-", 0}, {L"Esegui come amministratore", 102}, {L"-", 0},
                          {L"Scrivi a \"a@b.it\"", 103}, {L"-", 0}, {L"Esci", 104}}));
    EXPECT_EQ(std::pair(kAvvioItem, kAdminItem), std::pair(101, 102));  // the items that carry a check mark
}

TEST(Design, EachMenuCommandRunsItsOwnHandlerAndOtherIdsNone) {
    Panel panel;
    panel.Start({0});
    const std::size_t shellCalls = panel.shell.calls.size();
    EXPECT_FALSE(design::RunMenuCommand(panel.form, 0));
    EXPECT_FALSE(design::RunMenuCommand(panel.form, 105));
    EXPECT_TRUE(panel.dialogs.boxes.empty());

    EXPECT_TRUE(design::RunMenuCommand(panel.form, 101));
    EXPECT_TRUE(design::RunMenuCommand(panel.form, 102));
    EXPECT_EQ(panel.dialogs.Prompts(),
              (std::vector<std::wstring>{L"Vuoi attivare l'opzione di avvio automatico?   ",
                                         L"Vuoi attivare l'opzione di 'Esegui come Amministratore' ?   "}));
    EXPECT_TRUE(design::RunMenuCommand(panel.form, 103));
    EXPECT_EQ(panel.shell.calls.size(), shellCalls + 1);
    EXPECT_EQ(panel.window.closeCalls, 0);
    EXPECT_TRUE(design::RunMenuCommand(panel.form, 104));
    EXPECT_EQ(panel.window.closeCalls, 1);
}

}  // namespace
}  // namespace torvane::testing
