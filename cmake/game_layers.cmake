# The game's layers, lowest first. Each is a folder of src/ and a static
# library that may use only the layers below it (docs/architecture.md):
#
#   platform  the virtual console, code pages, key decoder, rolls, glyphs
#   xterm     bytes for an xterm-compatible terminal (src/platform/xterm)
#   console   printAt, writeRaw, boxes, TextString
#   data      data files, sprite sheets, catalogues
#   core      hero, menu and screen base, quest rules, dice, keys
#   screens   one class per screen
#   game      world creation, the frame loop, the command line
#
# The backend (src/platform/posix, windows or web) implements port.h and is
# linked only into programs. The game and the fuzz targets both take their
# sources from here, so a new file joins both by being in its folder.
set(AE_LAYERS platform xterm console data core screens game)
set(AE_LAYER_FOLDER_platform src/platform)
set(AE_LAYER_FOLDER_xterm src/platform/xterm)
set(AE_LAYER_FOLDER_console src/console)
set(AE_LAYER_FOLDER_data src/data)
set(AE_LAYER_FOLDER_core src/core)
set(AE_LAYER_FOLDER_screens src/screens)
set(AE_LAYER_FOLDER_game src/game)
# What each layer links directly; the rest comes through them.
set(AE_LAYER_USES_platform)
set(AE_LAYER_USES_xterm platform)
set(AE_LAYER_USES_console platform)
set(AE_LAYER_USES_data console)
set(AE_LAYER_USES_core data)
set(AE_LAYER_USES_screens core)
set(AE_LAYER_USES_game screens)

get_filename_component(AE_SOURCE_ROOT ${CMAKE_CURRENT_LIST_DIR}/.. ABSOLUTE)

# The sources of one layer (or of a backend folder under src/platform).
function(ae_layer_sources layer out)
  if(DEFINED AE_LAYER_FOLDER_${layer})
    set(folder ${AE_LAYER_FOLDER_${layer}})
  else()
    set(folder src/platform/${layer})
  endif()
  file(GLOB sources CONFIGURE_DEPENDS ${AE_SOURCE_ROOT}/${folder}/*.cpp)
  set(${out} ${sources} PARENT_SCOPE)
endfunction()
