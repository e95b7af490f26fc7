# wxWidgets as one interface target, so that its include folders, definitions
# and libraries reach only the targets that link it; the store never does.
find_package(wxWidgets 3.2 REQUIRED COMPONENTS core base html net)
add_library(quillox_wx INTERFACE)
# Marked as system headers: the toolkit's own headers do not build warning-free
# under our warning set.
target_include_directories(quillox_wx SYSTEM INTERFACE ${wxWidgets_INCLUDE_DIRS})
target_compile_definitions(quillox_wx INTERFACE ${wxWidgets_DEFINITIONS})
target_compile_options(quillox_wx INTERFACE ${wxWidgets_CXX_FLAGS})
target_link_libraries(quillox_wx INTERFACE ${wxWidgets_LIBRARIES})

# The GTK port: a few things (the card list's own search) are only reachable
# through GTK itself.
if(UNIX AND NOT APPLE)
    find_package(PkgConfig REQUIRED)
    pkg_check_modules(GTK3 REQUIRED IMPORTED_TARGET gtk+-3.0)
    target_link_libraries(quillox_wx INTERFACE PkgConfig::GTK3)
    get_target_property(gtk_includes PkgConfig::GTK3 INTERFACE_INCLUDE_DIRECTORIES)
    target_include_directories(quillox_wx SYSTEM INTERFACE ${gtk_includes})
endif()
