# Installation and the Debian package.
#
# The executable and learn.dll stay side by side in lib/lumenrest, because the program
# looks for its card database beside its real path; bin/lumenrest is a relative symbolic
# link to it, so the whole tree can be moved or unpacked under any prefix.
include(GNUInstallDirs)

set(LUMENREST_APP_ID com.vellacourt.Lumenrest)
set(LUMENREST_PKGDIR lib/lumenrest)
set(LUMENREST_DOCDIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/lumenrest)
set(LUMENREST_DIST ${PROJECT_BINARY_DIR}/dist)

# The package's changelog and the AppStream releases must name the version being built.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS dist/changelog dist/${LUMENREST_APP_ID}.metainfo.xml)
file(STRINGS dist/changelog LUMENREST_CHANGELOG_TOP LIMIT_COUNT 1)
file(READ dist/${LUMENREST_APP_ID}.metainfo.xml LUMENREST_METAINFO)
if(NOT LUMENREST_CHANGELOG_TOP MATCHES "^lumenrest \\(${PROJECT_VERSION}\\) "
   OR NOT LUMENREST_METAINFO MATCHES "<release version=\"${PROJECT_VERSION}\"")
  message(FATAL_ERROR "dist/changelog and dist/${LUMENREST_APP_ID}.metainfo.xml need an entry for ${PROJECT_VERSION}")
endif()

find_package(Qt6 REQUIRED COMPONENTS Svg)
find_program(GZIP_EXECUTABLE gzip REQUIRED)

# The icon theme tree, drawn by the same code that draws the program's window icon.
add_executable(lumenrest-icons tools/makeicons.cpp)
set_target_properties(lumenrest-icons PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/tools)
target_link_libraries(lumenrest-icons PRIVATE lumenrest_core Qt6::Svg lumenrest_options)
set(LUMENREST_ICON_FILES ${LUMENREST_DIST}/icons/hicolor/scalable/apps/${LUMENREST_APP_ID}.svg)
foreach(size 16 22 24 32 48 64 128 256)
  list(APPEND LUMENREST_ICON_FILES ${LUMENREST_DIST}/icons/hicolor/${size}x${size}/apps/${LUMENREST_APP_ID}.png)
endforeach()
add_custom_command(
  OUTPUT ${LUMENREST_ICON_FILES}
  COMMAND lumenrest-icons ${LUMENREST_DIST}/icons ${LUMENREST_APP_ID}
  DEPENDS lumenrest-icons
  COMMENT "Drawing the desktop icons"
  VERBATIM)

# Manual page and changelog are shipped compressed, without name or time stamp, so the
# package is the same from one build to the next.
set(LUMENREST_GZIPPED)
foreach(name lumenrest.1 changelog)
  add_custom_command(
    OUTPUT ${LUMENREST_DIST}/${name}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/dist/${name} ${LUMENREST_DIST}/${name}
    COMMAND ${GZIP_EXECUTABLE} -9nf ${LUMENREST_DIST}/${name}
    DEPENDS ${PROJECT_SOURCE_DIR}/dist/${name}
    VERBATIM)
  list(APPEND LUMENREST_GZIPPED ${LUMENREST_DIST}/${name}.gz)
endforeach()
add_custom_target(desktopfiles ALL DEPENDS ${LUMENREST_ICON_FILES} ${LUMENREST_GZIPPED})

set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
install(TARGETS Lumenrest RUNTIME DESTINATION ${LUMENREST_PKGDIR})
install(FILES ${PROJECT_BINARY_DIR}/bin/learn.dll DESTINATION ${LUMENREST_PKGDIR})
file(RELATIVE_PATH LUMENREST_LINK_TARGET /${CMAKE_INSTALL_BINDIR} /${LUMENREST_PKGDIR}/Lumenrest)
install(CODE "
  set(link \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/lumenrest\")
  message(STATUS \"Installing: \${link} -> ${LUMENREST_LINK_TARGET}\")
  file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
  file(CREATE_LINK \"${LUMENREST_LINK_TARGET}\" \"\${link}\" SYMBOLIC)
  list(APPEND CMAKE_INSTALL_MANIFEST_FILES \"\${link}\")")
install(FILES dist/${LUMENREST_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
install(FILES dist/${LUMENREST_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)
install(DIRECTORY ${LUMENREST_DIST}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons)
install(FILES ${LUMENREST_DIST}/lumenrest.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES dist/copyright ${LUMENREST_DIST}/changelog.gz DESTINATION ${LUMENREST_DOCDIR})

# `make package` in the build folder: build/lumenrest_<version>_amd64.deb
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lumenrest)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR ${LUMENREST_ORGANISATION})
set(CPACK_PACKAGE_CONTACT "${LUMENREST_ORGANISATION} <support@vellacourt.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "tutor for learning the 78 cards of the tarot")
set(CPACK_PACKAGE_DESCRIPTION "Lumenrest shows each card of the tarot with its picture upright and upside
down, its name, its upright and reversed meanings and its keywords, and then
tests what the learner remembers: description or keyword questions at three
levels, over the major arcana, the minor arcana or any of its four suits.
Each test ends with a scored report that can be saved as a text file.

Personal goals with a start and an end date show how far along each goal
should be by today. The program can start at log-on and wait in the system
tray.

The card pictures are scans of the 1909 first edition of the deck drawn by
Pamela Colman Smith, which is in the public domain.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.vellacourt.com/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What dpkg-shlibdeps cannot see: Qt loads its window system plugins and its own
# translations at run time.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_OUTPUT_FILE_PREFIX ${PROJECT_BINARY_DIR})
include(CPack)
