#include "platform/spoken_keys.h"

#include "platform/cp1251.h"
#include "platform/key_codes.h"

const char SCREEN_READER_KEYS[] =
    u8"Древнее Зло, режим для экранного диктора. Стрелки вверх и вниз или цифра выбирают "
    u8"вариант, Enter подтверждает. H (русская Р) называет здоровье, деньги и оружие, "
    u8"R (русская К) повторяет весь экран.";

namespace {

// The Latin letter of either case, or the Cyrillic one that a Russian
// layout puts on the same key, as the key read delivers them.
bool isKey(unsigned char key, char latin, char32_t cyrillicUpper, char32_t cyrillicLower) {
    return key == latin || key == latin - 'A' + 'a' || key == encodeCp1251(cyrillicUpper) ||
           key == encodeCp1251(cyrillicLower);
}

}  // namespace

bool SpokenConsole::show(const FrameRecord& frame, bool typedAhead) {
    shown_ = &frame;
    return !typedAhead && given_.empty();
}

std::string SpokenConsole::type(unsigned char key) {
    const bool arrow = afterArrowPrefix_;
    afterArrowPrefix_ = key == KEY_ARROW_PREFIX;
    if (arrow || key == KEY_ARROW_PREFIX) {
        given_ += char(key);
        return "";
    }
    SpokenKey answer = spokenKey(key, shown_ != nullptr ? *shown_ : FrameRecord{});
    given_ += answer.keys;
    return std::move(answer.say);
}

unsigned char SpokenConsole::takeKey() {
    const auto key = static_cast<unsigned char>(given_.front());
    given_.erase(0, 1);
    return key;
}

SpokenKey spokenKey(unsigned char key, const FrameRecord& shown) {
    const std::string self(1, char(key));
    if (isKey(key, 'H', U'Р', U'р')) {
        return shown.spoken.status.empty() ? SpokenKey{"", self}
                                           : SpokenKey{shown.spoken.status, ""};
    }
    if (isKey(key, 'R', U'К', U'к')) {
        return shown.spoken.screen.empty() ? SpokenKey{"", self}
                                           : SpokenKey{shown.spoken.screen, ""};
    }
    const MenuRecord& menu = shown.menu;
    const int choice = key - '1';
    if (key < '1' || key > '9' || choice >= int(menu.choices.size()) || menu.highlighted < 0) {
        return {"", self};
    }
    // On the highlighted choice already, the digit itself is a key the
    // game ignores, and the game says the choice again.
    const std::string move = {char(KEY_ARROW_PREFIX),
                              char(choice > menu.highlighted ? KEY_DOWN : KEY_UP)};
    std::string keys = choice == menu.highlighted ? self : "";
    for (int step = menu.highlighted; step != choice; step += choice > menu.highlighted ? 1 : -1) {
        keys += move;
    }
    return {"", keys};
}
