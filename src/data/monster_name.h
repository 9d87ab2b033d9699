#pragma once

#include "console/text_string.h"

// A monster's name in the forms the fight's sentences need. The name line
// of the sprite file may carry them separated by '|': the nominative, the
// accusative, the instrumental, and "ж" for a feminine name, as in
// "Болотная пиявка|болотную пиявку|болотной пиявкой|ж". A form that is
// missing or empty is the nominative; a name is masculine unless marked
// feminine. Spaces next to a '|' belong to no form, and fields after the
// fourth are ignored. A line without '|' is the nominative exactly as
// written, so a file of plain names reads as it always has.
struct MonsterName {
    TextString nominative;
    TextString accusative;
    TextString instrumental;
    bool feminine = false;
    // The line gave the instrumental itself, rather than it falling back to
    // the nominative.
    bool instrumentalGiven = false;
};

// The forms of one name line, which the sprite reader has already cut to
// its longest name; never longer than the line itself.
MonsterName parseMonsterName(const TextString& line);
