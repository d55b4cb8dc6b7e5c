# SPDX-License-Identifier: GPL-3.0-or-later
# kel_use_qt_pch(<target>...)
#
# Every widget library and widget test parses the same Qt headers; compiled once into one
# precompiled header that they all reuse, that parsing leaves the build's critical path.
# KEL_PCH=OFF compiles without it (for a tool that cannot read GCC's precompiled headers).
option(KEL_PCH "Reuse one precompiled header of Qt's widget headers" ON)

if(KEL_PCH)
    add_library(kel_qt_pch STATIC ${CMAKE_CURRENT_LIST_DIR}/qtpch.cpp)
    target_link_libraries(kel_qt_pch PRIVATE Qt6::Widgets)
    target_precompile_headers(kel_qt_pch PRIVATE
        <QtCore/QtCore>
        <QtGui/QtGui>
        <QtWidgets/QtWidgets>
        <algorithm>
        <array>
        <cmath>
        <functional>
        <map>
        <memory>
        <optional>
        <string>
        <vector>)
endif()

function(kel_use_qt_pch)
    if(KEL_PCH)
        foreach(target IN LISTS ARGN)
            target_precompile_headers(${target} REUSE_FROM kel_qt_pch)
        endforeach()
    endif()
endfunction()
