# The Windows build's own checks, run on Debian under Wine: the real Keymint.exe on a real X
# server, what Keymint.exe carries, the download started in a Wine prefix that has nothing
# else, and the download built twice to the same bytes. Included from tests/CMakeLists.txt.
set(here ${CMAKE_CURRENT_SOURCE_DIR}/windows)

add_test(NAME wine_window_shows_hints_and_saves
    COMMAND ${here}/wine-window-hints-and-saves.sh $<TARGET_FILE:Keymint>)
get_filename_component(qt_prefix ${Qt6_DIR}/../../.. ABSOLUTE)
add_test(NAME exe_subsystem_hardening_version_icon
    COMMAND /usr/bin/python3 ${here}/exe-resources.py $<TARGET_FILE:Keymint>
            ${PROJECT_SOURCE_DIR}/ui/icons/keymint.ico
            ${PROJECT_SOURCE_DIR} ${PROJECT_BINARY_DIR} ${qt_prefix})
add_test(NAME zip_starts_in_an_empty_prefix
    COMMAND ${here}/zip-starts.sh ${PROJECT_BINARY_DIR})
add_test(NAME zip_reproducible
    COMMAND ${PROJECT_SOURCE_DIR}/tests/packaging/reproducible.sh ${PROJECT_SOURCE_DIR} zip)
set_tests_properties(wine_window_shows_hints_and_saves zip_starts_in_an_empty_prefix
    PROPERTIES TIMEOUT 240)
set_tests_properties(zip_reproducible PROPERTIES TIMEOUT 900)
set_tests_properties(exe_subsystem_hardening_version_icon zip_starts_in_an_empty_prefix
                     zip_reproducible PROPERTIES LABELS packaging)
