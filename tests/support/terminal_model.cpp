#include "support/terminal_model.h"

#include <algorithm>

namespace {

std::string hexByte(unsigned char byte) {
    const char* digits = "0123456789ABCDEF";
    return std::string("0x") + digits[byte >> 4] + digits[byte & 15];
}

}  // namespace

TerminalModel::TerminalModel(int columns, int rows, Options options)
    : columns_(columns),
      rows_(rows),
      options_(options),
      cells_(std::size_t(columns * rows)),
      bottom_(rows - 1) {}

void TerminalModel::fill(char32_t ch, int foreground, int background) {
    std::fill(cells_.begin(), cells_.end(), Cell{ch, foreground, background});
}

bool TerminalModel::fail(const std::string& what, std::size_t at) {
    error_ = what + " at byte " + std::to_string(at);
    return false;
}

bool TerminalModel::drawing(std::size_t at) {
    if (options_.requireSynchronizedUpdate && !synchronized_) {
        return fail("drawing outside a synchronized update", at);
    }
    return true;
}

bool TerminalModel::cursorKnown(std::size_t at) {
    if (cursorLost_) {
        return fail("relies on where the cursor is after the last column", at);
    }
    return true;
}

void TerminalModel::moveTo(int column, int row) {
    column_ = std::clamp(column, 0, columns_ - 1);
    row_ = std::clamp(row, 0, rows_ - 1);
    wrapPending_ = false;
}

void TerminalModel::moveToRow(int column, int row) {
    if (origin_) {
        moveTo(column, std::clamp(row + top_, top_, bottom_));
    } else {
        moveTo(column, row);
    }
}

int TerminalModel::scrollBottom() const {
    return row_ <= bottom_ ? bottom_ : rows_ - 1;
}

void TerminalModel::erase(int from, int to) {
    for (int i = from; i < to; ++i) {
        cells_[std::size_t(i)] = Cell{U' ', DEFAULT_COLOUR, background_};
    }
}

bool TerminalModel::print(char32_t ch, std::size_t at) {
    if (!drawing(at) || !cursorKnown(at)) {
        return false;
    }
    if (insert_) {
        return fail("text written in insert mode (it pushes the row aside)", at);
    }
    if (lineDrawing_[shiftedOut_ ? 1 : 0] && ch >= 0x5F && ch <= 0x7E) {
        return fail("text written in the line-drawing set", at);
    }
    if (wrapPending_) {
        if (row_ == scrollBottom()) {
            return fail("text wrapped past the last row (it would scroll)", at);
        }
        column_ = 0;
        ++row_;
        wrapPending_ = false;
    }
    cells_[std::size_t(row_ * columns_ + column_)] = Cell{ch, foreground_, background_};
    if (column_ < columns_ - 1) {
        ++column_;
    } else if (autowrap_) {
        wrapPending_ = true;
        cursorLost_ = options_.cursorLostAtLastColumn;
    }
    return true;
}

bool TerminalModel::applyCsi(const std::string& bytes, std::size_t& i) {
    const std::size_t start = i;
    i += 2;  // ESC [
    const bool privateMode = i < bytes.size() && bytes[i] == '?';
    if (privateMode) {
        ++i;
    }
    std::vector<int> params;
    int value = -1;  // -1: left out
    for (;; ++i) {
        if (i >= bytes.size()) {
            return fail("unfinished escape sequence", start);
        }
        const char byte = bytes[i];
        if (byte >= '0' && byte <= '9') {
            value = (value < 0 ? 0 : value) * 10 + (byte - '0');
            if (value > 9999) {
                return fail("absurd parameter", start);
            }
        } else if (byte == ';') {
            params.push_back(value);
            value = -1;
        } else {
            break;
        }
    }
    params.push_back(value);
    const char final = bytes[i++];
    auto param = [&](std::size_t index, int fallback) {
        return index < params.size() && params[index] > 0 ? params[index] : fallback;
    };
    if (final == 'h' || final == 'l') {
        return applyMode(privateMode, params, final == 'h', start);
    }
    if (privateMode) {
        return fail("unknown private sequence", start);
    }
    if (final != 'm' && !drawing(start)) {
        return false;
    }
    // Colours, absolute moves and clearing the whole screen do not depend
    // on where the cursor is.
    const bool wholeScreen = final == 'J' && params.size() == 1 && params[0] == 2;
    if (final != 'm' && final != 'H' && final != 'f' && final != 'r' && !wholeScreen &&
        !cursorKnown(start)) {
        return false;
    }
    const int n = param(0, 1);
    switch (final) {
        case 'H':
        case 'f':
            if (params.size() > 2) {
                return fail("cursor position with more than two numbers", start);
            }
            moveToRow(param(1, 1) - 1, param(0, 1) - 1);
            cursorLost_ = false;
            return true;
        case 'r':
            // A scroll region (the whole screen when left out); the cursor
            // goes home.
            if (params.size() > 2 || param(0, 1) >= param(1, rows_) || param(1, rows_) > rows_) {
                return fail("unknown scroll region", start);
            }
            top_ = param(0, 1) - 1;
            bottom_ = param(1, rows_) - 1;
            moveToRow(0, 0);
            cursorLost_ = false;
            return true;
        case 'A':
            // Moves up and down stop at the scroll region's edges.
            moveTo(column_, row_ >= top_ ? std::max(row_ - n, top_) : row_ - n);
            return true;
        case 'B':
            moveTo(column_, row_ <= bottom_ ? std::min(row_ + n, bottom_) : row_ + n);
            return true;
        case 'C':
            moveTo(column_ + n, row_);
            return true;
        case 'D':
            moveTo(column_ - n, row_);
            return true;
        case 'G':
            moveTo(n - 1, row_);
            return true;
        case 'd':
            moveToRow(column_, n - 1);
            return true;
        case 'E':
            moveTo(0, row_ <= bottom_ ? std::min(row_ + n, bottom_) : row_ + n);
            return true;
        case 'F':
            moveTo(0, row_ >= top_ ? std::max(row_ - n, top_) : row_ - n);
            return true;
        case 'J':
        case 'K': {
            const int mode = params[0] < 0 ? 0 : params[0];
            const int here = row_ * columns_ + column_;
            const int lineStart = row_ * columns_;
            const int from = mode == 0 ? here : final == 'J' ? 0 : lineStart;
            const int to = mode == 1      ? here + 1
                           : final == 'J' ? columns_ * rows_
                                          : lineStart + columns_;
            if (params.size() != 1 || mode > 2) {
                return fail("unknown erase", start);
            }
            erase(from, to);
            wrapPending_ = false;
            return true;
        }
        case 'X': {
            const int here = row_ * columns_ + column_;
            erase(here, here + std::min(n, columns_ - column_));
            wrapPending_ = false;
            return true;
        }
        case 'm':
            for (int p : params) {
                p = p < 0 ? 0 : p;
                if (p == 0) {
                    foreground_ = background_ = DEFAULT_COLOUR;
                } else if (p >= 30 && p <= 37) {
                    foreground_ = p - 30;
                } else if (p >= 90 && p <= 97) {
                    foreground_ = p - 90 + 8;
                } else if (p == 39) {
                    foreground_ = DEFAULT_COLOUR;
                } else if (p >= 40 && p <= 47) {
                    background_ = p - 40;
                } else if (p >= 100 && p <= 107) {
                    background_ = p - 100 + 8;
                } else if (p == 49) {
                    background_ = DEFAULT_COLOUR;
                } else {
                    return fail("unknown SGR " + std::to_string(p), start);
                }
            }
            return true;
        default:
            return fail(std::string("unknown escape sequence ending in '") + final + "'", start);
    }
}

bool TerminalModel::applyMode(bool privateMode, const std::vector<int>& params, bool set,
                              std::size_t at) {
    if (params.size() != 1) {
        return fail("more than one mode at once", at);
    }
    const int mode = params[0];
    if (!privateMode && mode == 4) {
        insert_ = set;
    } else if (!privateMode) {
        return fail("unknown mode " + std::to_string(mode), at);
    } else if (mode == 2026) {
        synchronized_ = set;
    } else if (mode == 25) {
        cursorVisible_ = set;
    } else if (mode == 6) {
        origin_ = set;
        moveToRow(0, 0);  // the cursor goes home
        cursorLost_ = false;
    } else if (mode == 7) {
        autowrap_ = set;
    } else if (mode == 69 && !set) {
        // No left and right margins: they are never set here.
    } else {
        return fail("unknown private mode " + std::to_string(mode), at);
    }
    return true;
}

bool TerminalModel::applyEscape(const std::string& bytes, std::size_t& i) {
    // Only the designation of G0 or G1 as ASCII or as the line-drawing set.
    if (i + 2 < bytes.size() && (bytes[i + 1] == '(' || bytes[i + 1] == ')') &&
        (bytes[i + 2] == 'B' || bytes[i + 2] == '0')) {
        lineDrawing_[bytes[i + 1] == ')' ? 1 : 0] = bytes[i + 2] == '0';
        i += 3;
        return true;
    }
    return fail("escape sequence other than CSI", i);
}

bool TerminalModel::apply(const std::string& bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte == 0x1B) {
            const bool csi = i + 1 < bytes.size() && bytes[i + 1] == '[';
            if (!(csi ? applyCsi(bytes, i) : applyEscape(bytes, i))) {
                return false;
            }
            continue;
        }
        if (byte == 0x0E || byte == 0x0F) {  // SO, SI: G1 or G0 in use
            shiftedOut_ = byte == 0x0E;
            ++i;
            continue;
        }
        if (byte == '\r' || byte == '\n' || byte == '\b') {
            if (!drawing(i) || !cursorKnown(i)) {
                return false;
            }
            if (byte == '\r') {
                moveTo(0, row_);
            } else if (byte == '\b') {
                if (wrapPending_) {
                    return fail("backspace after the last column", i);
                }
                moveTo(column_ - 1, row_);
            } else if (row_ == scrollBottom()) {
                return fail("line feed on the last row (it would scroll)", i);
            } else {
                moveTo(options_.lineFeedReturns ? 0 : column_, row_ + 1);
            }
            ++i;
            continue;
        }
        if (byte < 0x20 || byte == 0x7F) {
            return fail("control character " + hexByte(byte), i);
        }
        // UTF-8: the lead byte says how many continuation bytes follow.
        int extra = 0;
        char32_t ch = byte;
        if (byte >= 0xC2 && byte <= 0xDF) {
            extra = 1;
            ch = byte & 0x1F;
        } else if (byte >= 0xE0 && byte <= 0xEF) {
            extra = 2;
            ch = byte & 0x0F;
        } else if (byte >= 0xF0 && byte <= 0xF4) {
            extra = 3;
            ch = byte & 0x07;
        } else if (byte >= 0x80) {
            return fail("malformed UTF-8 lead byte " + hexByte(byte), i);
        }
        const std::size_t at = i++;
        for (int k = 0; k < extra; ++k, ++i) {
            const auto next = i < bytes.size() ? static_cast<unsigned char>(bytes[i]) : 0;
            if ((next & 0xC0) != 0x80) {
                return fail("malformed UTF-8 sequence", at);
            }
            ch = (ch << 6) | (next & 0x3F);
        }
        const char32_t least[] = {0, 0x80, 0x800, 0x10000};
        if (ch < least[extra] || (ch >= 0xD800 && ch < 0xE000) || ch > 0x10FFFF) {
            return fail("malformed UTF-8 sequence", at);
        }
        if (ch >= 0x80 && ch < 0xA0) {
            return fail("C1 control character", at);
        }
        if (!print(ch, at)) {
            return false;
        }
    }
    return true;
}
