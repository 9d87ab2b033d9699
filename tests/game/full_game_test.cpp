#include <gtest/gtest.h>

#include "auto_player.h"
#include "core/game_state.h"
#include "frame_invariants.h"
#include "game/game_loop.h"
#include "platform/key_codes.h"
#include "support/game_driver.h"
#include "support/screen_text.h"

namespace {

// Whole games through the real frame loop, played by the automatic player,
// and heard as a player with a screen reader hears them.
struct PlayedGame {
    AutoPlayer::Outcome outcome;
    std::vector<VirtualConsole::Grid> frames;
    std::vector<std::string> untold;  // what a frame's news left out
    std::vector<std::string> statuses;
};

PlayedGame play(AutoPlayer::Style style, std::uint32_t seed) {
    WorkingDirectory here(assetsDir());
    AutoPlayer player(style, 200000, true);
    PlayedGame game{};
    FrameRecord told;
    player.setWatcher([&](const VirtualConsole& console) {
        const FrameRecord& record = console.record();
        // The first frame, and half an arrow, have nothing before them to tell.
        if (told.kind != ScreenKind::None && g_key != KEY_ARROW_PREFIX) {
            for (const std::string& problem : checkNews(told, record)) {
                game.untold.push_back("frame " + std::to_string(game.statuses.size()) + ": " +
                                      problem);
            }
        }
        if (g_key != KEY_ARROW_PREFIX) {
            told = record;
        }
        game.statuses.push_back(record.spoken.status);
    });
    runGame(player, seed);
    game.outcome = player.outcome();
    game.frames = player.frames();
    return game;
}

// Every frame of the game told what it showed anew, and H told the hit
// points and the money wherever the status column stood.
void expectHeardWhole(const PlayedGame& game) {
    EXPECT_EQ(game.untold, std::vector<std::string>{});
    for (std::size_t i = 0; i < game.frames.size(); ++i) {
        const bool panel = rowText(game.frames[i], 17).find("Джек Белибье") != std::string::npos;
        EXPECT_EQ(game.statuses[i].find("Здоровье: ") != std::string::npos &&
                      game.statuses[i].find("Деньги: ") != std::string::npos,
                  panel)
            << "frame " << i << ": " << game.statuses[i];
    }
}

// The index of the first frame at or after `from` showing text at a place.
std::size_t findFrame(const PlayedGame& game, std::size_t from, Place place,
                      const std::string& text) {
    const int length = static_cast<int>(decodeUtf8(text).size());
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
    expectHeardWhole(game);
}

TEST(FullGame, RecklessHeroDiesAndTheGameEnds) {
    const PlayedGame game = play(AutoPlayer::Style::Reckless, 1);
    ASSERT_EQ(game.outcome, AutoPlayer::Outcome::Death);
    const std::size_t death = findFrame(game, 0, messageLine(0), " Джек пал героем, спасая мир...");
    EXPECT_EQ(death + 2, game.frames.size());  // one Enter on the death page ends it
    const auto& last = game.frames.back();
    EXPECT_TRUE(hasTextAt(last, messageLine(1), "Вечная ему память... Прощай, Земля..."));
    EXPECT_EQ(rowText(last, 17), "");
    expectHeardWhole(game);
}

}  // namespace
