// The game played through the browser page's console, on a page of the
// test's own: what the page is handed each frame (only the rows that
// changed, as glyphs and colours, and the frame's record), the keys it
// reports as the game reads them or as it answers them itself, and the end
// of the game with its last frame on view.
#include "platform/web/page_console.h"

#include <gtest/gtest.h>

#include <array>
#include <deque>
#include <string>
#include <vector>

#include "console/colours.h"
#include "game/game_loop.h"
#include "support/game_driver.h"
#include "support/screen_text.h"

namespace {

const std::string FIRST_LINE = " Джек Белибье уволился с работы в полиции,";
const std::string STRANGER = " Найди его... [кашляет] И уничтожь Древнее ";

// What the page showed while the game waited for a key.
struct Shown {
    std::array<std::u16string, ROWS> text;
    std::array<std::vector<std::uint8_t>, ROWS> colours;

    // length characters from (column, row), as UTF-8.
    std::string at(int column, int row, std::size_t length) const {
        const std::u16string part = text[row].substr(column, length);
        return toUtf8(std::u32string(part.begin(), part.end()));
    }
};

// A page that keeps what it is told to show, as a browser's would, and
// whose player presses the keys of a script.
class ScriptedPage : public Page {
  public:
    explicit ScriptedPage(std::vector<std::u16string> keys) : keys_(keys.begin(), keys.end()) {
        for (auto& row : now_.text) {
            row.assign(COLUMNS, u'#');  // what the page held before the game
        }
    }

    void showFrame(const RowUpdate& update, const FrameRecord& record) override {
        records.push_back(record);
        EXPECT_FALSE(over) << "a frame after the end";
        EXPECT_EQ(update.text.size(), update.rows.size() * COLUMNS);
        EXPECT_EQ(update.colours.size(), update.rows.size() * COLUMNS);
        for (std::size_t i = 0; i < update.rows.size(); ++i) {
            const int row = update.rows[i];
            EXPECT_TRUE(i == 0 || row > update.rows[i - 1]) << "rows top first, each once";
            now_.text[row].assign(update.text.begin() + i * COLUMNS,
                                  update.text.begin() + (i + 1) * COLUMNS);
            now_.colours[row].assign(update.colours.begin() + i * COLUMNS,
                                     update.colours.begin() + (i + 1) * COLUMNS);
        }
        updates.push_back(update.rows);
    }

    std::u16string nextKey() override {
        waits.push_back(now_);
        updatesAtWait.push_back(updates.size());
        if (keys_.empty()) {
            ADD_FAILURE() << "the game waited for a key after the script";
            return u"Enter";
        }
        const std::u16string key = keys_.front();
        keys_.pop_front();
        return key;
    }

    void say(const std::string& words) override { said.push_back(words); }
    void gameOver() override { over = true; }

    const Shown& now() const { return now_; }

    std::vector<std::vector<int>> updates;  // the rows of each update
    std::vector<Shown> waits;               // the page at each key wait
    std::vector<std::size_t> updatesAtWait;
    std::vector<FrameRecord> records;
    std::vector<std::string> said;
    bool over = false;

  private:
    Shown now_;
    std::deque<std::u16string> keys_;
};

// Title, four story pages to the stranger, Down on his menu, on to the
// town, up to its last choice, leave and confirm.
const std::vector<std::u16string> WHOLE_SHORT_GAME = {u"t",     u"Enter",     u"Enter", u"Enter",
                                                      u"Enter", u"ArrowDown", u"Enter", u"ArrowUp",
                                                      u"Enter", u"Enter"};

void play(ScriptedPage& page) {
    WorkingDirectory data(assetsDir());
    PageConsole console(page);
    EXPECT_EQ(runGame(console, 1), 0);
}

TEST(PageConsole, ThePageShowsTheTitleTheStoryAndTheStrangerInTheirColours) {
    ScriptedPage page(WHOLE_SHORT_GAME);
    play(page);
    ASSERT_GE(page.waits.size(), 7u);
    EXPECT_EQ(page.updates[0].size(), std::size_t(ROWS)) << "the first frame fills the page";
    int inked = 0;
    for (int row = 0; row < ROWS; ++row) {
        for (int column = 0; column < COLUMNS; ++column) {
            if (page.waits[0].text[row][column] != u' ') {
                ++inked;
                EXPECT_EQ(page.waits[0].colours[row][column], COLOUR_LIGHT_RED);
            }
        }
    }
    EXPECT_GT(inked, 100) << "the title picture";

    const Shown& story = page.waits[1];
    EXPECT_EQ(story.at(31, 32, 42), FIRST_LINE);
    EXPECT_EQ(story.colours[32][31], COLOUR_GREY);
    EXPECT_EQ(story.at(32, 36, 9), "1 - Далее");
    EXPECT_EQ(story.colours[36][32], COLOUR_GREEN);
    EXPECT_EQ(story.at(0, 0, 3), ".--");

    const Shown& stranger = page.waits[5];
    EXPECT_EQ(stranger.at(31, 32, 43), STRANGER);
}

TEST(PageConsole, DownRedrawsOnlyTheTwoMenuRowsWhoseColoursSwap) {
    ScriptedPage page(WHOLE_SHORT_GAME);
    play(page);
    // Wait 5 shows the stranger; the Down's two bytes make two frames, the
    // first of which changes nothing, before wait 6.
    ASSERT_GE(page.waits.size(), 7u);
    EXPECT_EQ(page.updates[page.updatesAtWait[6] - 2], std::vector<int>{});
    EXPECT_EQ(page.updates[page.updatesAtWait[6] - 1], (std::vector<int>{36, 38}));
    EXPECT_EQ(page.waits[5].colours[36][32], COLOUR_GREEN);
    EXPECT_EQ(page.waits[5].colours[38][32], COLOUR_GREY);
    EXPECT_EQ(page.waits[6].colours[36][32], COLOUR_GREY);
    EXPECT_EQ(page.waits[6].colours[38][32], COLOUR_GREEN);
}

TEST(PageConsole, LeavingTheGameLeavesItsLastFrameAndTellsThePage) {
    ScriptedPage page(WHOLE_SHORT_GAME);
    play(page);
    EXPECT_TRUE(page.over);
    EXPECT_EQ(page.waits.size(), WHOLE_SHORT_GAME.size()) << "every key read, none more";
    EXPECT_EQ(page.now().at(31, 32, 20), "Действительно выйти?");
    EXPECT_EQ(page.now().at(0, 0, 3), "   ") << "the last frame has no border";
}

TEST(PageConsole, HAndRAreAnsweredInWordsAndADigitMovesToItsChoice) {
    // To the town, H and R there, the third choice by its digit, then out.
    ScriptedPage page({u"t", u"Enter", u"Enter", u"Enter", u"Enter", u"Enter", u"H", u"к", u"3",
                       u"Enter", u"5", u"Enter", u"Enter"});
    play(page);
    EXPECT_TRUE(page.over);
    ASSERT_EQ(page.said.size(), 2u);
    EXPECT_EQ(page.said[0].rfind("Здоровье: 50 из 50.", 0), 0u) << page.said[0];
    EXPECT_NE(page.said[1].find("Вариант 5: Пойду я нафиг из игры."), std::string::npos);
    // The digit's two Downs make frames of their own (four bytes); the last
    // one tells, and Enter then takes that choice.
    const std::size_t town = 6;  // the title, four pages, the stranger
    ASSERT_GT(page.records.size(), town + 5);
    EXPECT_EQ(page.records[town + 4].menu.highlighted, 2);
    EXPECT_EQ(page.records[town + 4].spoken.news,
              std::vector<std::string>{"3 из 5: Пойду мочить врагов."});
    EXPECT_EQ(page.records[town + 5].spoken.news.front(), "Нужно сначала узнать, куда идти.");
}

TEST(PageConsole, KeysTheGameDoesNotKnowAreNotReadAsKeys) {
    // Shift, F1 and a letter of another alphabet give the game nothing, so
    // they make no frame; the title still waits for a real key.
    ScriptedPage page({u"Shift", u"F1", u"ä", u"Enter", u"Enter", u"Enter", u"Enter", u"Enter",
                       u"Enter", u"ArrowUp", u"Enter", u"Enter"});
    play(page);
    EXPECT_EQ(page.waits.size(), 12u);
    EXPECT_EQ(page.waits[3].at(31, 32, 42), page.waits[0].at(31, 32, 42)) << "still the title";
    EXPECT_EQ(page.waits[4].at(31, 32, 42), FIRST_LINE);
    EXPECT_TRUE(page.over);
}

}  // namespace
