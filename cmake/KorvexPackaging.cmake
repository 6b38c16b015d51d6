# Debian packages from the install rules: `cpack -G DEB` in the build folder writes
#   libkorvexdatabase1     component runtime  the shared library with its soname link
#   libkorvexdatabase-dev  component dev      headers, the CMake package, the .so link
#   korvexdatabase-tools   component tools    korvex-host with Images/ and the default
#                                             database, and every other tool installed
#                                             with COMPONENT tools
# Dependencies on system libraries come from the binaries (dpkg-shlibdeps); the dev and
# tools packages depend on the runtime package of exactly the same version.

set(KORVEX_DEB_COMPONENTS runtime dev tools)
set(KORVEX_DEB_runtime_NAME libkorvexdatabase${PROJECT_VERSION_MAJOR})
set(KORVEX_DEB_dev_NAME libkorvexdatabase-dev)
set(KORVEX_DEB_tools_NAME korvexdatabase-tools)

set(CPACK_PACKAGE_NAME korvexdatabase)
set(CPACK_PACKAGE_VENDOR "KorvexDatabase authors")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
# CPackDeb puts this summary before each component's description unless it is CPack's own
# default; every component's description below starts with its own synopsis instead.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${CMAKE_PROJECT_NAME} built using CMake")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://korvexdatabase.example.org/")
set(CPACK_PACKAGE_CONTACT "KorvexDatabase maintainers <maintainers@korvexdatabase.example.org>")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_STRIP_FILES ON)
set(CPACK_COMPONENTS_ALL ${KORVEX_DEB_COMPONENTS})
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# dpkg-shlibdeps runs in each component's staging folder; the tools find the library in the
# runtime component's, beside it (the dependency on that package is set below).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ../runtime/usr/${CMAKE_INSTALL_LIBDIR})
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_COMPONENT_DEV_DEPENDS runtime)
set(CPACK_COMPONENT_TOOLS_DEPENDS runtime)

set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME ${KORVEX_DEB_runtime_NAME})
set(CPACK_DEBIAN_RUNTIME_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON) # only the runtime package has a library
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")
set(CPACK_DEBIAN_RUNTIME_PACKAGE_CONTROL_EXTRA ${CMAKE_CURRENT_LIST_DIR}/debian/triggers)
set(CPACK_COMPONENT_RUNTIME_DESCRIPTION
    "reference databases for heating and plumbing design - library
Eight engineering reference databases (fittings, pipes, coolants, climate,
water consumers, building materials, windows and doors, sanitary devices)
in one SQLite file, with an editor dialog for each and two calculators: a
floor-heating loop and the thermal resistance of a construction's layers.
A Qt 6 host loads the library and registers the databases through its one
entry point.")

set(CPACK_DEBIAN_DEV_PACKAGE_NAME ${KORVEX_DEB_dev_NAME})
set(CPACK_DEBIAN_DEV_PACKAGE_SECTION libdevel)
# The CMake package looks for Qt's, so building a host needs Qt's development files.
set(CPACK_DEBIAN_DEV_PACKAGE_DEPENDS "qt6-base-dev (>= 6.4)")
set(CPACK_COMPONENT_DEV_DESCRIPTION
    "reference databases for heating and plumbing design - development files
Headers and the CMake package KorvexDatabase::KorvexDatabase for building a
host of the KorvexDatabase library: find_package(KorvexDatabase) and link
the target.")

set(CPACK_DEBIAN_TOOLS_PACKAGE_NAME ${KORVEX_DEB_tools_NAME})
set(CPACK_DEBIAN_TOOLS_PACKAGE_SECTION misc)
# The host opens the database file through Qt's SQLite driver, a plugin no binary links.
set(CPACK_DEBIAN_TOOLS_PACKAGE_DEPENDS "libqt6sql6-sqlite")
set(CPACK_COMPONENT_TOOLS_DESCRIPTION
    "reference databases for heating and plumbing design - demo host and tools
korvex-host shows every database of the KorvexDatabase library with its
record counts, opens their editors, runs the two calculators and plots
coolant properties and the temperature through a construction. Comes with
the default database.")

# Each package carries the copyright and a changelog in its documentation folder.
string(TIMESTAMP KORVEX_DEB_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)
find_program(KORVEX_GZIP gzip)
foreach(component ${KORVEX_DEB_COMPONENTS})
    set(KORVEX_DEB_PACKAGE ${KORVEX_DEB_${component}_NAME})
    set(doc ${CMAKE_BINARY_DIR}/debian/${KORVEX_DEB_PACKAGE})
    configure_file(${CMAKE_CURRENT_LIST_DIR}/debian/changelog.in ${doc}/changelog @ONLY)
    execute_process(COMMAND ${KORVEX_GZIP} -9nf ${doc}/changelog)
    install(FILES ${CMAKE_CURRENT_LIST_DIR}/debian/copyright ${doc}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/${KORVEX_DEB_PACKAGE}
        COMPONENT ${component})
endforeach()

# A manual page for every command of the tools package.
foreach(command korvex-host korvexdb)
    set(man ${CMAKE_BINARY_DIR}/debian/${command}.1)
    configure_file(${CMAKE_CURRENT_LIST_DIR}/debian/${command}.1 ${man} COPYONLY)
    execute_process(COMMAND ${KORVEX_GZIP} -9nf ${man})
    install(FILES ${man}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT tools)
endforeach()

include(CPack)
