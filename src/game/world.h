#pragma once

// The long-lived objects of one game, all of them program-wide (see
// core/game_state.h and screens/shared_screens.h): the sprite sheets, the
// catalogues, the hero and the two screens that others write into.
// createWorld loads them in the order the data files are read;
// destroyWorld undoes it backwards.
void createWorld();
void destroyWorld();
