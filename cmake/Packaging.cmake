# Install rules of the two programs and the Debian package built from them
# (cpack -G DEB, or scripts/package.sh).
install(TARGETS quillox quillox-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(WIN32)
    target_link_libraries(quillox PRIVATE quillox_version_resource)
    # The package below is a Debian one.
    return()
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillox)
set(CPACK_PACKAGE_VENDOR ${QUILLOX_COMPANY_NAME})
set(CPACK_PACKAGE_CONTACT "${QUILLOX_COMPANY_NAME} <${QUILLOX_CONTACT_ADDRESS}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "password manager that keeps secrets on cards")
set(CPACK_PACKAGE_DESCRIPTION
    "Quillox keeps web logins, e-mail and bank accounts, credit and ATM cards,
software keys, serial and membership numbers and other secrets as cards in
fifteen categories. All cards of a collection live in one file, kept plain or
encrypted with the Blowfish cipher under a password.

The package holds the desktop program quillox and the command-line tool
quillox-cli, which reads, converts and exports the same files without a
display.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${QUILLOX_HOME_PAGE})
# The libraries the programs link come from dpkg-shlibdeps; the desktop
# opens web addresses and the user guide through xdg-open.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
