#include <gtest/gtest.h>

#include "auto_player.h"
#include "game/game_loop.h"
#include "support/game_driver.h"
#include "support/screen_text.h"

namespace {

// Whole games through the real frame loop, played by the automatic player.
struct PlayedGame {
    AutoPlayer::Outcome outcome;
    std::vector<VirtualConsole::Grid> frames;
};

PlayedGame play(AutoPlayer::Style style, std::uint32_t seed) {
    WorkingDirectory here(assetsDir());
    AutoPlayer player(style, 200000, true);
    runGame(player, seed);
    return {player.outcome(), player.frames()};
}

// The index of the first frame at or after `from` showing text at a place.
std::size_t findFrame(const PlayedGame& game, std::size_t from, Place place,
                      const std::string& text) {
    const int length = static_cast<int>(fromUtf8(text).size());
    for (std::size_t i = from; i < game.frames.size(); ++i) {
        if (textAt(game.frames[i], place, length) == text) {
            return i;
        }
    }
    ADD_FAILURE() << "never saw \"" << text << "\" at column " << place.column << ", row "
                  << place.row << " after frame " << from;
    return from;
}

TEST(FullGame, FromTheTitleToVictoryAndOut) {
    PlayedGame game{};
    for (std::uint32_t seed = 1; seed <= 10; ++seed) {
        game = play(AutoPlayer::Style::Careful, seed);
        if (game.outcome == AutoPlayer::Outcome::Victory) {
            break;
        }
    }
    ASSERT_EQ(game.outcome, AutoPlayer::Outcome::Victory);
    // The road, in order, each sight at its place.
    const struct {
        Place place;
        const char* text;
    } road[] = {
        {messageLine(0), " Джек Белибье уволился с работы в полиции,"},
        {messageLine(0), " Найди его... [кашляет] И уничтожь Древнее "},
        {menuItem(0), "1 - Хм, а что я сейчас делаю-то?"},
        {messageLine(0), " Я ждала тебя, правда, я всегда кого-то"},
        {messageLine(0), " Джек стоит посреди болота, затянутого "},
        {messageLine(0), "Идет битва с "},
        {messageLine(0), "Джек получил лягушачью лапку"},
        {messageLine(0), " [Немного позже] Добротная лапка."},
        {messageLine(0), " Приветствую тебя, Джек."},
        {messageLine(0), " Песок, камни и жаркое солнце, но "},
        {messageLine(0), "Джек получил скальп Мудрого Моска"},
        {messageLine(0), " Оо, ты принес скальп! Итак, пророчество"},
        {messageLine(0), " Древнее Зло находится под землей, и его"},
        {messageLine(0), " Преисподняя... В этих пещерах слышен лишь"},
        {messageLine(0), "Идет битва с Монтакулусом"},
        {messageLine(0), "Ураааа, победа!!!"},
        {messageLine(0), " Джек Белибье убил Монтакулуса, а затем"},
        {messageLine(1), "   - THE END -"},
        {messageLine(0), " Выход"},
    };
    std::size_t at = 0;
    for (const auto& sight : road) {
        at = findFrame(game, at, sight.place, sight.text);
    }
    EXPECT_EQ(at, game.frames.size() - 1);
    EXPECT_EQ(rowText(game.frames.back(), 0), "");  // the last frame: no frame, no panel
}

TEST(FullGame, RecklessHeroDiesAndTheGameEnds) {
    const PlayedGame game = play(AutoPlayer::Style::Reckless, 1);
    ASSERT_EQ(game.outcome, AutoPlayer::Outcome::Death);
    const std::size_t death = findFrame(game, 0, messageLine(0), " Джек пал героем, спасая мир...");
    EXPECT_EQ(death + 2, game.frames.size());  // one Enter on the death page ends it
    const auto& last = game.frames.back();
    EXPECT_TRUE(hasTextAt(last, messageLine(1), "Вечная ему память... Прощай, Земля..."));
    EXPECT_EQ(rowText(last, 17), "");
}

}  // namespace
