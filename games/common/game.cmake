# meridola_game(N): game No.N of the family from its folder games/kv440N/ (description, art,
# sounds, icons, help). In the Windows build: the resource object, the program Kv440N.exe, its
# resource check and its help file; natively: the game's contact sheet and help check. The built games are listed in the global
# property MERIDOLA_GAMES, which the end-to-end runs and the help read.

function(meridola_game n)
  set(dir kv440${n})
  set(bin ${CMAKE_CURRENT_BINARY_DIR}/${dir})
  file(MAKE_DIRECTORY ${bin})
  meridola_game_media(${dir} ${n} ${bin}/media)
  set_property(GLOBAL APPEND PROPERTY MERIDOLA_GAMES ${n})
  set_property(GLOBAL PROPERTY MERIDOLA_MISSING_ART_${n} "${${dir}_MISSING_ART}")
  if(${dir}_MISSING_ART)
    string(REPLACE ";" " " missing "${${dir}_MISSING_ART}")
    message(STATUS "game No.${n}: sources not drawn yet: ${missing}")
  endif()

  if(NOT CMAKE_CROSSCOMPILING)
    add_custom_target(contact_sheet_${dir}
      COMMAND contactsheet ${bin}/contact-sheet.png ${${dir}_SHEET_ARGS}
      DEPENDS ${dir}_media contactsheet
      COMMENT "Contact sheet of game No.${n}: ${bin}/contact-sheet.png"
      VERBATIM)
    meridola_game_help(${dir} ${n} ${bin})
    # The artist's check of the game's face: every look cut from the face fits its place. A
    # game built on another's description is checked by its base's script, told which game.
    set(art_check ${MERIDOLA_GAMES_DIR}/${dir}/art/src/check_face.py)
    set(art_check_args)
    if(NOT EXISTS ${art_check})
      file(READ ${MERIDOLA_GAMES_DIR}/${dir}/game.json description)
      string(JSON base ERROR_VARIABLE no_base GET "${description}" base)
      if(NOT no_base)
        set(art_check ${MERIDOLA_GAMES_DIR}/kv440${base}/art/src/check_face.py)
        set(art_check_args ${n})
      endif()
    endif()
    if(EXISTS ${art_check})
      find_package(Python3 COMPONENTS Interpreter REQUIRED)
      add_test(NAME art_check_${dir}
               COMMAND ${CMAKE_COMMAND} -E env ART_PREVIEW=${bin}/art-check
                       BMPCONV=$<TARGET_FILE:bmpconv> ${Python3_EXECUTABLE} -B ${art_check} ${art_check_args})
      file(MAKE_DIRECTORY ${bin}/art-check)
    endif()
    return()
  endif()

  # The resource script: the shared templates around the game's string table and media.
  set(gen ${bin}/generated)
  file(MAKE_DIRECTORY ${gen})
  set(rcgen ${MERIDOLA_HOST_BUILD}/tools/rcgen/rcgen)
  add_custom_command(
    OUTPUT ${gen}/strings.rc ${gen}/game_macros.rch
    COMMAND ${rcgen} strings ${n} ${gen}/strings.rc
    COMMAND ${rcgen} macros ${n} ${gen}/game_macros.rch
    DEPENDS ${rcgen}
    COMMENT "String table of game No.${n}"
    VERBATIM)
  file(GENERATE OUTPUT ${gen}/media.rc CONTENT "${${dir}_MEDIA_RC}")
  add_custom_target(${dir}_generated_rc DEPENDS ${gen}/strings.rc ${gen}/game_macros.rch)
  file(GLOB shared_scripts ${MERIDOLA_GAMES_DIR}/common/*.rc)
  # One copy of the template per game, so each object has its own include path.
  configure_file(${MERIDOLA_GAMES_DIR}/common/game.rc ${gen}/${dir}.rc COPYONLY)
  add_library(${dir}_resources OBJECT ${gen}/${dir}.rc)
  target_include_directories(${dir}_resources PRIVATE ${gen} ${MERIDOLA_GAMES_DIR}/common)
  set_source_files_properties(${gen}/${dir}.rc PROPERTIES OBJECT_DEPENDS
    "${${dir}_MEDIA_FILES};${gen}/strings.rc;${gen}/game_macros.rch;${gen}/media.rc;${shared_scripts}")
  add_dependencies(${dir}_resources ${dir}_media ${dir}_generated_rc)

  # The program: the shell, the drawing and sound code and the core around the resources,
  # statically linked so it needs nothing but the system's own libraries.
  add_executable(Kv440${n} WIN32 ${MERIDOLA_GAMES_DIR}/common/game_main.cpp)
  set_target_properties(Kv440${n} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${bin})
  target_compile_definitions(Kv440${n} PRIVATE MERIDOLA_GAME=${n})
  target_link_libraries(Kv440${n} PRIVATE meridola_shell_win32 meridola_presentation
                        ${dir}_resources winmm gdi32)
  target_link_options(Kv440${n} PRIVATE -static -mwindows)

  # The resource check: every id the game loads, run under Wine by ctest.
  set(check ${MERIDOLA_GAMES_DIR}/rescheck)
  add_executable(rescheck_${dir} ${check}/check_log.cpp ${check}/resource_checks.cpp
                                 ${check}/game_check.cpp)
  set_target_properties(rescheck_${dir} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${bin})
  target_compile_definitions(rescheck_${dir} PRIVATE MERIDOLA_GAME=${n})
  target_link_libraries(rescheck_${dir} PRIVATE ${dir}_resources meridola_core)
  target_link_options(rescheck_${dir} PRIVATE -static)
  if(${dir}_MISSING_ART)
    message(STATUS "resource check of game No.${n} not registered until its art is drawn")
  elseif(WINE_COMMAND)
    add_test(NAME resources_${dir}
             COMMAND sh ${MERIDOLA_WINE_TOOLS}/run-wine ${MERIDOLA_WINE_PREFIX}
                     $<TARGET_FILE:rescheck_${dir}>)
    set_tests_properties(resources_${dir} PROPERTIES FIXTURES_REQUIRED wine TIMEOUT 300)
  endif()

  # Its help file Kv440N.chm beside the program.
  meridola_game_help(${dir} ${n} ${bin})
endfunction()
