#pragma once

#include <string>
#include <vector>

// The cursor moves the byte floor counts, on the 80x49 frame: the cheapest
// sequence of at most three of CR, line feeds (only from column 0, as the
// terminal driver may turn LF into CR LF), backspaces, CUU, CUD, CUF, CUB,
// CNL and CPL (CSI n A/B/C/D/E/F), CHA (CSI n G), VPA (CSI n d) and CUP
// (CSI row;column H), every number left out where it is 1. From an unknown
// place (after a character in the last column) only CUP goes anywhere. It
// works the cost out by trying every sequence, not by formula, so that it
// checks the presenter's own choice of moves rather than repeating it.
class FloorMoves {
  public:
    static constexpr int LOST = -1;  // a column: the cursor's place is unknown

    FloorMoves();
    int cost(int fromColumn, int fromRow, int toColumn, int toRow);
    void append(int fromColumn, int fromRow, int toColumn, int toRow, std::string& out);

  private:
    int search(int fromColumn, int fromRow, int toColumn, int toRow, std::string* out) const;

    std::vector<signed char> known_;  // bytes by (from, to); -1 until worked out
};
