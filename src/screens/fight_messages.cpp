#include "screens/fight_messages.h"

#include "core/roubles.h"
#include "core/text_format.h"
#include "platform/code_pages.h"
#include "platform/russian_text.h"

namespace {

// Windows-1251 letters of either case, one text per letter: lower case first.
bool isOneOf(char letter, const char* lower, const char* upper) {
    for (int i = 0; lower[i] != '\0'; ++i) {
        if (letter == lower[i] || letter == upper[i]) {
            return true;
        }
    }
    return false;
}

// The preposition "с" becomes "со" before щ, and before с, з, ш or ж
// followed by another consonant: "со щитом", "со скорпионом", "со змеем".
bool wantsSo(const char* word) {
    if (isOneOf(word[0], RU("щ"), RU("Щ"))) {
        return true;
    }
    return isOneOf(word[0], RU("сзшж"), RU("СЗШЖ")) && word[1] != '\0' &&
           isOneOf(word[1], RU("бвгджзйклмнпрстфхцчшщ"), RU("БВГДЖЗЙКЛМНПРСТФХЦЧШЩ"));
}

}  // namespace

TextString battleTitle(const MonsterName& monster) {
    // A plain name (no instrumental given) reads as it always has, with "с".
    const bool so = monster.instrumentalGiven && wantsSo(monster.instrumental.text());
    // Appended rather than formatted, so a long name is never cut short.
    TextString title(so ? RU("Идет битва со ") : RU("Идет битва с "));
    title.append(monster.instrumental);
    return title;
}

TextString monsterBlowMessage(const MonsterName& monster, std::int32_t damage) {
    return monster.feminine
               ? FORMAT_RU("%s ранила Джека на %i HP", monster.nominative.text(), damage)
               : FORMAT_RU("%s ранил Джека на %i HP", monster.nominative.text(), damage);
}

TextString heroBlowMessage(const MonsterName& monster, std::int32_t damage, bool critical) {
    TextString message = FORMAT_RU("Джек ранил %s на %i HP", monster.accusative.text(), damage);
    if (critical) {
        message.append(" !CRIT!");
    }
    return message;
}

std::string spokenHeroBlow(const MonsterName& monster, std::int32_t damage, bool critical) {
    std::string spoken = utf8FromCp1251(heroBlowMessage(monster, damage, false).text());
    if (critical) {
        spoken += u8". Критический удар!";
    }
    return spoken;
}

TextString killMessage(const MonsterName& monster, std::int32_t reward) {
    return FORMAT_RU("Джек убил %s, получив %i %s", monster.accusative.text(), reward,
                     roubleWord(reward));
}
