# What `cmake --install` lays out and what CPack packs. Everywhere: the two programs in bin/.
# On Linux also the desktop entry, the icon in the hicolor theme, the replay MIME types, the
# manual pages made by help2man from the programs' own --help, the copyright and changelog, and
# the Debian package made of all that.
include(GNUInstallDirs)

set(installed_programs linewright-cli)
if(LINEWRIGHT_GUI)
  list(APPEND installed_programs linewright)
endif()
install(TARGETS ${installed_programs} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

if(UNIX AND NOT APPLE)
  set(packaging ${CMAKE_SOURCE_DIR}/packaging)
  set(packaging_out ${CMAKE_BINARY_DIR}/packaging)
  set(docdir ${CMAKE_INSTALL_DATADIR}/doc/linewright)
  set(icondir ${CMAKE_INSTALL_DATADIR}/icons/hicolor)

  install(FILES ${packaging}/linewright-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
          RENAME linewright.xml)
  if(LINEWRIGHT_GUI)
    install(FILES ${packaging}/linewright.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  endif()

  # The icon is drawn once, as SVG; the bitmap sizes are made from it.
  install(FILES ${packaging}/linewright.svg DESTINATION ${icondir}/scalable/apps)
  find_program(RSVG_CONVERT rsvg-convert)
  if(RSVG_CONVERT)
    set(icons)
    foreach(size 16 22 24 32 48 64 128 256)
      set(icon ${packaging_out}/icons/${size}/linewright.png)
      add_custom_command(OUTPUT ${icon}
                         COMMAND ${CMAKE_COMMAND} -E make_directory ${packaging_out}/icons/${size}
                         COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${icon} ${packaging}/linewright.svg
                         DEPENDS ${packaging}/linewright.svg VERBATIM)
      list(APPEND icons ${icon})
      install(FILES ${icon} DESTINATION ${icondir}/${size}x${size}/apps)
    endforeach()
    add_custom_target(LinewrightIcons ALL DEPENDS ${icons})
  else()
    message(STATUS "rsvg-convert not found: only the scalable icon is installed")
  endif()

  find_program(HELP2MAN help2man)
  if(HELP2MAN)
    # manual_page(PROGRAM NAME INCLUDE): PROGRAM.1.gz from PROGRAM --help, with the sections of
    # the help2man include file INCLUDE.
    function(manual_page program name include)
      set(page ${packaging_out}/${program}.1)
      add_custom_command(OUTPUT ${page}.gz
                         COMMAND ${HELP2MAN} --no-info --name ${name} --version-string ${PROJECT_VERSION}
                                 --include ${include} --output ${page} $<TARGET_FILE:${program}>
                         COMMAND gzip -9nf ${page}
                         DEPENDS ${program} ${include} VERBATIM)
      add_custom_target(${program}-manual ALL DEPENDS ${page}.gz)
      install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    endfunction()

    # The commands' own --help, one section each.
    set(commands ${packaging_out}/linewright-cli.h2m)
    add_custom_command(OUTPUT ${commands}
                       COMMAND ${CMAKE_COMMAND} -DCLI=$<TARGET_FILE:linewright-cli> -DOUTPUT=${commands}
                               -P ${CMAKE_SOURCE_DIR}/cmake/CliManual.cmake
                       DEPENDS linewright-cli ${CMAKE_SOURCE_DIR}/cmake/CliManual.cmake VERBATIM)
    manual_page(linewright-cli "turn a lap of a racing-simulation replay into an LP file" ${commands})
    if(LINEWRIGHT_GUI)
      manual_page(linewright "turn a lap of a racing-simulation replay into an LP file, in a window"
                  ${packaging}/linewright.h2m)
    endif()
  else()
    message(STATUS "help2man not found: no manual pages")
  endif()

  # The Debian copyright file carries LICENSE, whose first paragraphs name the licence and the holder.
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/LICENSE)
  file(READ ${CMAKE_SOURCE_DIR}/LICENSE licence)
  string(REGEX MATCH "Copyright \\(c\\) ([^\n]+)" holder "${licence}")
  set(copyright_holder ${CMAKE_MATCH_1})
  string(REGEX REPLACE "^.*Copyright \\(c\\) [^\n]+\n\n" "" licence "${licence}")
  string(STRIP "${licence}" licence)
  string(REGEX REPLACE "\n\n" "\n.\n" licence "${licence}")
  string(REGEX REPLACE "\n" "\n " licence_paragraphs " ${licence}")
  set(maintainer "Tessel <linewright@example.org>")
  string(TIMESTAMP changelog_date "%a, %d %b %Y %H:%M:%S +0000" UTC)
  configure_file(${packaging}/copyright.in ${packaging_out}/copyright @ONLY)
  configure_file(${packaging}/changelog.in ${packaging_out}/changelog @ONLY)
  add_custom_command(OUTPUT ${packaging_out}/changelog.gz
                     COMMAND gzip -9nkf ${packaging_out}/changelog
                     DEPENDS ${packaging_out}/changelog VERBATIM)
  add_custom_target(LinewrightChangelog ALL DEPENDS ${packaging_out}/changelog.gz)
  install(FILES ${packaging_out}/copyright ${packaging_out}/changelog.gz DESTINATION ${docdir})

  set(CPACK_GENERATOR DEB)
  set(CPACK_PACKAGE_NAME linewright)
  set(CPACK_PACKAGE_VENDOR Tessel)
  set(CPACK_PACKAGE_CONTACT ${maintainer})
  set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "turns a lap of a racing-simulation replay into an LP file")
  set(CPACK_PACKAGE_DESCRIPTION
      "Linewright reads a replay of the GPL, N2 or N4 racing simulations, finds
its track in the game's folders, lists every complete lap with its time
and turns the lap you pick into the game's racing-line file (an LP file),
which the computer drivers follow. It comes as a desktop application
(linewright), which opens replays from the file manager, and as a
command-line tool (linewright-cli) that also lists laps, describes game
files, draws a lap as SVG and reads and writes the games' DAT archives.")
  set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_SECTION utils)
  set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
  set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  set(CPACK_STRIP_FILES ON)
  set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
      OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
  include(CPack)
endif()
