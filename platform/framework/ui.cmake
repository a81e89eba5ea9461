# The framework's visual object model: runtime, application, windows, controls, drops,
# dialogs, screens and keyboard. It talks to whichever backend the executable links.
if(NOT TARGET fw_graphics)
    include(${CMAKE_CURRENT_LIST_DIR}/graphics_menus.cmake OPTIONAL)
endif()

add_library(fw_ui STATIC
    ${CMAKE_CURRENT_LIST_DIR}/Appearance.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Application.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DesktopServices.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DragItem.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FileType.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Keyboard.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Label.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Listbox.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MenuHandlers.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MessageDialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PushButton.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RectControl.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Runtime.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RuntimeExceptionObject.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Screen.cpp
    ${CMAKE_CURRENT_LIST_DIR}/UiRuntime.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Window.cpp
)
target_include_directories(fw_ui PUBLIC ${PROJECT_SOURCE_DIR}/platform)
target_link_libraries(fw_ui PUBLIC fw_core fw_graphics fw_menus Threads::Threads)
