# The Debian package, built by CPack from the install rules (make package).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zek)
set(CPACK_PACKAGE_VENDOR "ZEK-Projekt")
set(CPACK_PACKAGE_CONTACT "ZEK-Projekt <zek@zek-projekt.de>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "workbench for the ZE-Assembler teaching language")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "ZEK is a desktop program for writing, assembling, running and debugging\n"
    "programs in the small teaching assembly language ZE-Assembler: an editor, an\n"
    "assembler, a processor with three run modes and a step-by-step debugger,\n"
    "reports (code table, symbol tables, execution protocol), a built-in manual\n"
    "and commented example programs. Its user interface is German.\n"
    "\n"
    "The package also holds zekrun, which runs programs without a window,\n"
    "for scripts and automatic checks.")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://zek-projekt.de/")
# The libraries come from dpkg-shlibdeps; Qt's platform plugins and the
# fonts the windows were laid out with are no library dependencies.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)

include(CPack)
