# The room library, then the module itself: Mirelle.dll with undecorated exports from its .def file.
get_property(mirelle_libs GLOBAL PROPERTY MIRELLE_DLL_LIBS)
get_property(room_sources GLOBAL PROPERTY MIRELLE_ROOM_SOURCES)
add_library(mirelle_room STATIC ${room_sources})
mirelle_flags(mirelle_room)
target_link_libraries(mirelle_room PUBLIC "$<LINK_GROUP:RESCAN,${mirelle_libs}>"
    ddraw dsound dxguid winmm imm32 oleaut32 ole32 uuid msimg32 shell32 gdi32 user32 advapi32 kernel32)
add_library(Mirelle SHARED
    "${CMAKE_SOURCE_DIR}/src/host/dll/DllMain.cpp"
    "${CMAKE_SOURCE_DIR}/src/host/dll/Mirelle.def")
if(EXISTS "${CMAKE_SOURCE_DIR}/src/host/dll/Mirelle.rc")
    target_sources(Mirelle PRIVATE "${CMAKE_SOURCE_DIR}/src/host/dll/Mirelle.rc")
endif()
mirelle_flags(Mirelle)
set_target_properties(Mirelle PROPERTIES PREFIX "" OUTPUT_NAME "Mirelle")
target_link_libraries(Mirelle PRIVATE mirelle_room)
