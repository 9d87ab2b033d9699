#pragma once

#include <string>

// The cheapest bytes that take the terminal's cursor from one place of the
// frame to another (0-based column and row). It weighs an absolute move
// (CUP) against moves up or down (CUU, CUD, VPA, line feeds from column 0,
// CNL and CPL to the start of a row) followed by one along the row (CR,
// backspaces, CUF, CUB, CHA), every number left out where it is 1. A line
// feed is only sent from column 0: the terminal driver may turn it into
// CR LF. From an unknown place (column UNKNOWN) only CUP goes anywhere.
namespace cursor_moves {

constexpr int UNKNOWN = -1;

int cost(int fromColumn, int fromRow, int toColumn, int toRow);
void append(int fromColumn, int fromRow, int toColumn, int toRow, std::string& out);

// Bytes of "CSI n X" for a count, the count left out when it is 1.
int csiCost(int n);
void appendCsi(int n, char final, std::string& out);

}  // namespace cursor_moves
