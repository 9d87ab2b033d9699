#pragma once

#include <string>

// Why something the program wrote never arrived (a full disk, a closed
// pipe, a terminal gone), as its line on standard error says it after the
// program's name: "cannot write the game's screen: No space left on
// device". `what` names the thing; `error` is the errno of the failed write.
std::string cannotWrite(const char* what, int error);
