# A game's help file Kv440N.chm, built beside its program from the shared pages
# (games/common/help) and the game's own (games/<game>/help), with the pay table and the symbol
# pictures made from the game's machine model and its reel bitmap 600, and its checks.
#
#   meridola_game_help(GAME_DIR GAME_NUMBER BINARY_DIR)
#
# meridola_game() calls it after the game's media (in BINARY_DIR/media) and program. Until the game's 600.svg is drawn the
# help is built without symbol pictures. Defines the target <GAME_DIR>_help and sets
# <GAME_DIR>_HELP_FILE in the caller. Registers the tests help_<GAME_DIR> (the compiled file
# read by an independent reader) and, in the Windows build, help_program_<GAME_DIR> (the
# program names that file) and help_window_<GAME_DIR> (F1 and the help menu open it under Wine).

set(MERIDOLA_HELP_SOURCE_DIR ${CMAKE_CURRENT_LIST_DIR}/help)
set(MERIDOLA_HELP_CHECK_DIR ${CMAKE_CURRENT_LIST_DIR}/help_check)

# The Windows program that opens a game's help as a player does (one for every game, in
# <build>/games), and the test of the release installer that packs every game built.
function(meridola_help_window_check)
  add_executable(help_window_check ${MERIDOLA_HELP_CHECK_DIR}/help_window_check.cpp
                 ${MERIDOLA_HELP_CHECK_DIR}/screen_picture.cpp
                 ${MERIDOLA_GAMES_DIR}/rescheck/check_log.cpp)
  target_include_directories(help_window_check PRIVATE ${PROJECT_SOURCE_DIR})
  target_compile_options(help_window_check PRIVATE -municode)
  target_link_options(help_window_check PRIVATE -static -municode)
  target_link_libraries(help_window_check PRIVATE gdi32)
  set_target_properties(help_window_check PROPERTIES
                        RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/games)
  find_program(MAKENSIS_COMMAND makensis)
  if(WINE_COMMAND AND MAKENSIS_COMMAND)
    add_test(NAME release_installer
             COMMAND sh ${PROJECT_SOURCE_DIR}/tools/release/test-release ${PROJECT_BINARY_DIR}
                     ${PROJECT_BINARY_DIR}/release-test ${PROJECT_BINARY_DIR}/release-test-prefix
                     $<TARGET_FILE:help_window_check>)
    set_tests_properties(release_installer PROPERTIES TIMEOUT 600)
  else()
    message(STATUS "release installer test not registered: wine or makensis is missing")
  endif()
endfunction()

function(meridola_game_help game_dir game bin)
  find_program(CHMCMD_COMMAND chmcmd)
  if(NOT CHMCMD_COMMAND)
    message(STATUS "${game_dir}: chmcmd is missing (fp-utils); no help file")
    return()
  endif()
  # The native tools run as arguments of a script: file paths in both builds.
  if(CMAKE_CROSSCOMPILING)
    set(helpgen ${MERIDOLA_HOST_BUILD}/tools/helpgen/helpgen)
    set(helpcheck ${MERIDOLA_HOST_BUILD}/tools/helpcheck/helpcheck)
    set(helpgen_dependency ${helpgen})
  else()
    set(helpgen $<TARGET_FILE:helpgen>)
    set(helpcheck $<TARGET_FILE:helpcheck>)
    set(helpgen_dependency helpgen)
  endif()
  set(tools ${PROJECT_SOURCE_DIR}/tools)
  set(own ${MERIDOLA_GAMES_DIR}/${game_dir}/help)
  set(chm ${bin}/Kv440${game}.chm)
  file(GLOB sources CONFIGURE_DEPENDS ${MERIDOLA_HELP_SOURCE_DIR}/* ${own}/*)

  # The symbol pictures come from the reel bitmap once the game's artwork has it.
  set(bitmap -)
  set(bitmap_file)
  if(NOT "600.svg" IN_LIST ${game_dir}_MISSING_ART)
    set(bitmap ${bin}/media/600.bmp)
    set(bitmap_file ${bitmap})
  else()
    message(STATUS "${game_dir}: help without symbol pictures until art/600.svg is drawn")
  endif()

  add_custom_command(
    OUTPUT ${chm}
    COMMAND sh ${tools}/helpgen/build-help ${helpgen} ${game} ${MERIDOLA_HELP_SOURCE_DIR} ${own}
            ${bitmap} ${bin}/help-pages ${chm}
    DEPENDS ${sources} ${bitmap_file} ${tools}/helpgen/build-help ${helpgen_dependency}
    COMMENT "Help file Kv440${game}.chm"
    VERBATIM)
  add_custom_target(${game_dir}_help ALL DEPENDS ${chm})
  set(${game_dir}_HELP_FILE ${chm} PARENT_SCOPE)

  add_test(NAME help_${game_dir}
           COMMAND sh ${tools}/helpcheck/check-chm ${helpcheck} ${game} ${chm})
  if(NOT CMAKE_CROSSCOMPILING OR NOT TARGET Kv440${game})
    return()
  endif()

  add_test(NAME help_program_${game_dir}
           COMMAND ${helpcheck} program $<TARGET_FILE:Kv440${game}> ${game})
  # The same check must notice a program that names another game's help.
  math(EXPR other "${game} % 7 + 1")
  add_test(NAME help_program_${game_dir}_other_game
           COMMAND ${helpcheck} program $<TARGET_FILE:Kv440${game}> ${other})
  set_tests_properties(help_program_${game_dir}_other_game PROPERTIES WILL_FAIL TRUE)

  if(NOT TARGET help_window_check)
    meridola_help_window_check()
  endif()
  if(WINE_COMMAND)
    add_test(NAME help_window_${game_dir}
             COMMAND sh ${MERIDOLA_HELP_CHECK_DIR}/run-help-window ${PROJECT_BINARY_DIR}/wineprefix
                     $<TARGET_FILE:help_window_check> $<TARGET_FILE:Kv440${game}>
                     ${bin}/help-window "MERIDOLA No.${game} Help")
    set_tests_properties(help_window_${game_dir} PROPERTIES FIXTURES_REQUIRED wine TIMEOUT 300)
  endif()
endfunction()
