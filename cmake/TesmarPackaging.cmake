# Debian packages, made in the build folder with `cpack -G DEB`:
#   tesmar          the program, tesmar-cli, tesmar-emu and their desktop files
#   libsorvil1      the Sorvil library, named for its soname
#   libsorvil-dev   its header and the libsorvil.so link, for building callers
# Each install() rule names the component (Programs, Library, Development) it
# belongs to.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tesmar)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tesmar developers")
set(CPACK_PACKAGE_CONTACT "${TESMAR_PACKAGE_MAINTAINER}")
# No CPACK_PACKAGE_DESCRIPTION_SUMMARY: CPack would put it above the first
# line of every package's own description.
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL Programs Library Development)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE gzip)

set(CPACK_DEBIAN_PROGRAMS_PACKAGE_NAME tesmar)
set(CPACK_DEBIAN_PROGRAMS_PACKAGE_SECTION utils)
# libusb-1.0 is loaded only for the direct USB link.
set(CPACK_DEBIAN_PROGRAMS_PACKAGE_RECOMMENDS "libusb-1.0-0, qt6-translations-l10n")
set(CPACK_DEBIAN_PROGRAMS_DESCRIPTION "Service and test tool for fiscal registrars
Tesmar connects one fiscal registrar over a serial port, its USB virtual port
or a direct USB link, and lets a service engineer identify it, send any
command by hand, run command scripts, print receipts and reports, program its
settings and read its fiscal memory and firmware into files. Its windows are
in Russian, Ukrainian or English.
.
The package also holds tesmar-cli, the same driver without windows, and
tesmar-emu, a registrar in software on a pseudo-terminal, and a udev rule
that opens the registrar's USB ports to the logged-in user and to the
dialout group.")

set(CPACK_DEBIAN_LIBRARY_PACKAGE_NAME libsorvil1)
set(CPACK_DEBIAN_LIBRARY_PACKAGE_SECTION libs)
# dpkg runs ldconfig once after the packages of a run are in, on this trigger.
set(CPACK_DEBIAN_LIBRARY_PACKAGE_CONTROL_EXTRA ${PROJECT_SOURCE_DIR}/packaging/triggers)
set(CPACK_DEBIAN_LIBRARY_DESCRIPTION "Sorvil random buffer library
Sorvil is a small shared library with one function, GetRandomBuffer, that
fills a caller's buffer with 128 random bytes. It seeds itself from the state
of the machine when it is loaded.")

set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_NAME libsorvil-dev)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_DEPENDS "libsorvil1 (= ${PROJECT_VERSION})")
set(CPACK_DEBIAN_DEVELOPMENT_DESCRIPTION "Sorvil random buffer library (development files)
The header sorvil.h and the libsorvil.so link, for building programs that
call GetRandomBuffer from the Sorvil library.")

include(CPack)
