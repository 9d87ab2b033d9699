#pragma once

#include <cstdint>
#include <string>
#include <vector>

// What a frame means, kept beside its grid by the code that draws it, so
// that nothing has to read rows and columns back to learn what the player
// is shown: the screen, its menu and messages, a fight's blows, the hero's
// status, and the sentences a player who cannot see the grid hears. Every
// text is UTF-8, as the player reads it. A backend shows the grid, says the
// sentences, and finds choices here for a tap or a typed digit; the game
// never learns which of these the player used.

// The screen a frame belongs to.
enum class ScreenKind : std::uint8_t {
    None,  // nothing drawn yet
    Title,
    Story,
    Stranger,
    Town,
    Shop,
    Hunt,
    Battle,
    Seer,
    Indian,
    ExitConfirm,
};

// The menu on view: its choices as numbered, the row each stands on, and
// which one is highlighted (-1 for none). A choice owns its row from
// column `left` up to `right`, not included: the inside of the box it
// stands in, whatever the length of its text.
struct MenuRecord {
    // The most choices any menu holds, so that a backend can keep room for
    // them all and keep its layout from screen to screen.
    static constexpr int CAPACITY = 5;

    int column = 0;  // where the choices' numbers stand
    int left = 0;
    int right = 0;
    std::vector<std::string> choices;  // without their "1 - " numbers
    std::vector<int> rows;
    int highlighted = -1;

    bool shown() const { return !choices.empty(); }
};

// A line shown for this frame only, the answer to the key just pressed: a
// blow, a kill, a potion, a refusal. `spoken` is how a reader says it
// ("!CRIT!" in words).
struct ActionRecord {
    int row = 0;
    std::string text;
    std::string spoken;
};

struct HeroRecord {
    bool shown = false;
    std::int32_t hp = 0;
    std::int32_t maxHp = 0;
    std::int32_t money = 0;
    std::string moneyWord;  // "рубль", "рубля" or "рублей", agreeing with money
    std::int32_t potions = 0;
    std::string weapon;
    std::int32_t attackMin = 0;
    std::int32_t attackMax = 0;
    std::string trophy;  // the quest item carried; empty for none
};

struct EnemyRecord {
    bool shown = false;
    std::string name;
    std::int32_t hp = 0;
};

// The sentences of a frame, written by the game from the rest of the
// record: what a player hears anew after the key that led to it, the
// hero's status on request, and the whole screen again on request.
struct SpokenRecord {
    std::vector<std::string> news;  // one piece a line, in reading order
    std::string status;             // empty where the status is not on view
    std::string screen;
};

struct FrameRecord {
    ScreenKind kind = ScreenKind::None;
    std::vector<std::string> title;    // the title picture's words, a stretch each
    std::vector<std::string> notices;  // a data file that could not be read
    std::vector<std::string> lines;    // the message lines, or a story page
    std::vector<ActionRecord> actions;
    MenuRecord menu;
    HeroRecord hero;
    EnemyRecord enemy;
    bool over = false;  // the game has ended; this is its last frame
    SpokenRecord spoken;
};
