# The window's tests in the Windows build, run under wine (the run script gives wine a virtual X
# display). The static Qt links only the windows platform plugin by default; the minimal one lets
# the whole suite run without drawing.
qt_import_plugins(GuiTests INCLUDE Qt6::QMinimalIntegrationPlugin)
add_test(NAME GuiTests COMMAND GuiTests -platform minimal)
# Then on the windows platform, as players see it: a replay of each family opened, a lap clicked
# and converted.
add_test(NAME GuiTestsOnWindowsPlatform
         COMMAND GuiTests -platform windows everyFamilysClickedLapConverts openingAReplayFillsTheForm
                 clickingRowsWithTheMouseRedrawsThePreview convertWritesTheLpAndAsksBeforeReplacingIt)
# And the program itself, with a replay on its command line: its window comes up titled after the
# replay, and its settings land in the registry.
add_test(NAME WindowUnderWine
         COMMAND ${CMAKE_SOURCE_DIR}/tests/Gui/WindowOnVirtualDisplay.sh $<TARGET_FILE:linewright> $<TARGET_FILE:linewright-cli>)
set_tests_properties(WindowUnderWine PROPERTIES ENVIRONMENT "LINEWRIGHT_RUNNER=${LINEWRIGHT_WINE64}")
# A window that waits for a person must not hold the suite for ever. Qt's messages, QTest's report
# among them, go to the debugger unless told otherwise (wine hands WINEQT_* to the program as QT_*).
set_tests_properties(GuiTests GuiTestsOnWindowsPlatform WindowUnderWine PROPERTIES TIMEOUT 300)
set_tests_properties(GuiTests GuiTestsOnWindowsPlatform PROPERTIES ENVIRONMENT WINEQT_FORCE_STDERR_LOGGING=1)
