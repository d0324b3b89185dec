# SPDX-License-Identifier: GPL-3.0-or-later
# Helpers that keep the line between logic (standard C++ and Qt Core) and widgets (Qt Gui and
# Widgets).

# A logic library: standard C++ and Qt Core only. It links Qt6::Core and nothing above it, so an
# include of a Qt Gui or Qt Widgets header fails to compile; a dependency that brings Qt Gui in
# is refused at configure time.
function(tb_logic_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  foreach(dependency IN LISTS ARG_DEPENDS)
    if(dependency MATCHES "^Qt6::" AND NOT dependency STREQUAL "Qt6::Core")
      message(FATAL_ERROR "${name}: a logic library links no Qt module but Core (${dependency})")
    endif()
    if(dependency MATCHES "_ui$")
      message(FATAL_ERROR "${name}: a logic library depends on no widget library (${dependency})")
    endif()
  endforeach()
  add_library(${name} STATIC ${ARG_SOURCES})
  set_target_properties(${name} PROPERTIES AUTOMOC ON)
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC Qt6::Core ${ARG_DEPENDS})
endfunction()

# A widget library: thin Qt classes over the logic.
function(tb_widget_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  set_target_properties(${name} PROPERTIES AUTOMOC ON AUTORCC ON)
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC Qt6::Widgets Qt6::PrintSupport ${ARG_DEPENDS})
endfunction()

# A GoogleTest executable for logic code.
function(tb_gtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${ARG_DEPENDS} GTest::gtest GTest::gtest_main)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES TIMEOUT 120 LABELS logic)
endfunction()

# A QtTest executable for widgets, run on the offscreen platform.
function(tb_qtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  set_target_properties(${name} PROPERTIES AUTOMOC ON AUTORCC ON)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_compile_definitions(${name} PRIVATE TB_SNAPSHOT_DIR="${PROJECT_SOURCE_DIR}/tests/snapshots")
  target_link_libraries(${name} PRIVATE ${ARG_DEPENDS} Qt6::Test Qt6::Widgets)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES TIMEOUT 120 LABELS widgets
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;TB_SHOTS_DIR=${PROJECT_BINARY_DIR}/shots;FONTCONFIG_FILE=${PROJECT_SOURCE_DIR}/tests/support/fonts.conf")
endfunction()
