# The module: Mirelle.dll with undecorated exports from its .def file, linking the main window's library and
# through it every library below. The DLL is stripped; its debug information sits beside it in
# Mirelle.dll.debug, found by debuggers through a debug link.
add_library(Mirelle SHARED
    "${CMAKE_SOURCE_DIR}/src/host/dll/DllMain.cpp"
    "${CMAKE_SOURCE_DIR}/src/host/dll/Mirelle.def"
    "${CMAKE_SOURCE_DIR}/src/host/dll/Mirelle.rc")
mirelle_flags(Mirelle)
set_target_properties(Mirelle PROPERTIES PREFIX "" OUTPUT_NAME "Mirelle")
target_link_libraries(Mirelle PRIVATE mirelle_mainwnd)
add_dependencies(Mirelle mirelle_layers)

find_program(MIRELLE_OBJCOPY NAMES i686-w64-mingw32-objcopy objcopy REQUIRED)
add_custom_command(TARGET Mirelle POST_BUILD
    COMMAND "${MIRELLE_OBJCOPY}" --only-keep-debug Mirelle.dll Mirelle.dll.debug
    COMMAND "${MIRELLE_OBJCOPY}" --strip-all --add-gnu-debuglink=Mirelle.dll.debug Mirelle.dll
    WORKING_DIRECTORY "$<TARGET_FILE_DIR:Mirelle>"
    VERBATIM)
