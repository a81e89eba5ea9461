# The program: its modules as one library (tests link it with the headless backend),
# and the application folder Tessary/ holding the executable and Resources/spot.
if(NOT TARGET fw_ui OR NOT TARGET fw_cocoa)
    return()
endif()

add_library(tessary_program STATIC
    app/AFDKO.cpp
    app/App.cpp
    app/FileTypeGroup1.cpp
    app/General.cpp
    app/Localized.cpp
    app/Startup.cpp
    menus/CocoaMenu.cpp
    menus/LocalizedMenu.cpp
    menus/MainMenuBar.cpp
    menus/WindowEx.cpp
    prefs/Preferences.cpp
    window/Icon.cpp
    window/NameRecords.cpp
    window/RunReport.cpp
    window/ShownName.cpp
    window/Window1.cpp
    window/Window1Drop.cpp
    window/Window1Run.cpp
    window/myListBox.cpp
)
target_include_directories(tessary_program PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(tessary_program PUBLIC tessary_prefs tessary_text fw_cocoa fw_ui)

set(TESSARY_SPOT /usr/libexec/afdko/spot CACHE FILEPATH "The AFDKO spot tool the application links to")

if(TESSARY_WITH_QT AND TARGET fw_qt)
    add_executable(Tessary app/main.cpp)
    # Nothing in the program names the backend: the whole library comes in so that the
    # framework finds it.
    target_link_libraries(Tessary PRIVATE tessary_program "$<LINK_LIBRARY:WHOLE_ARCHIVE,fw_qt>")
    set_target_properties(Tessary PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/Tessary)
    add_custom_command(TARGET Tessary POST_BUILD
        COMMAND ${CMAKE_COMMAND} -E make_directory $<TARGET_FILE_DIR:Tessary>/Resources
        COMMAND ${CMAKE_COMMAND} -E create_symlink ${TESSARY_SPOT}
                $<TARGET_FILE_DIR:Tessary>/Resources/spot
        VERBATIM)
endif()
