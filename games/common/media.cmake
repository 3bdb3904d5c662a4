# Build-time rendering of a game's media: SVG art through rsvg-convert and bmpconv into
# DIBITMAP files, sound recipes through wavesynth, cursor pictures and icons through
# iconbuild, and the resource-script lines that name the results.

set(MERIDOLA_GAMES_DIR ${CMAKE_CURRENT_LIST_DIR}/..)
set(MERIDOLA_CURSORS 201 202 203 204 205)

# The native tools: targets of this build natively, files of the host build when the
# Windows build runs them.
function(meridola_tool var name dir)
  if(CMAKE_CROSSCOMPILING)
    set(${var} ${MERIDOLA_HOST_BUILD}/tools/${dir}/${name} PARENT_SCOPE)
  else()
    set(${var} ${name} PARENT_SCOPE)
  endif()
endfunction()

# meridola_game_media(GAME_DIR GAME_NUMBER OUT_DIR)
# Renders into OUT_DIR the game's own bitmaps and sounds as its description lists them, with
# the bitmaps every game shares, the cursors and the game's icons.
# Defines the custom target <GAME_DIR>_media and sets in the caller:
#   <GAME_DIR>_MEDIA_RC       resource-script lines for every medium that has a source
#   <GAME_DIR>_MEDIA_FILES    the files those lines name
#   <GAME_DIR>_SHEET_ARGS     ID=file.bmp arguments for the contact sheet
#   <GAME_DIR>_MISSING_ART    the art sources not drawn yet
function(meridola_game_media game_dir game out)
  find_program(RSVG_CONVERT rsvg-convert REQUIRED)
  find_package(Python3 COMPONENTS Interpreter REQUIRED)
  meridola_tool(bmpconv bmpconv bmpconv)
  meridola_tool(wavesynth wavesynth wavesynth)
  meridola_tool(iconbuild iconbuild iconbuild)
  file(MAKE_DIRECTORY ${out})
  include(${MERIDOLA_GAMES_DIR}/common/bitmaps.cmake)
  # The game's own bitmaps and sounds, as its description (and any it builds on) lists them.
  file(GLOB descriptions ${MERIDOLA_GAMES_DIR}/kv440*/game.json)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${descriptions})
  execute_process(
    COMMAND ${Python3_EXECUTABLE} ${MERIDOLA_GAMES_DIR}/../tools/gamedesc/gamedesc.py --cmake
            ${game} ${out}/media-list.cmake
    RESULT_VARIABLE listed)
  if(NOT listed EQUAL 0)
    message(FATAL_ERROR "the description of game No.${game} does not read")
  endif()
  include(${out}/media-list.cmake)
  set(MERIDOLA_GAME_ICONS 110 111)

  # A drawing that appears later must be picked up without a manual reconfigure.
  file(GLOB art_now CONFIGURE_DEPENDS
       ${MERIDOLA_GAMES_DIR}/common/art/*.svg ${MERIDOLA_GAMES_DIR}/${game_dir}/art/*.svg)

  set(rc "#pragma code_page(65001)\n")
  string(APPEND rc "// ${game_dir}: bitmaps, sounds, cursors and icons made at build time.\n")
  set(files)
  set(sheet)
  set(missing)
  foreach(entry IN LISTS MERIDOLA_COMMON_BITMAPS MERIDOLA_GAME_BITMAPS)
    separate_arguments(fields UNIX_COMMAND "${entry}")
    list(POP_FRONT fields id width height)
    if(EXISTS ${MERIDOLA_GAMES_DIR}/${game_dir}/art/${id}.svg)
      set(svg ${MERIDOLA_GAMES_DIR}/${game_dir}/art/${id}.svg)
    elseif(EXISTS ${MERIDOLA_GAMES_DIR}/common/art/${id}.svg)
      set(svg ${MERIDOLA_GAMES_DIR}/common/art/${id}.svg)
    else()
      list(APPEND missing ${id}.svg)
      continue()
    endif()
    add_custom_command(
      OUTPUT ${out}/${id}.bmp
      COMMAND ${RSVG_CONVERT} -o ${out}/${id}.png ${svg}
      COMMAND ${bmpconv} ${fields} --size ${width}x${height} ${out}/${id}.png ${out}/${id}.bmp
      DEPENDS ${svg} ${bmpconv}
      COMMENT "Bitmap ${id}"
      VERBATIM)
    list(APPEND files ${out}/${id}.bmp)
    list(APPEND sheet ${id}=${out}/${id}.bmp)
    string(APPEND rc "${id} DIBITMAP \"${out}/${id}.bmp\"\n")
  endforeach()

  foreach(id IN LISTS MERIDOLA_GAME_SOUNDS)
    set(recipe ${MERIDOLA_GAMES_DIR}/${game_dir}/sounds/${id}.txt)
    if(NOT EXISTS ${recipe})
      list(APPEND missing sounds/${id}.txt)
      continue()
    endif()
    add_custom_command(
      OUTPUT ${out}/${id}.wav
      COMMAND ${wavesynth} ${recipe} ${out}/${id}.wav
      DEPENDS ${recipe} ${wavesynth}
      COMMENT "Sound ${id}"
      VERBATIM)
    list(APPEND files ${out}/${id}.wav)
    string(APPEND rc "${id} WAVE \"${out}/${id}.wav\"\n")
  endforeach()

  foreach(id IN LISTS MERIDOLA_CURSORS)
    set(picture ${MERIDOLA_GAMES_DIR}/common/cursors/${id}.txt)
    add_custom_command(
      OUTPUT ${out}/${id}.cur
      COMMAND ${iconbuild} --cursor ${picture} ${out}/${id}.cur
      DEPENDS ${picture} ${iconbuild}
      COMMENT "Cursor ${id}"
      VERBATIM)
    list(APPEND files ${out}/${id}.cur)
    string(APPEND rc "${id} CURSOR \"${out}/${id}.cur\"\n")
  endforeach()

  foreach(id IN LISTS MERIDOLA_GAME_ICONS)
    # A picture can have a drawing of its own for the smallest size, where detail is lost.
    set(svg ${MERIDOLA_GAMES_DIR}/${game_dir}/icons/${id}.svg)
    set(svg16 ${MERIDOLA_GAMES_DIR}/${game_dir}/icons/${id}-16.svg)
    if(NOT EXISTS ${svg16})
      set(svg16 ${svg})
    endif()
    add_custom_command(
      OUTPUT ${out}/${id}.ico
      COMMAND ${RSVG_CONVERT} -w 16 -h 16 -o ${out}/${id}-16.png ${svg16}
      COMMAND ${RSVG_CONVERT} -w 32 -h 32 -o ${out}/${id}-32.png ${svg}
      COMMAND ${RSVG_CONVERT} -w 48 -h 48 -o ${out}/${id}-48.png ${svg}
      COMMAND ${iconbuild} --icon ${out}/${id}.ico
              ${out}/${id}-16.png ${out}/${id}-32.png ${out}/${id}-48.png
      DEPENDS ${svg} ${svg16} ${iconbuild}
      COMMENT "Icon ${id}"
      VERBATIM)
    list(APPEND files ${out}/${id}.ico)
    string(APPEND rc "${id} ICON \"${out}/${id}.ico\"\n")
  endforeach()

  if(CMAKE_CROSSCOMPILING)
    add_custom_target(${game_dir}_media ALL DEPENDS ${files})
  else()
    add_custom_target(${game_dir}_media DEPENDS ${files})
  endif()
  set(${game_dir}_MEDIA_RC "${rc}" PARENT_SCOPE)
  set(${game_dir}_MEDIA_FILES ${files} PARENT_SCOPE)
  set(${game_dir}_SHEET_ARGS ${sheet} PARENT_SCOPE)
  set(${game_dir}_MISSING_ART ${missing} PARENT_SCOPE)
endfunction()
