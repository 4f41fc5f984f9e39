# What a Windows build needs beyond the common one, for the mingw-w64 cross-build.

# One exe needs no DLL beside it: the C and C++ runtimes and winpthreads are linked in.
add_link_options(-static -static-libgcc -static-libstdc++)
# The main thread gets Linux's 8 MiB of stack rather than Windows' 1 MiB: std::regex recurses
# once per character it matches.
add_link_options(-Wl,--stack,8388608)
# Windows 7 is the oldest system whose API the platform layer calls.
add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX UNICODE _UNICODE _WIN32_WINNT=0x0601)

# Boost's uBLAS and CLI11 are header-only: the host's headers serve the target as they are. They
# are reached through a folder of their own, so that no other host header gets in the way of
# mingw's.
set(host_headers ${CMAKE_BINARY_DIR}/host-headers)
file(MAKE_DIRECTORY ${host_headers})
foreach(folder boost CLI)
  file(CREATE_LINK /usr/include/${folder} ${host_headers}/${folder} SYMBOLIC)
endforeach()
add_library(Boost::headers INTERFACE IMPORTED)
target_include_directories(Boost::headers SYSTEM INTERFACE ${host_headers})
add_library(CLI11::CLI11 INTERFACE IMPORTED)
target_include_directories(CLI11::CLI11 SYSTEM INTERFACE ${host_headers})

# GoogleTest, built from Debian's sources for the target (its own GTest:: aliases).
if(LINEWRIGHT_TESTS)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
  # As with Debian's packaged GoogleTest, GoogleMock's matchers come with it.
  target_include_directories(gtest SYSTEM INTERFACE /usr/src/googletest/googlemock/include)
endif()

# The window links the static Qt that cmake/windows/build-qt.sh cross-builds from Debian's source;
# ./run passes its prefix. Its host tools (moc, rcc, uic) are the installed ones of the same version.
if(LINEWRIGHT_GUI)
  if(NOT LINEWRIGHT_QT_PREFIX)
    message(FATAL_ERROR "The Windows window needs LINEWRIGHT_QT_PREFIX, the folder cmake/windows/build-qt.sh prints "
                        "(or LINEWRIGHT_GUI=OFF for the command line alone)")
  endif()
  list(APPEND CMAKE_FIND_ROOT_PATH ${LINEWRIGHT_QT_PREFIX})
  list(APPEND CMAKE_PREFIX_PATH ${LINEWRIGHT_QT_PREFIX})
  set(QT_HOST_PATH /usr)
  execute_process(COMMAND dpkg-architecture -qDEB_HOST_MULTIARCH OUTPUT_VARIABLE host_multiarch
                  OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  set(QT_HOST_PATH_CMAKE_DIR /usr/lib/${host_multiarch}/cmake)
endif()

# Each program carries the icon and a version resource: product name, company and the project's version.
enable_language(RC)
function(linewright_windows_resources target description)
  set(LINEWRIGHT_PROGRAM ${target})
  set(LINEWRIGHT_DESCRIPTION ${description})
  set(LINEWRIGHT_ICON ${CMAKE_SOURCE_DIR}/packaging/windows/linewright.ico)
  set(rc ${CMAKE_BINARY_DIR}/generated/${target}.rc)
  configure_file(${CMAKE_SOURCE_DIR}/packaging/windows/version.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
  set_property(SOURCE ${rc} APPEND PROPERTY OBJECT_DEPENDS ${LINEWRIGHT_ICON})
endfunction()

# The zip for Windows users: the programs, a README of their own and the licences. A static Qt is
# under the LGPL: its licences go along with the exact source package and configure line it was built with.
function(linewright_windows_zip)
  set(name linewright-${PROJECT_VERSION}-windows-x64)
  set(folder ${CMAKE_BINARY_DIR}/zip/${name})
  configure_file(${CMAKE_SOURCE_DIR}/cmake/windows/README-Windows.txt ${CMAKE_BINARY_DIR}/zip/README.txt @ONLY NEWLINE_STYLE CRLF)
  configure_file(${CMAKE_SOURCE_DIR}/LICENSE ${CMAKE_BINARY_DIR}/zip/LICENSE.txt @ONLY NEWLINE_STYLE CRLF)
  set(programs linewright-cli)
  set(qt_files)
  if(TARGET linewright)
    list(APPEND programs linewright)
    set(qt_files COMMAND ${CMAKE_COMMAND} -E copy_directory ${LINEWRIGHT_QT_PREFIX}/share/linewright-qt ${folder}/Qt)
  endif()
  list(TRANSFORM programs PREPEND "$<TARGET_FILE:" OUTPUT_VARIABLE program_files)
  list(TRANSFORM program_files APPEND ">")
  # Players get the programs without their symbols (the window halves); fault reports name
  # modules and offsets, which need none.
  list(TRANSFORM programs PREPEND "${folder}/" OUTPUT_VARIABLE shipped)
  list(TRANSFORM shipped APPEND ".exe")
  add_custom_target(windows-zip ALL
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${folder} ${CMAKE_BINARY_DIR}/${name}.zip
    COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
    COMMAND ${CMAKE_COMMAND} -E copy ${program_files} ${CMAKE_BINARY_DIR}/zip/README.txt ${CMAKE_BINARY_DIR}/zip/LICENSE.txt ${folder}
    COMMAND ${CMAKE_STRIP} --strip-all ${shipped}
    ${qt_files}
    COMMAND ${CMAKE_COMMAND} -E chdir ${CMAKE_BINARY_DIR}/zip ${CMAKE_COMMAND} -E tar cf ${CMAKE_BINARY_DIR}/${name}.zip --format=zip ${name}
    DEPENDS ${programs}
    COMMENT "Packing ${name}.zip"
    VERBATIM)
endfunction()
