# The web build (emcmake): the same game as a page. SDL2 and SDL2_mixer come from the archives
# scripts/web-deps.sh builds for the web, linked by path: emcc turns -lSDL2_mixer into its own
# port, which downloads. Threads are on: the game thread stays a thread, which needs a page that
# is cross-origin isolated.
set(TAVIMORA_WEB_DEPS "" CACHE PATH "Install prefix of SDL2 and SDL2_mixer built for the web")
set(TAVIMORA_WEB_CONTENT "" CACHE PATH "The game content to package (a desktop build's game/content)")
set(TAVIMORA_WEB_OUT "${CMAKE_BINARY_DIR}/page" CACHE PATH "Where the page and its files go")
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

# tv_web_page(target [link options]): the program as a script and its wasm beside the page, with
# the content packaged into one file the page loads before the program starts.
function(tv_web_page target)
  set(out ${TAVIMORA_WEB_OUT})
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
    "-sDEFAULT_LIBRARY_FUNCS_TO_INCLUDE=@${funcs}"
    "-sEXPORTED_RUNTIME_METHODS=[\"FS\"]"
    # The page's tests read the presented frame (platform/web_page.cpp).
    "-sEXPORTED_FUNCTIONS=[\"_main\",\"_tv_web_presented_frame\"]"
    --preload-file "${TAVIMORA_WEB_CONTENT}@/content"
    "SHELL:--exclude-file '*temp.pcx'" "SHELL:--exclude-file '*.made'" ${ARGN})
  set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${TAVIMORA_WEB_CONTENT}/art/content.pak)
  foreach(file index.html page.js page.css frameshot.html)
    configure_file(${PROJECT_SOURCE_DIR}/dist/web/${file} ${out}/${file} COPYONLY)
  endforeach()
endfunction()
