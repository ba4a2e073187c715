# The Debian package, made by CPack from the install rules: `make package`
# (a Release build installed under /usr), or `cpack -G DEB` in a build tree.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zodiora)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY ${ZODIORA_SUMMARY})
set(CPACK_PACKAGE_CONTACT ${ZODIORA_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_HOMEPAGE_URL ${ZODIORA_HOME_URL})
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
# Paths baked into the programs and man pages are those of the configured
# prefix, so the package installs there too.
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${ZODIORA_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION ${ZODIORA_PACKAGE_SECTION})
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${ZODIORA_HOME_URL})
# Runtime dependencies (Qt, libstdc++ ...) are read from the binaries by
# dpkg-shlibdeps rather than listed here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Read at run time, not linked: the time-zone history comes from the system's
# tz database, which no binary names; the Hindi windows and charts need a
# Devanagari font (Noto Sans Devanagari is in fonts-noto-core).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "tzdata, fonts-noto-core | fonts-deva")
# The synopsis is ZODIORA_SUMMARY; this is the text below it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Zodiora computes sidereal (Vedic) birth charts: the sidereal positions of
the Sun, the Moon, Mercury to Pluto, the lunar nodes and the Ascendant,
retrograde planets, nakshatras, the Navamsa and the Vimshottari periods, with
a natal wheel or a North or South Indian chart and an interpretation report.
An offline atlas and the time-zone history of the birth place give the right
clock time; charts are kept in a library and print as a chart page.

The package holds the desktop program zodiora and the command-line tool
zodiora-chart, which computes the same charts as text or JSON, one at a time
or a file of births at once.")
# Root owns every installed file and folder.
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
