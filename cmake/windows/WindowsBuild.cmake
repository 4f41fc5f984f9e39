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

# The zip for Windows users: the programs and a README of their own.
function(linewright_windows_zip)
  set(name linewright-cli-${PROJECT_VERSION}-windows-x64)
  set(folder ${CMAKE_BINARY_DIR}/zip/${name})
  configure_file(${CMAKE_SOURCE_DIR}/cmake/windows/README-Windows.txt ${CMAKE_BINARY_DIR}/zip/README.txt @ONLY NEWLINE_STYLE CRLF)
  add_custom_target(windows-zip ALL
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${folder} ${CMAKE_BINARY_DIR}/${name}.zip
    COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:linewright-cli> ${CMAKE_BINARY_DIR}/zip/README.txt ${folder}
    COMMAND ${CMAKE_COMMAND} -E chdir ${CMAKE_BINARY_DIR}/zip ${CMAKE_COMMAND} -E tar cf ${CMAKE_BINARY_DIR}/${name}.zip --format=zip ${name}
    DEPENDS linewright-cli
    COMMENT "Packing ${name}.zip"
    VERBATIM)
endfunction()
