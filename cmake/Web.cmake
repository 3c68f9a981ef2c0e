# The web build (emcmake): the same game as a page. SDL2 and SDL2_mixer come from the archives
# scripts/web-deps.sh builds for the web, linked by path: emcc turns -lSDL2_mixer into its own
# port, which downloads. Threads are on: the game thread stays a thread, which needs a page that
# is cross-origin isolated.
set(TAVIMORA_WEB_DEPS "" CACHE PATH "Install prefix of SDL2 and SDL2_mixer built for the web")
set(TAVIMORA_WEB_CONTENT "" CACHE PATH "The game content to package (a desktop build's game/content)")
set(TAVIMORA_WEB_OUT "${CMAKE_BINARY_DIR}/page" CACHE PATH "Where the page and its files go (what a host serves)")
set(TAVIMORA_WEB_TEST_OUT "${CMAKE_BINARY_DIR}/page-test" CACHE PATH "Where the test programs' pages go")
set(TAVIMORA_WEB_LANGUAGES "" CACHE PATH
    "The languages' folders, fetched while the game runs (a desktop build's game/content/art)")
set(TAVIMORA_WEB_ICONS "" CACHE PATH "The web app's icons (tavimora_contentgen --web-icons)")
if(NOT EXISTS "${TAVIMORA_WEB_ICONS}/512.png")
  message(FATAL_ERROR "TAVIMORA_WEB_ICONS must hold the web app's icons (tavimora_contentgen --web-icons)")
endif()
if(NOT EXISTS "${TAVIMORA_WEB_DEPS}/lib/libSDL2.a" OR NOT EXISTS "${TAVIMORA_WEB_DEPS}/lib/libSDL2_mixer.a")
  message(FATAL_ERROR "TAVIMORA_WEB_DEPS must hold SDL2 and SDL2_mixer built for the web (scripts/web-deps.sh)")
endif()

add_compile_options(-pthread)
add_link_options(-pthread)

add_library(PkgConfig::SDL2 INTERFACE IMPORTED)
target_include_directories(PkgConfig::SDL2 INTERFACE ${TAVIMORA_WEB_DEPS}/include/SDL2)
target_link_libraries(PkgConfig::SDL2 INTERFACE ${TAVIMORA_WEB_DEPS}/lib/libSDL2.a)
add_library(PkgConfig::SDL2_MIXER INTERFACE IMPORTED)
target_link_libraries(PkgConfig::SDL2_MIXER INTERFACE ${TAVIMORA_WEB_DEPS}/lib/libSDL2_mixer.a
                      PkgConfig::SDL2)

# tv_web_program(target folder [link options]): the program as a script and its wasm in that
# folder, with the content packaged into one file loaded before the program starts.
function(tv_web_program target out)
  # SDL's web audio and events call these; named in a file, since a '$' on the command line
  # would reach the shell.
  set(funcs ${CMAKE_BINARY_DIR}/web-library-functions.json)
  file(WRITE ${funcs} "[\"$autoResumeAudioContext\", \"$dynCall\"]\n")
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${out})
  target_link_options(${target} PRIVATE
    -sUSE_SDL=0
    # A fixed size: growing shared memory slows every access from the page's scripts.
    -sINITIAL_MEMORY=192MB -sALLOW_MEMORY_GROWTH=0
    # The workers of the game thread and of the settings' writer are made before the program
    # starts; a worker made later would only start once the browser's main thread is idle.
    -sPTHREAD_POOL_SIZE=2
    -sENVIRONMENT=web,worker
    -lidbfs.js
    # The JavaScript of the platform's web side, which its C++ calls.
    "SHELL:--js-library ${PROJECT_SOURCE_DIR}/src/platform/web/library_tavimora.js"
    "-sDEFAULT_LIBRARY_FUNCS_TO_INCLUDE=@${funcs}"
    "-sEXPORTED_RUNTIME_METHODS=[\"FS\"]"
    # The page's tests read the presented frame (platform/web/web_page.cpp).
    "-sEXPORTED_FUNCTIONS=[\"_main\",\"_tv_web_presented_frame\"]"
    --preload-file "${TAVIMORA_WEB_CONTENT}@/content"
    "SHELL:--exclude-file '*temp.pcx'" "SHELL:--exclude-file '*.made'" ${ARGN})
  set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${TAVIMORA_WEB_CONTENT}/art/content.pak
               ${PROJECT_SOURCE_DIR}/src/platform/web/library_tavimora.js)
endfunction()

# tv_web_page(target): the game's page in TAVIMORA_WEB_OUT, as a host serves it: the page, the
# program, the web app's manifest and icons, and the service worker that keeps them for offline
# play (sw.js, remade whenever one of them changes).
function(tv_web_page target)
  set(out ${TAVIMORA_WEB_OUT})
  # The music is not packaged: the game fetches each track when it first plays it.
  tv_web_program(${target} ${out} "SHELL:--exclude-file '*.mp3'")
  set(pageFiles index.html page.js page.css manifest.webmanifest)
  foreach(file IN LISTS pageFiles)
    configure_file(${PROJECT_SOURCE_DIR}/dist/web/${file} ${out}/${file} COPYONLY)
  endforeach()
  file(GLOB icons RELATIVE ${TAVIMORA_WEB_ICONS} CONFIGURE_DEPENDS ${TAVIMORA_WEB_ICONS}/*.png)
  foreach(icon IN LISTS icons)
    configure_file(${TAVIMORA_WEB_ICONS}/${icon} ${out}/icons/${icon} COPYONLY)
    list(APPEND pageFiles icons/${icon})
  endforeach()
  # The music tracks and each language's files, at the paths the program's file system gives
  # them: the game fetches them once it runs (platform/web/files_fetch_web.cpp and the music in
  # library_tavimora.js), not before its first frame.
  set(later "")
  file(GLOB tracks RELATIVE ${TAVIMORA_WEB_CONTENT} CONFIGURE_DEPENDS ${TAVIMORA_WEB_CONTENT}/sound/*.mp3)
  foreach(file IN LISTS tracks)
    configure_file(${TAVIMORA_WEB_CONTENT}/${file} ${out}/content/${file} COPYONLY)
    list(APPEND later content/${file})
  endforeach()
  if(TAVIMORA_WEB_LANGUAGES)
    file(GLOB languageFiles RELATIVE ${TAVIMORA_WEB_LANGUAGES} CONFIGURE_DEPENDS
         ${TAVIMORA_WEB_LANGUAGES}/*/content.idx ${TAVIMORA_WEB_LANGUAGES}/*/content.pak
         ${TAVIMORA_WEB_LANGUAGES}/*/texts ${TAVIMORA_WEB_LANGUAGES}/*/glyphs.txt)
    foreach(file IN LISTS languageFiles)
      configure_file(${TAVIMORA_WEB_LANGUAGES}/${file} ${out}/content/art/${file} COPYONLY)
      list(APPEND later content/art/${file})
    endforeach()
  endif()
  # What the worker keeps: everything the page loads before the game starts, then the files
  # fetched later as they come, and the worker's template; written down for
  # cmake/web_worker.cmake, which the test command also runs on a copy of the folder.
  set(cached ${pageFiles} ${target}.js ${target}.worker.js ${target}.wasm ${target}.data)
  set(list ${CMAKE_BINARY_DIR}/web-worker-files.cmake)
  file(WRITE ${list} "set(FILES ${cached})\nset(LATER ${later})\n"
       "set(TEMPLATE ${PROJECT_SOURCE_DIR}/dist/web/sw.js.in)\n")
  # The program's files all change with its link, which depending on the target follows.
  list(TRANSFORM pageFiles PREPEND ${out}/)
  list(TRANSFORM later PREPEND ${out}/)
  add_custom_command(OUTPUT ${out}/sw.js
    COMMAND ${CMAKE_COMMAND} -DOUT=${out} -DLIST=${list} -P ${PROJECT_SOURCE_DIR}/cmake/web_worker.cmake
    DEPENDS ${target} ${pageFiles} ${later} ${list} ${PROJECT_SOURCE_DIR}/dist/web/sw.js.in
            ${PROJECT_SOURCE_DIR}/cmake/web_worker.cmake
    COMMENT "Writing the service worker's list of files"
    VERBATIM)
  add_custom_target(${target}_worker ALL DEPENDS ${out}/sw.js)
endfunction()

# tv_web_test_page(target page [link options]): a test program with its page in
# TAVIMORA_WEB_TEST_OUT, apart from what a host serves.
function(tv_web_test_page target page)
  tv_web_program(${target} ${TAVIMORA_WEB_TEST_OUT} ${ARGN})
  configure_file(${PROJECT_SOURCE_DIR}/dist/web/${page} ${TAVIMORA_WEB_TEST_OUT}/${page} COPYONLY)
endfunction()
