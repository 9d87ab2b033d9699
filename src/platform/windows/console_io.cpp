#include "platform/windows/console_io.h"

#include <cstdio>
#include <memory>
#include <utility>

#include "platform/port.h"
#include "platform/windows/console_window.h"
#include "platform/windows/ctrl_events.h"
#include "platform/windows/key_events.h"

namespace {

constexpr wchar_t GAME_TITLE[] = L"Древнее Зло";
// How often the size of a window showing the small-window notice is looked
// at again: not every console reports a window that grows.
constexpr DWORD NOTICE_RECHECK_MS = 250;

ConsoleIo* g_open = nullptr;

void restoreOpenConsole() {
    if (g_open != nullptr) {
        g_open->restore();
    }
}

}  // namespace

ConsoleIo::ConsoleIo(std::unique_ptr<ConsoleHandles> handles, ConsoleMode consoleMode)
    : plainLines_(consoleMode == ConsoleMode::PlainLines),
      handles_(std::move(handles)),
      input_(handles_->input()),
      output_(handles_->output()),
      saved_(input_, output_),
      screen_(output_) {
    DWORD mode = 0;
    inputIsConsole_ = GetConsoleMode(input_, &mode);
    outputIsConsole_ = measureConsoleWindow(output_).columns() > 0;
    if (!inputIsConsole_) {
        piped_.emplace(input_);
    }

    ConsoleLock lock;
    g_open = this;
    endGameOnCtrlEvents(restoreOpenConsole);
    if (inputIsConsole_) {
        // Single keys without echo; Ctrl-C stays a signal for the handler;
        // size changes arrive as events. Quick edit and insert stay as the
        // player set them.
        SetConsoleMode(input_,
                       ENABLE_PROCESSED_INPUT | ENABLE_WINDOW_INPUT | ENABLE_EXTENDED_FLAGS |
                           (saved_.inputMode() & (ENABLE_QUICK_EDIT_MODE | ENABLE_INSERT_MODE)));
        FlushConsoleInputBuffer(input_);  // keys typed before the game are not for it
    }
    if (plainLines_) {
        SetConsoleTitleW(GAME_TITLE);
        say(SCREEN_READER_KEYS);
    } else if (outputIsConsole_) {
        SetConsoleMode(output_, ENABLE_PROCESSED_OUTPUT | ENABLE_WRAP_AT_EOL_OUTPUT);
        CONSOLE_CURSOR_INFO cursor{};
        if (GetConsoleCursorInfo(output_, &cursor)) {
            cursor.bVisible = FALSE;
            SetConsoleCursorInfo(output_, &cursor);
        }
        SetConsoleTitleW(GAME_TITLE);
        if (!fitGameWindow(output_)) {
            saved_.restoreSize();  // a half-made change is worse than none
        }
    }
}

ConsoleIo::~ConsoleIo() {
    {
        ConsoleLock lock;
        restore();
        g_open = nullptr;
    }
    stopEndingOnCtrlEvents();
}

void ConsoleIo::restore() {
    if (restored_) {
        return;
    }
    restored_ = true;
    if (outputIsConsole_ && !plainLines_) {
        saved_.restoreSize();
        screen_.leave();
    }
    saved_.restoreSettings();
}

void ConsoleIo::present(const VirtualConsole& console) {
    ConsoleLock lock;
    if (plainLines_) {
        if (spoken_.show(console.record(), !keys_.empty())) {
            for (const std::string& line : console.record().spoken.news) {
                sayLocked(line);
            }
        }
        return;
    }
    lastFrame_ = console.grid();
    haveFrame_ = true;
    show();
}

void ConsoleIo::say(const std::string& line) {
    if (restored_) {
        return;
    }
    const std::string text = line + "\r\n";
    if (outputIsConsole_) {
        writeUtf8(output_, text);
        return;
    }
    DWORD written = 0;
    WriteFile(output_, text.data(), DWORD(text.size()), &written, nullptr);
}

void ConsoleIo::show() {
    if (plainLines_ || !outputIsConsole_ || !haveFrame_ || restored_) {
        return;
    }
    const ConsoleWindow window = measureConsoleWindow(output_);
    noticeShown_ = !window.holdsGame();
    if (noticeShown_) {
        screen_.showNotice(window);
    } else {
        screen_.show(lastFrame_, window);
    }
}

// Waits for console input events until one gives keys; false when the
// console can give no more.
bool ConsoleIo::readConsoleKeys() {
    while (keys_.empty()) {
        if (noticeShown_ && WaitForSingleObject(input_, NOTICE_RECHECK_MS) == WAIT_TIMEOUT) {
            ConsoleLock lock;
            show();
            continue;
        }
        INPUT_RECORD records[64];
        DWORD count = 0;
        if (!ReadConsoleInputW(input_, records, 64, &count)) {
            return false;
        }
        for (DWORD i = 0; i < count; ++i) {
            if (records[i].EventType == WINDOW_BUFFER_SIZE_EVENT) {
                ConsoleLock lock;
                screen_.invalidate();  // what the console shows after a resize is unknown
                show();
            } else if (records[i].EventType == KEY_EVENT && !noticeShown_) {
                keys_ += keyBytes(records[i].Event.KeyEvent);
            }
        }
    }
    return true;
}

int ConsoleIo::typedKey() {
    if (piped_) {
        return piped_->next();
    }
    if (keys_.empty() && !readConsoleKeys()) {
        return -1;
    }
    const auto key = static_cast<unsigned char>(keys_.front());
    keys_.erase(0, 1);
    return key;
}

void ConsoleIo::sayLocked(const std::string& line) {
    ConsoleLock lock;
    say(line);
}

int ConsoleIo::readKey() {
    const int key = plainLines_
                        ? spoken_.nextKey([this] { return typedKey(); },
                                          [this](const std::string& words) { sayLocked(words); })
                        : typedKey();
    return key < 0 ? END_OF_INPUT : key;
}

std::unique_ptr<GameIo> openPlayerConsole(ConsoleMode mode) {
    auto handles = std::make_unique<ConsoleHandles>();
    if (!handles->haveConsole()) {
        std::fputs(
            "ancient-evil: no console to play in; start it from a console window "
            "(Command Prompt, PowerShell or Windows Terminal) or by double-clicking it\n",
            stderr);
        return nullptr;
    }
    return std::make_unique<ConsoleIo>(std::move(handles), mode);
}
