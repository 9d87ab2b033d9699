# The seven data files the game reads, all in assets/. The install, the
# packages and the command line's help take the list from here.
set(AE_DATA_FILES Title.txt NPC.txt SpriteStuff.txt SpriteWeapon.txt SpriteMonster.txt
                  DataWeapon.txt DataMonster.txt)
get_filename_component(AE_ASSETS ${CMAKE_CURRENT_LIST_DIR}/../assets ABSOLUTE)
list(TRANSFORM AE_DATA_FILES PREPEND ${AE_ASSETS}/ OUTPUT_VARIABLE AE_DATA_PATHS)
