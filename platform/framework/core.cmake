# The framework's non-visual services: strings, Variant, files, streams, Shell, RegEx,
# JSONItem, Dictionary, localised strings and the message box hook.
add_library(fw_core STATIC
    ${CMAKE_CURRENT_LIST_DIR}/CrossDeviceMove.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Dictionary.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FileDescriptor.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FolderItem.cpp
    ${CMAKE_CURRENT_LIST_DIR}/JSONItem.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MainThread.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MsgBox.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Object.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RegEx.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RegExMatch.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RenameNoReplace.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Shell.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ShellCommandLine.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SpecialFolder.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Strings.cpp
    ${CMAKE_CURRENT_LIST_DIR}/System.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TextInputStream.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TextOutputStream.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Utf8.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Variant.cpp
)
target_include_directories(fw_core PUBLIC ${PROJECT_SOURCE_DIR}/platform)
target_link_libraries(fw_core
    PUBLIC nlohmann_json::nlohmann_json
    PRIVATE PkgConfig::PCRE2 ICU::uc ICU::i18n Threads::Threads)
