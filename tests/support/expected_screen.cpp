#include "support/expected_screen.h"

#include <sstream>
#include <vector>

namespace {

constexpr char HEX[] = "0123456789abcdef";

using Rows = std::vector<std::u32string>;

// The rows of a written screen, without their closing '|'; empty when the
// writing is not 49 rows of 80 characters each closed by '|'.
Rows parse(const char* written, std::string& problem) {
    std::string text(written);
    if (!text.empty() && text.front() == '\n') {
        text.erase(0, 1);
    }
    if (!text.empty() && text.back() == '\n') {
        text.pop_back();
    }
    Rows rows;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        const std::u32string row = decodeUtf8(line);
        if (row.size() != COLUMNS + 1 || row.back() != U'|') {
            problem = "expected row " + std::to_string(rows.size()) +
                      " is not 80 characters and '|': \"" + line + "\"";
            return {};
        }
        rows.push_back(row.substr(0, COLUMNS));
    }
    if (rows.size() != ROWS) {
        problem = "the expected screen has " + std::to_string(rows.size()) + " rows, not 49";
        return {};
    }
    return rows;
}

Rows textRows(const Grid& grid) {
    Rows rows(ROWS);
    for (int row = 0; row < ROWS; ++row) {
        for (int column = 0; column < COLUMNS; ++column) {
            rows[row] += grid[row * COLUMNS + column].ch;
        }
    }
    return rows;
}

Rows colourRows(const Grid& grid) {
    Rows rows(ROWS);
    for (int row = 0; row < ROWS; ++row) {
        for (int column = 0; column < COLUMNS; ++column) {
            const VirtualConsole::Cell& cell = grid[row * COLUMNS + column];
            rows[row] += cell.ch == U' ' ? U' ' : char32_t(HEX[cell.colour & 0x0F]);
        }
    }
    return rows;
}

// The expected rows next to the actual ones, the differences marked.
std::string sideBySide(const char* what, const Rows& expected, const Rows& actual) {
    std::string out = std::string("expected ") + what + ":\n";
    for (int row = 0; row < ROWS; ++row) {
        out += (expected[row] == actual[row] ? "   " : " > ") + toUtf8(expected[row]) + "|\n";
    }
    out += std::string("actual ") + what + ":\n";
    for (int row = 0; row < ROWS; ++row) {
        if (expected[row] == actual[row]) {
            out += "   " + toUtf8(actual[row]) + "|\n";
            continue;
        }
        std::string marks;
        for (int column = 0; column < COLUMNS; ++column) {
            marks += expected[row][column] == actual[row][column] ? ' ' : '^';
        }
        marks.erase(marks.find_last_not_of(' ') + 1);
        out +=
            " > " + toUtf8(actual[row]) + "|  row " + std::to_string(row) + "\n   " + marks + "\n";
    }
    return out;
}

std::string joined(const Rows& rows) {
    std::string out;
    for (const std::u32string& row : rows) {
        out += toUtf8(row) + "|\n";
    }
    return out;
}

}  // namespace

::testing::AssertionResult showsScreen(const Grid& grid, const ExpectedScreen& expected) {
    std::string problem;
    const Rows text = parse(expected.text, problem);
    const Rows colours = problem.empty() ? parse(expected.colours, problem) : Rows{};
    if (!problem.empty()) {
        return ::testing::AssertionFailure() << problem;
    }
    const Rows shownText = textRows(grid);
    if (shownText != text) {
        return ::testing::AssertionFailure() << sideBySide("text", text, shownText);
    }
    // Only the colours of what is written matter: a blank on black is black.
    const Rows shownColours = colourRows(grid);
    if (shownColours != colours) {
        return ::testing::AssertionFailure()
               << sideBySide("colours", colours, shownColours) << "on the screen:\n"
               << joined(shownText);
    }
    return ::testing::AssertionSuccess();
}

std::string screenText(const Grid& grid) {
    return joined(textRows(grid));
}

std::string screenColours(const Grid& grid) {
    return joined(colourRows(grid));
}
