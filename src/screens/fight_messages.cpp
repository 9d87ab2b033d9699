#include "screens/fight_messages.h"

#include "core/text_format.h"

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
    if (isOneOf(word[0], "щ", "Щ")) {
        return true;
    }
    return isOneOf(word[0], "сзшж", "СЗШЖ") && word[1] != '\0' &&
           isOneOf(word[1], "бвгджзйклмнпрстфхцчшщ", "БВГДЖЗЙКЛМНПРСТФХЦЧШЩ");
}

}  // namespace

TextString battleTitle(const MonsterName& monster) {
    // A plain name (no instrumental given) reads as it always has, with "с".
    const bool so = monster.instrumentalGiven && wantsSo(monster.instrumental.text());
    // Appended rather than formatted, so a long name is never cut short.
    TextString title(so ? "Идет битва со " : "Идет битва с ");
    title.append(monster.instrumental);
    return title;
}

TextString monsterBlowMessage(const MonsterName& monster, std::int32_t damage) {
    return monster.feminine
               ? formatText("%s ранила Джека на %i HP", monster.nominative.text(), damage)
               : formatText("%s ранил Джека на %i HP", monster.nominative.text(), damage);
}

TextString heroBlowMessage(const MonsterName& monster, std::int32_t damage, bool critical) {
    TextString message = formatText("Джек ранил %s на %i HP", monster.accusative.text(), damage);
    if (critical) {
        message.append(" !CRIT!");
    }
    return message;
}

TextString killMessage(const MonsterName& monster, std::int32_t reward) {
    return formatText("Джек убил %s получив %i рублей", monster.accusative.text(), reward);
}
