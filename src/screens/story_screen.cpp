#include "screens/story_screen.h"

#include "core/game_state.h"
#include "core/quest.h"
#include "platform/key_codes.h"
#include "platform/russian_text.h"

namespace {

struct Page {
    const char* lines[3];
};

// Pages 0 to 13; page 4 is the hand-over to the stranger and page 13 the
// quit after the death page, so neither has texts of its own.
constexpr std::int32_t OPENING_END_PAGE = 4;
constexpr std::int32_t CREDITS_EXIT_PAGE = 11;
constexpr std::int32_t DEATH_EXIT_PAGE = 13;

const Page PAGES[] = {
    {{RU(" Джек Белибье уволился с работы в полиции,"),
      RU("потому что ему надоело сидеть и есть пончики."), RU("Он хотел чего-то большего...")}},
    {{RU(" Похоже, его мечта сбылась..."), "", ""}},
    {{RU(" Джек возвращался из паба домой, как вдруг"),
      RU("заприметил раненого человека, лежащего"), RU("в проулке между домами...")}},
    {{RU(" Судя по виду, этому человеку крепко досталось"),
      RU("и протянуть ему суждено недолго..."), ""}},
    {{nullptr, nullptr, nullptr}},
    {{RU(" Джек Белибье убил Монтакулуса, а затем"), RU("медленно уничтожил Древнее Зло."), ""}},
    {{RU(" Джек был награжден медалью Героя и"), RU("получил всеобщее признание..."), ""}},
    {{RU(" Сейчас он работает в сверхсекретном отделе"),
      RU("ФБР по спасению мира от иноземной, наземной и"), RU("внутриземной дряни.")}},
    {{RU(" Джек живет и здравствует по сей день..."), "   - THE END -",
      RU(" Далее идут титры...")}},
    {{RU(" Сюжет, код и картинки: команда Древнего Зла"),
      RU("Испытатели: все, кто дошел до Монтакулуса"), RU("Ни одна лягушка не пострадала")}},
    {{RU(" Спасибо, что играли!"), "", ""}},
    {{RU(" Выход"), "", ""}},
    {{RU(" Джек пал героем, спасая мир..."), RU("Вечная ему память... Прощай, Земля..."),
      RU("Все люди обречены... THE END")}},
};
constexpr std::int32_t PAGES_WITH_TEXT = sizeof PAGES / sizeof PAGES[0];

}  // namespace

StoryScreen::StoryScreen() {
    addItem(MenuItem(RU("Далее"), true));
}

void StoryScreen::run() {
    if (g_key == KEY_ENTER && cursor == 0) {
        ++page;
    }
    if (page == OPENING_END_PAGE) {
        g_screen = SCREEN_STRANGER;
        page = VICTORY_PAGE;  // parked: the story is not current again until an ending
    } else if (page == DEATH_EXIT_PAGE) {
        g_screen = SCREEN_QUIT;
    } else if (page >= 0 && page < PAGES_WITH_TEXT) {
        for (int i = 0; i < LINE_COUNT; ++i) {
            lines[i].assign(PAGES[page].lines[i]);
        }
        if (page == CREDITS_EXIT_PAGE) {
            g_screen = SCREEN_QUIT;
        }
    }
    printLines();
    drawMenu();
}
