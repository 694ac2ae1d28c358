# SPDX-License-Identifier: GPL-3.0-or-later
# Installation: the program, its desktop entry, its icon in the hicolor theme and its AppStream
# metadata, in the usual places under the prefix:
#   cmake --install <build> --prefix /usr/local
include(GNUInstallDirs)

set(ARCADE_APP_ID org.zelk.ZelkGame)
set(ARCADE_ICON_SOURCE ${PROJECT_SOURCE_DIR}/assets/icons/GameMain.svg)
set(ARCADE_ICON_SIZES 16 24 32 48 64 128 256)

install(TARGETS ZelkGame RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/data/${ARCADE_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/data/${ARCADE_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The menu's light bulb is the application icon: the SVG as the scalable icon, and PNGs at the
# fixed sizes rendered at build time for desktops that do not draw SVG icons.
install(FILES ${ARCADE_ICON_SOURCE}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${ARCADE_APP_ID}.svg)

add_executable(render-icon tools/render-icon.cpp)
target_link_libraries(render-icon PRIVATE Qt6::Gui Qt6::Svg)
arcade_target(render-icon)

# In a sanitizer build the tool runs without leak checking, so that what Qt keeps until exit
# cannot fail the build.
set(icon_files)
foreach(size IN LISTS ARCADE_ICON_SIZES)
  set(png ${CMAKE_CURRENT_BINARY_DIR}/icons/${size}x${size}/${ARCADE_APP_ID}.png)
  add_custom_command(
    OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/icons/${size}x${size}
    COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
            $<TARGET_FILE:render-icon> ${ARCADE_ICON_SOURCE} ${png} ${size}
    DEPENDS render-icon ${ARCADE_ICON_SOURCE}
    COMMENT "Rendering the application icon at ${size}x${size}"
    VERBATIM)
  list(APPEND icon_files ${png})
  install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_target(app-icons ALL DEPENDS ${icon_files})
