#include "support/screen_text.h"

#include "platform/code_pages.h"
#include "platform/utf8.h"

std::string toUtf8(const std::u32string& text) {
    std::string out;
    for (char32_t ch : text) {
        appendUtf8(ch, out);
    }
    return out;
}

std::string cp1251(const std::string& utf8) {
    std::string out;
    for (char32_t ch : decodeUtf8(utf8)) {
        const int byte = encodeCp1251(ch);
        out += byte == NOT_IN_CP1251 ? '?' : static_cast<char>(byte);
    }
    return out;
}

std::string fromCp1251(const std::string& bytes) {
    std::u32string out;
    for (char byte : bytes) {
        out += decodeCp1251(static_cast<unsigned char>(byte));
    }
    return toUtf8(out);
}

std::string textAt(const Grid& grid, int column, int row, int length) {
    std::u32string out;
    for (int c = column; c < column + length && c < VirtualConsole::COLUMNS; ++c) {
        out += grid[row * VirtualConsole::COLUMNS + c].ch;
    }
    return toUtf8(out);
}

std::string rowText(const Grid& grid, int row) {
    std::string text = textAt(grid, 0, row, VirtualConsole::COLUMNS);
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

std::uint8_t colourAt(const Grid& grid, int column, int row) {
    return grid[row * VirtualConsole::COLUMNS + column].colour;
}

bool screenContains(const Grid& grid, const std::string& text) {
    for (int row = 0; row < VirtualConsole::ROWS; ++row) {
        if (rowText(grid, row).find(text) != std::string::npos) {
            return true;
        }
    }
    return false;
}

std::string dumpFrame(const Grid& grid) {
    std::string out;
    for (int row = 0; row < VirtualConsole::ROWS; ++row) {
        char number[8];
        std::snprintf(number, sizeof number, "%2d ", row);
        out += number + textAt(grid, 0, row, VirtualConsole::COLUMNS) + "|\n";
    }
    return out;
}

::testing::AssertionResult hasTextAt(const Grid& grid, int column, int row,
                                     const std::string& text) {
    const int length = static_cast<int>(decodeUtf8(text).size());
    const std::string actual = textAt(grid, column, row, length);
    if (actual == text) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << "at column " << column << ", row " << row << "\n  expected: \"" << text
           << "\"\n  actual:   \"" << actual << "\"\n"
           << dumpFrame(grid);
}

::testing::AssertionResult hasColouredTextAt(const Grid& grid, int column, int row,
                                             const std::string& text, std::uint8_t colour) {
    auto result = hasTextAt(grid, column, row, text);
    if (!result) {
        return result;
    }
    const int length = static_cast<int>(decodeUtf8(text).size());
    for (int c = column; c < column + length; ++c) {
        if (colourAt(grid, c, row) != colour) {
            return ::testing::AssertionFailure()
                   << "\"" << text << "\" at column " << column << ", row " << row << ": colour "
                   << int(colourAt(grid, c, row)) << " at column " << c << ", expected "
                   << int(colour);
        }
    }
    return ::testing::AssertionSuccess();
}

std::string textAt(const Grid& grid, Place place, int length) {
    return textAt(grid, place.column, place.row, length);
}

std::uint8_t colourAt(const Grid& grid, Place place) {
    return colourAt(grid, place.column, place.row);
}

::testing::AssertionResult hasTextAt(const Grid& grid, Place place, const std::string& text) {
    return hasTextAt(grid, place.column, place.row, text);
}

::testing::AssertionResult hasColouredTextAt(const Grid& grid, Place place, const std::string& text,
                                             std::uint8_t colour) {
    return hasColouredTextAt(grid, place.column, place.row, text, colour);
}
