# What `cmake --install` puts where, the man page, and the Debian package
# that `cpack -G DEB` makes in the build folder.
include(GNUInstallDirs)

install(TARGETS rigwright-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

set(RIGWRIGHT_MAN_PAGE ${CMAKE_BINARY_DIR}/rigwright-cli.1)
add_custom_command(
  OUTPUT ${RIGWRIGHT_MAN_PAGE}
  COMMAND ${CMAKE_COMMAND} -DCLI=$<TARGET_FILE:rigwright-cli> -DOUT=${RIGWRIGHT_MAN_PAGE}
          -DVERSION=${PROJECT_VERSION} -P ${CMAKE_CURRENT_LIST_DIR}/ManPage.cmake
  DEPENDS rigwright-cli ${CMAKE_CURRENT_LIST_DIR}/ManPage.cmake
  COMMENT "Writing the rigwright-cli man page")
add_custom_target(rigwright-man-page ALL DEPENDS ${RIGWRIGHT_MAN_PAGE})
install(FILES ${RIGWRIGHT_MAN_PAGE} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

if(RIGWRIGHT_GUI)
  set(resources ${PROJECT_SOURCE_DIR}/resources)
  install(TARGETS rigwright RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${resources}/rigwright.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${resources}/io.github.rigwright.Rigwright.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${resources}/icons/rigwright.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  foreach(size 16 32 48 64 128 256)
    install(FILES ${resources}/icons/rigwright-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME rigwright.png)
  endforeach()
endif()

if(RIGWRIGHT_TESTS)
  add_test(NAME install_tree
           COMMAND ${CMAKE_COMMAND} -DBUILD=${CMAKE_BINARY_DIR} -DGUI=${RIGWRIGHT_GUI}
                   -P ${PROJECT_SOURCE_DIR}/tests/install/InstallTest.cmake)
endif()

set(CPACK_PACKAGE_NAME rigwright)
set(CPACK_PACKAGE_VENDOR "Rigwright")
set(CPACK_PACKAGE_CONTACT "Rigwright maintainers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for Tavix driving simulator car files")
set(CPACK_PACKAGE_DESCRIPTION
    "Rigwright edits car.ini, the file that describes a car of the Tavix driving simulator, page by page, and writes it back comments and all. rigwright-cli checks, formats and edits car files without a window.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# The Qt and C++ libraries come from the binaries; the window needs Qt's
# platform plugins, which no binary links.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(RIGWRIGHT_GUI)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
endif()
include(CPack)
