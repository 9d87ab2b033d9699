#pragma once

// Where a platform's game keeps its data files, to be found after the
// working directory. Each backend gives its own.
enum class DataPlacement {
    // Beside the program and nowhere else: the Windows zip unpacks the data
    // with the exe, and a folder that merely lies beside the unpacked one
    // (an unrelated assets\ in Downloads) must never stand in for it.
    programFolder,
    // A POSIX tree: ../share/ancient-evil beside an installed game's bin/ or
    // games/, the program's own folder in an unpacked archive, and, for a
    // program run from its build folder, the build tree's ../assets.
    posixTree,
};

DataPlacement dataPlacement();
