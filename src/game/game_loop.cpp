#include "game/game_loop.h"

#include <memory>

#include "console/colours.h"
#include "console/console_output.h"
#include "core/game_state.h"
#include "core/hero.h"
#include "data/data_file.h"
#include "data/missing_file.h"
#include "game/loader_reports.h"
#include "game/narrator.h"
#include "game/title_words.h"
#include "game/world.h"
#include "platform/game_io.h"
#include "platform/random.h"
#include "platform/russian_text.h"
#include "platform/virtual_console.h"
#include "screens/battle_screen.h"
#include "screens/exit_confirm_screen.h"
#include "screens/hunting_grounds_screen.h"
#include "screens/indian_screen.h"
#include "screens/seer_screen.h"
#include "screens/shared_screens.h"
#include "screens/shop_screen.h"
#include "screens/story_screen.h"
#include "screens/stranger_screen.h"
#include "screens/town_screen.h"

namespace {

// The screens that only the loop reaches, in order of construction.
struct LocalScreens {
    ShopScreen shop;
    TownScreen town;
    ExitConfirmScreen exitConfirm;
    HuntingGroundsScreen huntingGrounds;
    StrangerScreen stranger;
    SeerScreen seer;
    IndianScreen indian;
};

ScreenKind screenKind(ScreenId screen) {
    switch (screen) {
        case SCREEN_TOWN:
            return ScreenKind::Town;
        case SCREEN_SHOP:
            return ScreenKind::Shop;
        case SCREEN_HUNT:
            return ScreenKind::Hunt;
        case SCREEN_BATTLE:
            return ScreenKind::Battle;
        case SCREEN_STRANGER:
            return ScreenKind::Stranger;
        case SCREEN_STORY:
            return ScreenKind::Story;
        case SCREEN_SEER:
            return ScreenKind::Seer;
        case SCREEN_INDIAN:
            return ScreenKind::Indian;
        case SCREEN_EXIT_CONFIRM:
            return ScreenKind::ExitConfirm;
        default:
            return ScreenKind::None;
    }
}

void runCurrentScreen(LocalScreens& screens) {
    switch (g_screen) {
        case SCREEN_TOWN:
            screens.town.run();
            break;
        case SCREEN_SHOP:
            screens.shop.run();
            break;
        case SCREEN_HUNT:
            screens.huntingGrounds.run();
            break;
        case SCREEN_BATTLE:
            g_battle->run();
            break;
        case SCREEN_STRANGER:
            screens.stranger.run();
            break;
        case SCREEN_STORY:
            g_story->run();
            break;
        case SCREEN_SEER:
            screens.seer.run();
            break;
        case SCREEN_INDIAN:
            screens.indian.run();
            break;
        case SCREEN_EXIT_CONFIRM:
            screens.exitConfirm.run();
            break;
        default:
            printAt(0, 0, RU("Нифигасе"));
            break;
    }
}

// Shows the console, the sentences of what it shows written first.
void present(GameIo& io, VirtualConsole& console, Narrator& narrator, unsigned char key) {
    narrator.tell(console.record(), key);
    io.present(console);
}

// One frame after another until a screen quits or the keys run out.
void frameLoop(GameIo& io, VirtualConsole& console, LocalScreens& screens, Narrator& narrator) {
    for (;;) {
        console.clear();
        const ScreenId frameScreen = g_screen;
        runCurrentScreen(screens);
        console.record().kind = screenKind(frameScreen);
        if (g_screen == SCREEN_QUIT) {
            return;
        }
        g_hero->drawStatusPanel();
        drawFrame();
        // A new screen draws at once, without a key, unless the old one
        // asked for its last words to stay on view until a key is pressed.
        if (g_screen != frameScreen && g_forceWait == 0) {
            g_key = 0;
            continue;
        }
        present(io, console, narrator, g_key);
        const int key = io.readKey();
        if (key == GameIo::END_OF_INPUT) {
            return;
        }
        g_key = static_cast<unsigned char>(key);
        if (g_forceWait != 0) {
            g_forceWait = 0;
            g_key = 0;  // that key only ended the pause
        }
    }
}

}  // namespace

void showTitle(const char* path) {
    const DataFile file(path);
    if (!file.isOpen()) {
        reportMissingFile(path);
        return;
    }
    // One text from the top left corner; it ends at the first zero byte.
    printAt(0, 0, file.text().c_str());
    frameRecord().title = titleWords(file.text().c_str());
}

int runGame(GameIo& io, std::uint32_t seed) {
    g_screen = SCREEN_STORY;
    g_questStage = 0;
    g_forceWait = 0;
    g_key = 0;
    seedRandom(seed);
    // On the heap: a console is some 31 KB, too much for a small stack.
    const auto owned = std::make_unique<VirtualConsole>();
    VirtualConsole& console = *owned;
    g_console = &console;
    Narrator narrator;
    setColour(COLOUR_LIGHT_RED);
    console.record().kind = ScreenKind::Title;
    showTitle("Title.txt");
    present(io, console, narrator, 0);
    if (io.readKey() != GameIo::END_OF_INPUT) {
        // The player gets to read a loader's report before the game goes on
        // without that data.
        const bool reported = loadShowingReports(console, createWorld);
        if (reported) {
            present(io, console, narrator, 0);
        }
        if (!reported || io.readKey() != GameIo::END_OF_INPUT) {
            setColour(COLOUR_GREY);
            console.clear();
            LocalScreens screens;
            frameLoop(io, console, screens, narrator);
            console.record().over = true;
            present(io, console, narrator, g_key);
        }
        destroyWorld();
    }
    g_console = nullptr;
    return 0;
}
