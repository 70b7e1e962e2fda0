# The tests of the Windows build, run under Wine by CTest: one Wine prefix for the whole run,
# made once before the first test and shut down after the last; Qt's DLLs and plugins from
# Qt for Windows; a private Xvfb for the tests that need a display.
set(BARWRIGHT_WINE_RUN "${PROJECT_SOURCE_DIR}/cmake/wine-run.sh")
set(BARWRIGHT_WINEPREFIX "${CMAKE_BINARY_DIR}/wine")
set(BARWRIGHT_QT_WINDOWS_NATIVE "Z:${BARWRIGHT_QT_WINDOWS}")
string(REPLACE "/" "\\" BARWRIGHT_QT_WINDOWS_NATIVE "${BARWRIGHT_QT_WINDOWS_NATIVE}")

# Qt's offscreen platform on Windows takes its fonts from one folder: DejaVu Sans alone, the
# face fontconfig gives the Linux tests.
set(fonts "${CMAKE_BINARY_DIR}/test-fonts")
file(MAKE_DIRECTORY "${fonts}")
foreach(face DejaVuSans.ttf DejaVuSans-Bold.ttf DejaVuSans-Oblique.ttf)
    file(CREATE_LINK "/usr/share/fonts/truetype/dejavu/${face}" "${fonts}/${face}" SYMBOLIC)
endforeach()
set(BARWRIGHT_TEST_FONTS "Z:${fonts}")
string(REPLACE "/" "\\" BARWRIGHT_TEST_FONTS "${BARWRIGHT_TEST_FONTS}")

add_test(NAME wine_prefix COMMAND ${BARWRIGHT_WINE_RUN} --prepare)
add_test(NAME wine_shutdown COMMAND ${BARWRIGHT_WINE_RUN} --shutdown)
set_tests_properties(wine_prefix PROPERTIES FIXTURES_SETUP wine TIMEOUT 200
    ENVIRONMENT "BARWRIGHT_WINEPREFIX=${BARWRIGHT_WINEPREFIX}")
set_tests_properties(wine_shutdown PROPERTIES FIXTURES_CLEANUP wine TIMEOUT 60
    ENVIRONMENT "BARWRIGHT_WINEPREFIX=${BARWRIGHT_WINEPREFIX}")

# barwright_windows_test(NAME XVFB TIMEOUT): test NAME's executable run under Wine.
function(barwright_windows_test name xvfb timeout)
    set(emulator ${BARWRIGHT_WINE_RUN} --qtest)
    set_target_properties(${name} PROPERTIES CROSSCOMPILING_EMULATOR "${emulator}")
    if(xvfb)
        # On the run's one X server, one such test at a time: they share its pointer and focus.
        add_test(NAME ${name} COMMAND ${name})
        set_tests_properties(${name} PROPERTIES RESOURCE_LOCK wine_display)
        set(platform windows)
    else()
        add_test(NAME ${name} COMMAND ${name})
        set(platform "offscreen;QT_QPA_FONTDIR=${BARWRIGHT_TEST_FONTS}")
    endif()
    # Wine's own cut-off comes first, so that the test's output is still printed.
    math(EXPR wine_timeout "${timeout} - 10")
    set_tests_properties(${name} PROPERTIES
        TIMEOUT ${timeout}
        FIXTURES_REQUIRED wine
        ENVIRONMENT "QT_QPA_PLATFORM=${platform};BARWRIGHT_PROGRAM_DIR=${BARWRIGHT_PROGRAM_DIR};BARWRIGHT_WINEPREFIX=${BARWRIGHT_WINEPREFIX};BARWRIGHT_WINE_TIMEOUT=${wine_timeout};WINEPATH=${BARWRIGHT_QT_WINDOWS_NATIVE}\\bin;QT_PLUGIN_PATH=${BARWRIGHT_QT_WINDOWS_NATIVE}\\plugins")
endfunction()
