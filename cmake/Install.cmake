# Installing the game as a desktop game (cmake --install) and its Debian package (cpack -G DEB):
# the program, its content under the data folder, a menu entry, icons, AppStream metainfo and a
# man page. Everything generated for it lies under build/.../dist.
include(GNUInstallDirs)

set(TAVIMORA_VERSION 0.1.0)
set(TAVIMORA_RELEASE_DATE 2026-12-08)
set(TAVIMORA_APP_ID "example.tavimora.Tavimora" CACHE STRING
    "AppStream id (a reversed domain name); names the menu entry, the metainfo and the icons")
set(TAVIMORA_WEBSITE "https://tavimora.example" CACHE STRING
    "The game's home page; the metainfo's screenshot is published under it")
set(TAVIMORA_LICENSE "LicenseRef-proprietary" CACHE STRING "The game's licence (SPDX), for the metainfo")

# Where the program looks for its content once installed: relative to itself first, so that a
# moved install still works, then the folder configured here.
set(TAVIMORA_DATA_SUBDIR ${CMAKE_INSTALL_DATADIR}/tavimora)
file(RELATIVE_PATH TAVIMORA_DATA_RELATIVE ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_DATADIR}/tavimora)
target_compile_definitions(tavimora PRIVATE
  TAVIMORA_INSTALLED_DATA_RELATIVE="${TAVIMORA_DATA_RELATIVE}"
  TAVIMORA_INSTALLED_DATA_DIR="${CMAKE_INSTALL_FULL_DATADIR}/tavimora")

set(TAVIMORA_DIST_DIR ${CMAKE_BINARY_DIR}/dist)
set(TAVIMORA_DESKTOP_FILE ${TAVIMORA_DIST_DIR}/${TAVIMORA_APP_ID}.desktop)
set(TAVIMORA_METAINFO_FILE ${TAVIMORA_DIST_DIR}/${TAVIMORA_APP_ID}.metainfo.xml)
# The menu entry and the metainfo carry the catalogues' translations of their texts; msgfmt
# finds the metainfo's rules by the file's name, so the English copies keep the final names.
set(TAVIMORA_ENGLISH_DIST_DIR ${TAVIMORA_DIST_DIR}/english)
configure_file(dist/tavimora.desktop.in ${TAVIMORA_ENGLISH_DIST_DIR}/${TAVIMORA_APP_ID}.desktop @ONLY)
configure_file(dist/tavimora.metainfo.xml.in ${TAVIMORA_ENGLISH_DIST_DIR}/${TAVIMORA_APP_ID}.metainfo.xml @ONLY)
find_program(MSGFMT_PROGRAM msgfmt REQUIRED)
file(GLOB TAVIMORA_DIST_CATALOGUES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/data/po/*.po)
foreach(kind desktop xml)
  if(kind STREQUAL "desktop")
    set(translated ${TAVIMORA_DESKTOP_FILE})
  else()
    set(translated ${TAVIMORA_METAINFO_FILE})
  endif()
  cmake_path(GET translated FILENAME english)
  add_custom_command(
    OUTPUT ${translated}
    COMMAND ${MSGFMT_PROGRAM} --${kind} --template=${TAVIMORA_ENGLISH_DIST_DIR}/${english}
            -d ${PROJECT_SOURCE_DIR}/data/po -o ${translated}
    DEPENDS ${TAVIMORA_ENGLISH_DIST_DIR}/${english} ${TAVIMORA_DIST_CATALOGUES}
            ${PROJECT_SOURCE_DIR}/data/po/LINGUAS
    COMMENT "Translating ${english}"
    VERBATIM)
endforeach()

# The desktop icons come from the content generator, the metainfo's screenshot from the frame
# picture tool (one staged moment of play with the generated content), and the man page is
# compressed as Debian keeps them.
set(TAVIMORA_ICON_SIZES 16 32 48 64 128 256)
set(TAVIMORA_SCREENSHOT ${TAVIMORA_DIST_DIR}/screenshots/playing.png)
# Taken again when the generated content changes; copied content has no stamp to follow.
if(NOT TAVIMORA_CONTENT_FROM)
  set(TAVIMORA_SCREENSHOT_CONTENT ${CMAKE_BINARY_DIR}/tools/content.stamp)
endif()
add_custom_command(
  OUTPUT ${TAVIMORA_DIST_DIR}/icons/256.png
  COMMAND tavimora_contentgen --icons ${TAVIMORA_DIST_DIR}/icons
  DEPENDS tavimora_contentgen
  COMMENT "Drawing the desktop icons"
  VERBATIM)
add_custom_command(
  OUTPUT ${TAVIMORA_SCREENSHOT}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${TAVIMORA_DIST_DIR}/screenshots
  COMMAND ${CMAKE_COMMAND} -E env SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
          $<TARGET_FILE:tavimora_frameshot> ${TAVIMORA_SCREENSHOT}
  WORKING_DIRECTORY ${TAVIMORA_GAME_DIR}
  DEPENDS tavimora_frameshot tavimora_content ${TAVIMORA_SCREENSHOT_CONTENT}
  COMMENT "Taking the screenshot for the metainfo"
  VERBATIM)
add_custom_command(
  OUTPUT ${TAVIMORA_DIST_DIR}/tavimora.6.gz
  COMMAND sh -c "gzip -9n < '${PROJECT_SOURCE_DIR}/dist/tavimora.6' > '${TAVIMORA_DIST_DIR}/tavimora.6.gz'"
  DEPENDS ${PROJECT_SOURCE_DIR}/dist/tavimora.6
  VERBATIM)
# The translated menu entry and metainfo alone, which the install tests validate in every build.
add_custom_target(tavimora_menu_entry DEPENDS ${TAVIMORA_DESKTOP_FILE} ${TAVIMORA_METAINFO_FILE})
add_custom_target(tavimora_dist ALL DEPENDS ${TAVIMORA_DIST_DIR}/icons/256.png
                  ${TAVIMORA_DIST_DIR}/tavimora.6.gz)
add_dependencies(tavimora_dist tavimora_menu_entry)
# The screenshot is for publishing, so sanitizer builds leave it out (target tavimora_screenshot).
if(TAVIMORA_SANITIZE)
  add_custom_target(tavimora_screenshot DEPENDS ${TAVIMORA_SCREENSHOT})
else()
  add_custom_target(tavimora_screenshot ALL DEPENDS ${TAVIMORA_SCREENSHOT})
endif()
add_dependencies(tavimora_screenshot tavimora_content)

install(TARGETS tavimora RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The content tree without what a run from the build folder may have left in it.
install(DIRECTORY ${TAVIMORA_GAME_DIR}/content DESTINATION ${TAVIMORA_DATA_SUBDIR}
        PATTERN scr.dat EXCLUDE PATTERN temp.pcx EXCLUDE PATTERN "*.tmp" EXCLUDE)
install(FILES ${TAVIMORA_DESKTOP_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${TAVIMORA_METAINFO_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size IN LISTS TAVIMORA_ICON_SIZES)
  install(FILES ${TAVIMORA_DIST_DIR}/icons/${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${TAVIMORA_APP_ID}.png)
endforeach()
install(FILES ${TAVIMORA_DIST_DIR}/tavimora.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

# The Debian package; its dependencies are computed from the program by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tavimora)
set(CPACK_PACKAGE_VERSION ${TAVIMORA_VERSION})
set(CPACK_PACKAGE_CONTACT "Tavimora developers <games@tavimora.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "mahjong solitaire against a draining time bar")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "mahjong solitaire against a draining time bar\n Take pairs of free tiles with the same face, with the mouse, before the\n time runs out. Every pair adds time; a cleared board brings a bonus and\n the next layout.")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${TAVIMORA_WEBSITE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/packages)
include(CPack)
