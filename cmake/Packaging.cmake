# SPDX-License-Identifier: GPL-3.0-or-later
# License: GNU General Public License, version 3 or any later version.
# Installation as a desktop program (cmake --install) and the Debian package made from it
# (scripts/package.sh).
set(CMAKE_INSTALL_DOCDIR share/doc/lumetra)  # the package's name, not the project's
include(GNUInstallDirs)

set(LUMETRA_MAINTAINER "Lumetra developers <lumetra@example.org>")
set(packaging_dir "${PROJECT_SOURCE_DIR}/resources")
set(generated_doc "${PROJECT_BINARY_DIR}/doc")
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(lumetra_programs lumetra lumetra-cli)
if(TARGET lumetra-sign)
  list(APPEND lumetra_programs lumetra-sign)
endif()
install(TARGETS ${lumetra_programs} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# lumetra-cli hands the commands it does not hold to lumetra-cli-full, which users never type: it
# lives with the package's other internals, where the front finds it from its own folder.
set(cli_full_dir "${CMAKE_INSTALL_LIBEXECDIR}/lumetra")
install(TARGETS lumetra-cli-full RUNTIME DESTINATION ${cli_full_dir})
file(RELATIVE_PATH cli_full_from_bindir "${CMAKE_INSTALL_FULL_BINDIR}" "${CMAKE_INSTALL_FULL_LIBEXECDIR}/lumetra")
target_compile_definitions(lumetra-cli PRIVATE LUMETRA_CLI_FULL_FROM_BINDIR="${cli_full_from_bindir}")
# The console's web pages are a module of the package's internals too (src/app).
install(TARGETS lumetra-web LIBRARY DESTINATION ${cli_full_dir})
target_compile_definitions(lumetra PRIVATE LUMETRA_WEB_MODULE_FROM_BINDIR="${cli_full_from_bindir}")

install(FILES "${packaging_dir}/desktop/lumetra.desktop" DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(size 16 22 24 32 48 64 128 256)
  install(FILES "${packaging_dir}/icon/lumetra-${size}.png"
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME lumetra.png)
endforeach()
install(FILES "${packaging_dir}/icon/lumetra.svg" DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES "${packaging_dir}/completion/lumetra-cli" "${packaging_dir}/completion/lumetra"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
# The package's own data folder: the programs tell by it that they run installed (InstalledLayout).
install(FILES ${lumetra_sign_catalogues} DESTINATION ${CMAKE_INSTALL_DATADIR}/lumetra/translations)

# Man pages carry the version; Debian wants them compressed, without a time stamp.
set(man_pages)
foreach(program ${lumetra_programs})
  configure_file("${packaging_dir}/man/${program}.1.in" "${generated_doc}/${program}.1" @ONLY)
  add_custom_command(OUTPUT "${generated_doc}/${program}.1.gz"
                     COMMAND gzip -9n -c "${generated_doc}/${program}.1" > "${generated_doc}/${program}.1.gz"
                     DEPENDS "${generated_doc}/${program}.1")
  list(APPEND man_pages "${generated_doc}/${program}.1.gz")
endforeach()

# The README's serial-port section, on its own, for operators of an installed console. A README
# without it must not stop anyone from building; the package check misses the page instead.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/README.md")
file(READ "${PROJECT_SOURCE_DIR}/README.md" readme)
string(FIND "${readme}" "## The serial port\n" section_start)
set(serial_port_page)
if(section_start LESS 0)
  message(WARNING "README.md has no \"## The serial port\" section; the package goes without it")
else()
  string(SUBSTRING "${readme}" ${section_start} -1 section)
  string(FIND "${section}" "\n## " section_end)
  string(SUBSTRING "${section}" 0 ${section_end} section)
  string(REGEX REPLACE "^## " "# " section "${section}")
  file(WRITE "${generated_doc}/serial-port.md" "${section}\n")
  set(serial_port_page "${generated_doc}/serial-port.md")
endif()

string(TIMESTAMP LUMETRA_CHANGELOG_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)
configure_file("${packaging_dir}/debian/changelog.in" "${generated_doc}/changelog" @ONLY)
add_custom_command(OUTPUT "${generated_doc}/changelog.gz"
                   COMMAND gzip -9n -c "${generated_doc}/changelog" > "${generated_doc}/changelog.gz"
                   DEPENDS "${generated_doc}/changelog")
add_custom_target(lumetra_install_docs ALL DEPENDS ${man_pages} "${generated_doc}/changelog.gz")
install(FILES ${man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${serial_port_page} "${generated_doc}/changelog.gz" "${packaging_dir}/debian/copyright"
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lumetra)
set(CPACK_PACKAGE_VENDOR "Lumetra developers")
set(CPACK_PACKAGE_CONTACT "${LUMETRA_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "operator console for a one-line LED caption sign")
# The summary above is the first line; an empty line starts a paragraph.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Lumetra sends the caption lines of a theatre show, one by one, to a 192 x 16
LED caption sign on a serial port. The operator types or loads the lines, picks
an entry effect for each and sends them during the performance.

The package holds the console (lumetra), the same engine on the command line
for scripts and diagnostics (lumetra-cli) and a virtual sign for rehearsals
without the real one (lumetra-sign).")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# Libraries come from the binaries; the fonts the console draws its Chinese texts and captions
# with, and what else it looks for at run time, are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-arphic-uming, fonts-wqy-zenhei")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2, qt6-translations-l10n, qt6-wayland")
include(CPack)
