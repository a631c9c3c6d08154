# Installation in the usual places, and a Debian package built by CPack.
# Each program installs itself beside its own target (src/app, src/cli).
# The shared libraries the programs use (Qt, libzip, expat) are found by
# dpkg-shlibdeps.
install(FILES ${PROJECT_SOURCE_DIR}/packaging/dorvik.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/dorvik.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/64x64/apps)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/dorvik.1 ${PROJECT_SOURCE_DIR}/packaging/dorvik-check.1
              ${PROJECT_SOURCE_DIR}/packaging/dorvik-import.1
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_SOURCE_DIR}/examples/PRIJAVA.TXT ${PROJECT_SOURCE_DIR}/examples/plata-2024.csv
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/dorvik/examples)

set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "dorvik")
set(CPACK_PACKAGE_VENDOR "Dorvik")
set(CPACK_PACKAGE_CONTACT "Dorvik developers <dev@dorvik.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Prepare and check yearly reports on insured service and earnings")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "misc")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
include(CPack)
