# The game's texts are Windows-1251, like its data files; the sources stay
# readable UTF-8. g++ stores the plain literals in 1251 itself
# (-fexec-charset). clang cannot, so the web build (Emscripten) and the
# fuzz targets (libFuzzer), which set AE_TEXTS_FROM_COPIES, compile copies
# of src/ whose plain literals hold the same bytes as octal escapes
# (tools/web/cp1251_literals.py); code built on them (tests, tools) still
# includes the UTF-8 headers, as it does with g++.
if(EMSCRIPTEN)
  set(AE_TEXTS_FROM_COPIES ON)
endif()
if(AE_TEXTS_FROM_COPIES)
  find_package(Python3 REQUIRED COMPONENTS Interpreter)
  set(AE_CP1251_ROOT ${CMAKE_BINARY_DIR}/src-cp1251)
  file(GLOB_RECURSE AE_ALL_SOURCES CONFIGURE_DEPENDS ${AE_SOURCE_ROOT}/src/*.h
       ${AE_SOURCE_ROOT}/src/*.cpp)
  set(AE_CP1251_COPIES ${AE_ALL_SOURCES})
  list(TRANSFORM AE_CP1251_COPIES REPLACE "^${AE_SOURCE_ROOT}/src/" "${AE_CP1251_ROOT}/")
  set(AE_CP1251_SCRIPT ${AE_SOURCE_ROOT}/tools/web/cp1251_literals.py)
  add_custom_command(
    OUTPUT ${AE_CP1251_ROOT}.stamp
    BYPRODUCTS ${AE_CP1251_COPIES}
    COMMAND ${Python3_EXECUTABLE} ${AE_CP1251_SCRIPT} ${AE_SOURCE_ROOT}/src ${AE_CP1251_ROOT}
            ${AE_CP1251_ROOT}.stamp ${AE_ALL_SOURCES}
    DEPENDS ${AE_ALL_SOURCES} ${AE_CP1251_SCRIPT}
    COMMENT "Copying the sources with their texts in Windows-1251"
    VERBATIM)
  add_custom_target(ae_cp1251_sources DEPENDS ${AE_CP1251_ROOT}.stamp)
elseif(NOT CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  message(FATAL_ERROR "The game's texts need GCC's -fexec-charset=CP1251; use g++.")
endif()

# Makes target's own literals Windows-1251.
function(ae_texts_in_cp1251 target)
  if(AE_TEXTS_FROM_COPIES)
    get_target_property(sources ${target} SOURCES)
    list(TRANSFORM sources REPLACE "^${AE_SOURCE_ROOT}/src/" "${AE_CP1251_ROOT}/")
    set_property(TARGET ${target} PROPERTY SOURCES ${sources})
    target_include_directories(${target} BEFORE PRIVATE ${AE_CP1251_ROOT})
    add_dependencies(${target} ae_cp1251_sources)
  else()
    target_compile_options(${target} PRIVATE -finput-charset=UTF-8 -fexec-charset=CP1251)
  endif()
endfunction()
