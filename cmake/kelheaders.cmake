# SPDX-License-Identifier: GPL-3.0-or-later
# kel_public_headers(<library> <header>...)
#
# Makes the listed headers of the current folder (paths relative to it: "picturearea.h",
# "core/labsession.h") all that a target linking <library> can include of it, spelled with the
# folder's name ("display/picturearea.h"). Each becomes a one-line forwarding header in an
# include tree of the library's own under the build directory, so no other header of src/
# comes along with it. The library's own sources also reach the other headers of its folder.
function(kel_public_headers library)
    get_filename_component(subsystem ${CMAKE_CURRENT_SOURCE_DIR} NAME)
    set(tree ${CMAKE_BINARY_DIR}/include/${library})
    set(forwards)
    foreach(header IN LISTS ARGN)
        set(source ${CMAKE_CURRENT_SOURCE_DIR}/${header})
        if(NOT EXISTS ${source})
            message(FATAL_ERROR "${library}: there is no header ${source} to make public")
        endif()
        set(forward ${tree}/${subsystem}/${header})
        list(APPEND forwards ${forward})
        # Rewritten only when it changes, so that configuring again rebuilds nothing.
        file(CONFIGURE OUTPUT ${forward}
            CONTENT "// Generated: the public header ${subsystem}/${header} of ${library}.\n#pragma once\n#include \"${source}\"\n")
    endforeach()
    # A header taken off the list goes from the tree as well.
    file(GLOB_RECURSE present LIST_DIRECTORIES false ${tree}/*)
    foreach(forward IN LISTS present)
        if(NOT forward IN_LIST forwards)
            file(REMOVE ${forward})
        endif()
    endforeach()
    target_include_directories(${library}
        PUBLIC $<BUILD_INTERFACE:${tree}>
        PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
endfunction()
