# SPDX-License-Identifier: GPL-3.0-or-later
# Installation of everything beside the program (desktop entry, icons, AppStream metainfo,
# manual pages, copyright, changelog, README and the program's manual in HTML) and the Debian
# package made from it by `cpack -G DEB`.
# scripts/package builds the package; scripts/check-package checks what it holds.
include(GNUInstallDirs)

# One reverse-DNS id names the desktop entry, the metainfo and the icon.
set(ZAV_APP_ID "sk.timzav.Zav")
set(ZAV_ICON_SIZES 16 32 48 64 128 256)
set(ZAV_ASSETS_DIR "${PROJECT_SOURCE_DIR}/assets" CACHE PATH
    "Folder with the program's icon: zav.svg and zav-<size>.png for each size in ZAV_ICON_SIZES")

set(_zav_packaging "${PROJECT_SOURCE_DIR}/packaging")

# The files that name the version have to name the project's.
foreach(pair IN ITEMS "${ZAV_APP_ID}.metainfo.xml|<release version=\"${PROJECT_VERSION}\""
                      "changelog|zav (${PROJECT_VERSION})"
                      "zav.1|\"zav ${PROJECT_VERSION}\""
                      "zav.en.1|\"zav ${PROJECT_VERSION}\""
                      "zav-calc.1|\"zav ${PROJECT_VERSION}\""
                      "zav-calc.en.1|\"zav ${PROJECT_VERSION}\"")
  string(REPLACE "|" ";" pair "${pair}")
  list(GET pair 0 _zav_file)
  list(GET pair 1 _zav_text)
  file(READ "${_zav_packaging}/${_zav_file}" _zav_content)
  string(FIND "${_zav_content}" "${_zav_text}" _zav_at)
  if(_zav_at EQUAL -1)
    message(WARNING "packaging/${_zav_file} does not name version ${PROJECT_VERSION}: '${_zav_text}'")
  endif()
endforeach()

install(FILES "${_zav_packaging}/${ZAV_APP_ID}.desktop"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
install(FILES "${_zav_packaging}/${ZAV_APP_ID}.metainfo.xml"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")
# The case files' MIME type, application/x-zav-case (*.zav).
install(FILES "${_zav_packaging}/${ZAV_APP_ID}.mime.xml"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/mime/packages"
        RENAME "${ZAV_APP_ID}.xml")

install(FILES "${ZAV_ASSETS_DIR}/zav.svg"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps"
        RENAME "${ZAV_APP_ID}.svg")
foreach(size IN LISTS ZAV_ICON_SIZES)
  install(FILES "${ZAV_ASSETS_DIR}/zav-${size}.png"
          DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps"
          RENAME "${ZAV_APP_ID}.png")
endforeach()

# Debian's place for the licence and the changelog is /usr/share/doc/<package>. The changelog and
# the manual page are compressed the way Debian's tools do it (gzip -9n: no name, no time stamp).
# The package's version has no Debian revision, so for Debian it is native: changelog.gz.
set(_zav_docdir "${CMAKE_INSTALL_DATADIR}/doc/${PROJECT_NAME}")
install(FILES "${_zav_packaging}/copyright" DESTINATION "${_zav_docdir}")

find_program(ZAV_GZIP gzip REQUIRED)
set(_zav_compressed)
foreach(pair IN ITEMS "packaging/changelog|changelog.gz" "packaging/zav.1|zav.1.gz" "packaging/zav.en.1|zav.en.1.gz"
                      "packaging/zav-calc.1|zav-calc.1.gz" "packaging/zav-calc.en.1|zav-calc.en.1.gz"
                      "README.md|README.md.gz")
  string(REPLACE "|" ";" pair "${pair}")
  list(GET pair 0 _zav_source)
  list(GET pair 1 _zav_target)
  add_custom_command(
    OUTPUT "${PROJECT_BINARY_DIR}/packaging/${_zav_target}"
    COMMAND "${CMAKE_COMMAND}" -E make_directory "${PROJECT_BINARY_DIR}/packaging"
    COMMAND sh -c "\"$1\" -9nc \"$2\" > \"$3\"" sh "${ZAV_GZIP}"
            "${PROJECT_SOURCE_DIR}/${_zav_source}" "${PROJECT_BINARY_DIR}/packaging/${_zav_target}"
    DEPENDS "${PROJECT_SOURCE_DIR}/${_zav_source}"
    COMMENT "Compressing ${_zav_source}"
    VERBATIM)
  list(APPEND _zav_compressed "${PROJECT_BINARY_DIR}/packaging/${_zav_target}")
endforeach()
add_custom_target(zav_packaging_files ALL DEPENDS ${_zav_compressed})
install(FILES "${PROJECT_BINARY_DIR}/packaging/changelog.gz" "${PROJECT_BINARY_DIR}/packaging/README.md.gz"
        DESTINATION "${_zav_docdir}")
# The manual that the program's "Pomocník" shows (assets/help/, with the icon it names), to read
# in a web browser.
install(DIRECTORY "${PROJECT_SOURCE_DIR}/assets/help/" DESTINATION "${_zav_docdir}/html")
install(FILES "${ZAV_ASSETS_DIR}/zav-64.png" DESTINATION "${_zav_docdir}/html")
install(FILES "${PROJECT_BINARY_DIR}/packaging/zav.1.gz" "${PROJECT_BINARY_DIR}/packaging/zav-calc.1.gz"
        DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")
# The pages are Slovak, as the programs' messages and --help; the English ones are `man -L en zav`
# and `man -L en zav-calc`.
install(FILES "${PROJECT_BINARY_DIR}/packaging/zav-calc.en.1.gz" DESTINATION "${CMAKE_INSTALL_MANDIR}/en/man1"
        RENAME "zav-calc.1.gz")
install(FILES "${PROJECT_BINARY_DIR}/packaging/zav.en.1.gz" DESTINATION "${CMAKE_INSTALL_MANDIR}/en/man1"
        RENAME "zav.1.gz")

# The Debian package.
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "${PROJECT_NAME}")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_CONTACT "tím projektu ZAV <zav@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "heat transfer coefficient of natural convection")
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "science")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_COMPRESSION_TYPE "xz")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The long description; CPack puts the summary above it and indents it as Debian wants.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"ZAV computes the heat transfer coefficient of natural (free) convection
between the surface of a body and still air, water or a fluid described by
the user. It evaluates the fluid's properties at the mean temperature, forms
the Prandtl, Grashof and Rayleigh numbers, applies the Nusselt correlation of
one of eight surface shapes within its range of validity, optionally adds
radiation, and shows the total coefficient and the heat flow.

A range of surface temperatures can be written into a table for a
spreadsheet, into a boundary condition for the ANSYS CFX pre-processor and
into a chart. A second window simulates how a body cools down or warms up in
the fluid. The user interface is in Slovak.

The same calculations run without the windows: the command zav-calc writes
them as JSON or CSV, and the Python module zav returns them to scripts and
notebooks.")

# The libraries come from dpkg-shlibdeps (package dpkg-dev); Qt loads the xcb platform plugin and
# the Slovak translation of its own dialogs at run time, which no library dependency brings.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n")
# The Python module zav is built for the Python of its build (Debian 12: 3.11); the rest of the
# package works without Python. The module's results are NumPy arrays: it does not import without
# NumPy.
if(ZAV_PYTHON_VERSION)
  string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", python3-numpy")
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "python3 (>= ${ZAV_PYTHON_VERSION}), python3 (<< ${ZAV_PYTHON_NEXT_VERSION})")
endif()
find_program(ZAV_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(ZAV_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
  message(STATUS "dpkg-shlibdeps not found (package dpkg-dev): the Debian package will not "
                 "depend on the Qt libraries")
endif()

include(CPack)
