#include "data/data_folders.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "data/data_file.h"
#include "platform/port.h"
#include "support/game_driver.h"
#include "support/screen_text.h"
#include "support/temp_dir.h"

namespace {

using Folders = std::vector<std::string>;

// Sets the data folders for one test and leaves none behind for the next.
class DataFoldersForTest {
  public:
    explicit DataFoldersForTest(Folders folders) { setDataFolders(std::move(folders)); }
    ~DataFoldersForTest() { setDataFolders({}); }
};

// Only a program in its build folder, which has CMake's cache, looks at
// ../assets; on Windows only the program's own folder counts.
TEST(DataFoldersBeside, AnInstalledGameAnUnpackedArchiveAndABuildTree) {
    const DataPlacement tree = DataPlacement::posixTree;
    EXPECT_EQ(dataFoldersBeside("/usr/games/ancient-evil", tree),
              (Folders{"/usr/games/../share/ancient-evil", "/usr/games"}));
    EXPECT_EQ(dataFoldersBeside("/ancient-evil", tree), (Folders{"/../share/ancient-evil", "/"}));
    TempDir build;
    build.write("CMakeCache.txt", "");
    const std::string program = build.file("ancient-evil"), parent = build.path() + "/..";
    EXPECT_EQ(dataFoldersBeside(program, tree),
              (Folders{parent + "/share/ancient-evil", parent + "/assets", build.path()}));
    EXPECT_EQ(dataFoldersBeside(program, DataPlacement::programFolder), Folders{build.path()});
}

#ifdef _WIN32
TEST(DataFoldersBeside, WindowsPathsAndDriveRoots) {
    EXPECT_EQ(dataFoldersBeside("C:\\Games\\Ancient Evil\\ancient-evil.exe", dataPlacement()),
              Folders{"C:\\Games\\Ancient Evil"});
    EXPECT_EQ(dataFoldersBeside("D:\\ancient-evil.exe", dataPlacement()), Folders{"D:\\"});
    EXPECT_EQ(dataFileCandidates("C:\\mods\\NPC.txt"), Folders{"C:\\mods\\NPC.txt"});
}
#endif

TEST(DataFoldersBeside, AnUnknownLocationGivesNoFolders) {
    EXPECT_TRUE(dataFoldersBeside("", DataPlacement::posixTree).empty());
    EXPECT_TRUE(dataFoldersBeside("ancient-evil", DataPlacement::programFolder).empty());
}

TEST(DataFileCandidates, TheWorkingDirectoryComesFirstAndAbsoluteNamesStayAsGiven) {
    EXPECT_EQ(dataFileCandidates("NPC.txt"), Folders{"NPC.txt"});
    const DataFoldersForTest folders({"/opt/ae/share", "/srv/ae/"});
    EXPECT_EQ(dataFileCandidates("NPC.txt"),
              (Folders{"NPC.txt", "/opt/ae/share/NPC.txt", "/srv/ae/NPC.txt"}));
    EXPECT_EQ(dataFileCandidates("/tmp/NPC.txt"), Folders{"/tmp/NPC.txt"});
}

// Three places that may each hold a file: the working directory and two
// data folders.
class DataSearch : public ::testing::Test {
  protected:
    TempDir work, installed, built;
    WorkingDirectory here{work.path()};
    DataFoldersForTest folders{{installed.path(), built.path()}};

    std::string textOf(const char* name) { return DataFile(name).text(); }
};

TEST_F(DataSearch, EachFileIsTakenFromTheFirstPlaceThatHasIt) {
    work.write("a.txt", "mod");
    installed.write("a.txt", "installed");
    built.write("a.txt", "built");
    EXPECT_EQ(textOf("a.txt"), "mod");
    work.remove("a.txt");
    EXPECT_EQ(textOf("a.txt"), "installed");
    installed.remove("a.txt");
    EXPECT_EQ(textOf("a.txt"), "built");
    built.remove("a.txt");
    EXPECT_FALSE(DataFile("a.txt").isOpen());
}

// The whole game from an empty working directory: the data comes from the
// folder, a modded title in the working directory wins, and a file found
// nowhere is named as the game names it, without a folder.
TEST(DataFromAnywhere, TheGamePlaysFromAFolderWithoutDataAndModsStillWin) {
    TempDir empty;
    const DataFoldersForTest folders({assetsDir()});
    const GameResult game = playGame("t" + ENTER, 1, nullptr, empty.path());
    ASSERT_GE(game.frames.size(), 2u);
    EXPECT_FALSE(screenContains(game.frames[0].grid, "not found"))
        << dumpFrame(game.frames[0].grid);
    EXPECT_TRUE(hasTextAt(game.frames[1].grid, messageLine(0),
                          " Джек Белибье уволился с работы в полиции,"));

    TempDir modded;
    modded.write("Title.txt", cp1251("Мой собственный титул"));
    const GameResult mod = playGame("", 1, nullptr, modded.path());
    ASSERT_GE(mod.frames.size(), 1u);
    EXPECT_EQ(rowText(mod.frames[0].grid, 0), "Мой собственный титул");
}

TEST(DataFromAnywhere, AFileFoundNowhereIsNamedPlainly) {
    TempDir data;
    data.copyAssets();
    data.remove("NPC.txt");
    TempDir empty;
    const DataFoldersForTest folders({data.path()});
    const GameResult game = playGame("t", 1, nullptr, empty.path());
    ASSERT_GE(game.frames.size(), 2u);
    EXPECT_TRUE(screenContains(game.frames[1].grid, "File NPC.txt not found"))
        << dumpFrame(game.frames[1].grid);
    EXPECT_FALSE(screenContains(game.frames[1].grid, data.path()));
}

TEST(ExecutablePath, NamesTheRunningProgramsFile) {
    const std::string path = executablePath();
    ASSERT_FALSE(path.empty());
    const std::string name = path.substr(path.find_last_of("/\\") + 1);
    EXPECT_EQ(name.rfind("ae_tests", 0), 0u) << path;  // ae_tests.exe on Windows
    EXPECT_FALSE(dataFoldersBeside(path, dataPlacement()).empty()) << path;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    EXPECT_NE(file, nullptr) << path;
    if (file != nullptr) {
        std::fclose(file);
    }
}

}  // namespace
