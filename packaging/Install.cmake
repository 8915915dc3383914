# What `cmake --install` puts where, and the Debian package built from it by CPack
# (scripts/package). The paths follow the desktop conventions, so the program appears in the
# applications menu with its icon and a project file opens it by double-click.
include(GNUInstallDirs)

set(STAVELORN_PROGRAMS stavelorn-report)
if(STAVELORN_GUI)
  list(APPEND STAVELORN_PROGRAMS stavelorn)
endif()
install(TARGETS ${STAVELORN_PROGRAMS} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

set(PACKAGING_DIR ${CMAKE_SOURCE_DIR}/packaging)
install(FILES ${PACKAGING_DIR}/stavelorn.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PACKAGING_DIR}/stavelorn.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${PACKAGING_DIR}/stavelorn-mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME stavelorn.xml)

# The man pages carry the version of this build.
foreach(page stavelorn.1 stavelorn-report.1)
  configure_file(${PACKAGING_DIR}/${page}.in ${CMAKE_BINARY_DIR}/man/${page} @ONLY)
  install(FILES ${CMAKE_BINARY_DIR}/man/${page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()

install(DIRECTORY ${CMAKE_SOURCE_DIR}/examples/
        DESTINATION ${CMAKE_INSTALL_DATADIR}/stavelorn/examples
        FILES_MATCHING PATTERN "*.str")

# The help pages with their pictures, as the build made them (the help window reads them here).
install(DIRECTORY ${CMAKE_BINARY_DIR}/help/ DESTINATION ${CMAKE_INSTALL_DATADIR}/stavelorn/help)

# The Debian package: stavelorn_<version>_<arch>.deb. Its Depends are worked out by
# dpkg-shlibdeps from the libraries the programs actually link (Qt 6 among them); the report's
# fixed-pitch font and the SVG plugin that shows the help pages' pictures are not linked, so they
# are named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME stavelorn)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "teaching program for the matrix stiffness method")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Students describe a beam, plane truss, plane frame, space truss, grid or space frame, "
  "analyse it, see its deformed shape and read and print the displacements, member forces "
  "and reactions. Includes a batch tool that writes the report of a project file.")
set(CPACK_PACKAGE_CONTACT "STAVELORN developers <stavelorn@localhost>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, libqt6svg6")
include(CPack)
