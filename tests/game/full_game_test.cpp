#include <gtest/gtest.h>

#include "auto_player.h"
#include "game/game_loop.h"
#include "support/game_driver.h"
#include "support/screen_text.h"

namespace {

// Whole games through the real frame loop, played by the automatic player.
struct PlayedGame {
    AutoPlayer::Outcome outcome;
    int status;
    std::vector<VirtualConsole::Grid> frames;
};

PlayedGame play(AutoPlayer::Style style, std::uint32_t seed) {
    WorkingDirectory here(assetsDir());
    AutoPlayer player(style, 200000, true);
    const int status = runGame(player, seed);
    return {player.outcome(), status, player.frames()};
}

// The index of the first frame at or after `from` showing text at (column, row).
std::size_t findFrame(const PlayedGame& game, std::size_t from, int column, int row,
                      const std::string& text) {
    const int length = static_cast<int>(fromUtf8(text).size());
    for (std::size_t i = from; i < game.frames.size(); ++i) {
        if (textAt(game.frames[i], column, row, length) == text) {
            return i;
        }
    }
    ADD_FAILURE() << "never saw \"" << text << "\" at column " << column << ", row " << row
                  << " after frame " << from;
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
    EXPECT_EQ(game.status, 0);
    // The road, in order, each sight at its place.
    const struct {
        int column, row;
        const char* text;
    } road[] = {
        {31, 32, " Джек Белибье уволился с работы в полиции,"},
        {31, 32, " Найди его...[кашляет] И уничтожь Древнее "},
        {32, 36, "1 - Хм, а что я сейчас делаю то?"},
        {31, 32, " Я ждала тебя, правда я всегда кого-то"},
        {31, 32, " Джек стоит посреди болота, затянутого "},
        {31, 32, "Идет битва с "},
        {31, 32, "Джек получил Лягушачью Лапку"},
        {31, 32, " [Немного позже] Добротная лапка."},
        {31, 32, " Приветствую тебя, Джек."},
        {31, 32, " Песок, камни и жаркое солнце, но "},
        {31, 32, "Джек получил Скальп Мудрого моска"},
        {31, 32, " Оо, ты принес скальп! Итак, пророчество"},
        {31, 32, " Древнее Зло находится под землей и его"},
        {31, 32, " Преисподняя... В этих пещерах слышен лишь"},
        {31, 32, "Идет битва с Монтакулус"},
        {31, 32, "Ураааа, победа!!!"},
        {31, 32, " Джек Белибье убил Монтакулуса, а затем"},
        {31, 33, "   - THE END -"},
        {31, 32, " Выход"},
    };
    std::size_t at = 0;
    for (const auto& sight : road) {
        at = findFrame(game, at, sight.column, sight.row, sight.text);
    }
    EXPECT_EQ(at, game.frames.size() - 1);
    EXPECT_EQ(rowText(game.frames.back(), 0), "");  // the last frame: no frame, no panel
}

TEST(FullGame, RecklessHeroDiesAndTheGameEnds) {
    const PlayedGame game = play(AutoPlayer::Style::Reckless, 1);
    ASSERT_EQ(game.outcome, AutoPlayer::Outcome::Death);
    EXPECT_EQ(game.status, 0);
    const std::size_t death = findFrame(game, 0, 31, 32, " Джек пал Героем, спасая мир...");
    EXPECT_EQ(death + 2, game.frames.size());  // one Enter on the death page ends it
    const auto& last = game.frames.back();
    EXPECT_TRUE(hasTextAt(last, 31, 33, "Вечная ему память... Прощай Земля..."));
    EXPECT_EQ(rowText(last, 17), "");
}

}  // namespace
