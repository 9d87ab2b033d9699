// The real page: the game's side of what the page's script gives the
// module as Module.page (web/game.js): showFrame(rows, record), say(words),
// nextKey() (a promise of the next key's name) and gameOver(). The module waits for a key with
// Asyncify, so the page stays responsive while the game is paused in its
// key read.
#include <emscripten.h>

#include <memory>

#include "platform/port.h"
#include "platform/web/frame_json.h"
#include "platform/web/page.h"
#include "platform/web/page_console.h"

namespace {

constexpr int COLUMNS = VirtualConsole::COLUMNS;
// Longer than any key name a browser gives ("AudioVolumeDown").
constexpr int KEY_NAME_UNITS = 32;

// clang-format off
EM_JS(void, showPageFrame, (int count, const int* rows, const char16_t* text,
                            const unsigned char* colours, int columns, const char* record), {
    var shown = [];
    for (var i = 0; i < count; i++) {
        var start = (text >> 1) + i * columns;
        shown.push({
            row: HEAP32[(rows >> 2) + i],
            text: String.fromCharCode.apply(null, HEAPU16.subarray(start, start + columns)),
            colours: HEAPU8.slice(colours + i * columns, colours + (i + 1) * columns)
        });
    }
    Module["page"]["showFrame"](shown, JSON.parse(UTF8ToString(record)));
});

EM_JS(void, sayOnPage, (const char* words), {
    Module["page"]["say"](UTF8ToString(words));
});

// The next key's name as UTF-16, cut at units - 1; its full length.
EM_ASYNC_JS(int, nextPageKey, (char16_t* name, int units), {
    var key = String(await Module["page"]["nextKey"]());
    stringToUTF16(key, name, units * 2);
    return key.length;
});

EM_JS(void, endPageGame, (), {
    Module["page"]["gameOver"]();
});
// clang-format on

class BrowserPage : public Page {
  public:
    void showFrame(const RowUpdate& update, const FrameRecord& record) override {
        showPageFrame(static_cast<int>(update.rows.size()), update.rows.data(), update.text.data(),
                      update.colours.data(), COLUMNS, frameJson(record).c_str());
    }

    void say(const std::string& words) override { sayOnPage(words.c_str()); }

    std::u16string nextKey() override {
        char16_t name[KEY_NAME_UNITS] = {};
        const int length = nextPageKey(name, KEY_NAME_UNITS);
        // A name that did not fit is no key the game knows.
        return length < KEY_NAME_UNITS ? std::u16string(name, std::size_t(length)) : u"";
    }

    void gameOver() override { endPageGame(); }
};

BrowserPage g_page;

}  // namespace

// The page both shows the picture and says the record's sentences.
std::unique_ptr<GameIo> openPlayerConsole(ConsoleMode) {
    return std::make_unique<PageConsole>(g_page);
}
