# Pictures and software drawing, and the menu tree: pure models without a backend.
include_guard(GLOBAL)
add_library(fw_graphics STATIC
    ${CMAKE_CURRENT_LIST_DIR}/DrawingContext.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Graphics.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Picture.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PixelBuffer.cpp
)
target_include_directories(fw_graphics PUBLIC ${PROJECT_SOURCE_DIR}/platform)
target_link_libraries(fw_graphics PUBLIC fw_core)

add_library(fw_menus STATIC
    ${CMAKE_CURRENT_LIST_DIR}/MenuItem.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Shortcut.cpp
)
target_include_directories(fw_menus PUBLIC ${PROJECT_SOURCE_DIR}/platform)
target_link_libraries(fw_menus PUBLIC fw_core)
