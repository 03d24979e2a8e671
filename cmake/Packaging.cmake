# The installation (prefix/games, prefix/share/korvex and the desktop's files) and the Debian
# package built from it with CPack (scripts/package.sh). The icons, manual pages and changelog
# are made by the target korvex_package_files, which the packaging builds first.
include(GNUInstallDirs)

set(KORVEX_PACKAGE_FILES_DIR ${CMAKE_BINARY_DIR}/package-files)
set(KORVEX_ICON_SIZES 16 24 32 48 64 128 256)
set(KORVEX_DESKTOP_DIR ${CMAKE_SOURCE_DIR}/data/desktop)
set(KORVEX_MAN_PAGES korvex.6 korvex-cli.6)

configure_file(${CMAKE_SOURCE_DIR}/data/debian/changelog.in ${KORVEX_PACKAGE_FILES_DIR}/changelog @ONLY)
set(package_files ${KORVEX_PACKAGE_FILES_DIR}/changelog.gz)
add_custom_command(OUTPUT ${KORVEX_PACKAGE_FILES_DIR}/changelog.gz
  COMMAND gzip -9nkf ${KORVEX_PACKAGE_FILES_DIR}/changelog
  DEPENDS ${KORVEX_PACKAGE_FILES_DIR}/changelog)
foreach(page ${KORVEX_MAN_PAGES})
  add_custom_command(OUTPUT ${KORVEX_PACKAGE_FILES_DIR}/${page}.gz
    COMMAND gzip -9nc ${CMAKE_SOURCE_DIR}/data/man/${page} > ${KORVEX_PACKAGE_FILES_DIR}/${page}.gz
    DEPENDS ${CMAKE_SOURCE_DIR}/data/man/${page})
  list(APPEND package_files ${KORVEX_PACKAGE_FILES_DIR}/${page}.gz)
  install(FILES ${KORVEX_PACKAGE_FILES_DIR}/${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
endforeach()
foreach(size ${KORVEX_ICON_SIZES})
  set(icon ${KORVEX_PACKAGE_FILES_DIR}/icons/${size}/korvex.png)
  add_custom_command(OUTPUT ${icon}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${KORVEX_PACKAGE_FILES_DIR}/icons/${size}
    COMMAND rsvg-convert -w ${size} -h ${size} -o ${icon} ${KORVEX_DESKTOP_DIR}/korvex.svg
    DEPENDS ${KORVEX_DESKTOP_DIR}/korvex.svg)
  list(APPEND package_files ${icon})
  install(FILES ${icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_target(korvex_package_files DEPENDS ${package_files})

# Games go to prefix/games; the delivered data is found from there as ../share/korvex all the same.
install(TARGETS korvex korvex-cli RUNTIME DESTINATION games)
# korvex-cli finds the module it prints with in lib/korvex beside its own directory.
install(TARGETS korvex-cli-pdf LIBRARY DESTINATION lib/korvex)
install(DIRECTORY ${KORVEX_DELIVERED_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/korvex)
install(FILES ${KORVEX_DESKTOP_DIR}/korvex.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${KORVEX_DESKTOP_DIR}/org.korvex.korvex.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${KORVEX_DESKTOP_DIR}/korvex.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${KORVEX_PACKAGE_FILES_DIR}/changelog.gz ${CMAKE_SOURCE_DIR}/data/debian/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/korvex)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME korvex)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_CONTACT "Korvex Dev <dev@korvex.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Quake II configuration manager and launcher")
set(CPACK_PACKAGE_DESCRIPTION "Korvex keeps named player configurations for Quake II: key bindings built
from small macros, the options of the game, inheritance between
configurations and extra console lines. It compiles a configuration into the
game's console scripts, keeps a catalogue of the installed MODs, installs new
ones and starts the game with the MOD and configuration chosen.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries Korvex links come from dpkg-shlibdeps; Qt's platform plugins are loaded at run time.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "wine")
include(CPack)
