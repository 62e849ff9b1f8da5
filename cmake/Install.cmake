# Install rules: Tavrik laid out as a Linux desktop application under any
# prefix. The program finds its data folder relative to its own folder
# (see src/settings/settings_location.cpp), so the prefix can move.
include(GNUInstallDirs)

# The desktop and AppStream identifier, and where the project's pages live.
set(TAVRIK_APP_ID "io.github.tavrik.Tavrik" CACHE STRING "Desktop and AppStream identifier")
set(TAVRIK_HOMEPAGE "https://github.com/tavrik/tavrik" CACHE STRING "The project's home page")
set(TAVRIK_SCREENSHOT_URL "${TAVRIK_HOMEPAGE}/raw/main/docs/screenshot.png"
    CACHE STRING "The screenshot shown by software centres")
set(TAVRIK_MAINTAINER "Tavrik developers <tavrik@users.noreply.github.com>"
    CACHE STRING "The package maintainer")
set(TAVRIK_RELEASE_DATE "2026-12-07")
set(TAVRIK_RELEASE_TIME "Mon, 07 Dec 2026 00:00:00 +0000")
# Qt names the window class after the application name.
set(TAVRIK_WM_CLASS "Tavrik")

set(TAVRIK_INSTALL_DATADIR "${CMAKE_INSTALL_DATADIR}/tavrik")
set(TAVRIK_INSTALL_DOCDIR "${CMAKE_INSTALL_DATADIR}/doc/tavrik")
set(TAVRIK_FULL_DOCDIR "${CMAKE_INSTALL_FULL_DATADIR}/doc/tavrik")
set(TAVRIK_GENERATED_DATA "${PROJECT_BINARY_DIR}/data")

# What the programs tell about their installation.
file(RELATIVE_PATH TAVRIK_DOCDIR_FROM_BINDIR ${CMAKE_INSTALL_FULL_BINDIR} ${TAVRIK_FULL_DOCDIR})
target_compile_definitions(tavrik-cli PRIVATE
    TAVRIK_VERSION="${PROJECT_VERSION}"
    TAVRIK_DOCDIR_FROM_BINDIR="${TAVRIK_DOCDIR_FROM_BINDIR}")

install(TARGETS tavrik-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/data/TavrikS.ini DESTINATION ${TAVRIK_INSTALL_DATADIR})
install(FILES ${PROJECT_SOURCE_DIR}/docs/console.md DESTINATION ${TAVRIK_INSTALL_DOCDIR})

# Manual pages in English and in Japanese, compressed as Debian wants them.
# The option list of tavrik-cli(1) comes from one file for both languages.
set(cli_options_source ${PROJECT_SOURCE_DIR}/docs/man/tavrik-cli.options)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${cli_options_source})
file(STRINGS ${cli_options_source} cli_option_lines ENCODING UTF-8)
foreach(language en ja)
    set(TAVRIK_CLI_OPTIONS "")
    foreach(line IN LISTS cli_option_lines)
        if(line MATCHES "^\\.\\\\\"")
            continue()  # a comment of the source
        elseif(line MATCHES "^(en|ja)\\|(.*)$")
            if(CMAKE_MATCH_1 STREQUAL language)
                string(APPEND TAVRIK_CLI_OPTIONS "${CMAKE_MATCH_2}\n")
            endif()
        else()
            string(APPEND TAVRIK_CLI_OPTIONS "${line}\n")
        endif()
    endforeach()
    string(REGEX REPLACE "\n$" "" TAVRIK_CLI_OPTIONS "${TAVRIK_CLI_OPTIONS}")
    if(language STREQUAL "en")
        set(source_dir ${PROJECT_SOURCE_DIR}/docs/man)
        set(man_dir ${CMAKE_INSTALL_MANDIR}/man1)
    else()
        set(source_dir ${PROJECT_SOURCE_DIR}/docs/man/${language})
        set(man_dir ${CMAKE_INSTALL_MANDIR}/${language}/man1)
    endif()
    set(pages "")
    foreach(page tavrik tavrik-cli)
        set(roff ${TAVRIK_GENERATED_DATA}/man/${language}/${page}.1)
        configure_file(${source_dir}/${page}.1.in ${roff} @ONLY)
        add_custom_command(OUTPUT ${roff}.gz
            COMMAND gzip -9 -n -c ${roff} > ${roff}.gz
            DEPENDS ${roff}
            COMMENT "Compressing the ${page}(1) manual page (${language})")
        list(APPEND pages ${roff}.gz)
        list(APPEND tavrik_man_pages ${roff}.gz)
    endforeach()
    install(FILES ${pages} DESTINATION ${man_dir})
endforeach()
add_custom_target(tavrik_man_pages ALL DEPENDS ${tavrik_man_pages})

# The generated manual pages, remade when the starter file or the tool changes.
# The build tree gets the whole manual, so that a build never installed opens
# it complete from the Help menu.
set(TAVRIK_MANUAL_DIR ${PROJECT_BINARY_DIR}/manual)
set(TAVRIK_MANUAL_PAGES ${TAVRIK_MANUAL_DIR}/functions.html ${TAVRIK_MANUAL_DIR}/keyboard.html)
file(GLOB_RECURSE tavrik_manual_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/docs/manual/*)
add_custom_command(OUTPUT ${TAVRIK_MANUAL_PAGES}
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${PROJECT_SOURCE_DIR}/docs/manual ${TAVRIK_MANUAL_DIR}
    COMMAND tavrik-manual-pages ${PROJECT_SOURCE_DIR}/data/TavrikS.ini ${TAVRIK_MANUAL_DIR}
    DEPENDS tavrik-manual-pages ${PROJECT_SOURCE_DIR}/data/TavrikS.ini ${tavrik_manual_sources}
    COMMENT "Making the function and keyboard pages of the manual")
add_custom_target(tavrik_manual_pages ALL DEPENDS ${TAVRIK_MANUAL_PAGES})

# The licence, in Debian's machine-readable copyright format.
set(copyright ${TAVRIK_GENERATED_DATA}/copyright)
configure_file(${PROJECT_SOURCE_DIR}/data/copyright.in ${copyright} @ONLY)
install(FILES ${copyright} DESTINATION ${TAVRIK_INSTALL_DOCDIR})

# The changelog, in the form a Debian system expects beside the documents.
set(changelog ${TAVRIK_GENERATED_DATA}/changelog)
configure_file(${PROJECT_SOURCE_DIR}/docs/changelog.in ${changelog} @ONLY)
add_custom_command(OUTPUT ${changelog}.gz
    COMMAND gzip -9 -n -c ${changelog} > ${changelog}.gz
    DEPENDS ${changelog})
add_custom_target(tavrik_changelog ALL DEPENDS ${changelog}.gz)
install(FILES ${changelog}.gz DESTINATION ${TAVRIK_INSTALL_DOCDIR})

if(TAVRIK_GUI)
    target_compile_definitions(tavrik PRIVATE TAVRIK_APP_ID="${TAVRIK_APP_ID}")
    install(TARGETS tavrik RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

    set(TAVRIK_DESKTOP_FILE ${TAVRIK_GENERATED_DATA}/${TAVRIK_APP_ID}.desktop)
    set(TAVRIK_METAINFO_FILE ${TAVRIK_GENERATED_DATA}/${TAVRIK_APP_ID}.metainfo.xml)
    configure_file(${PROJECT_SOURCE_DIR}/data/tavrik.desktop.in ${TAVRIK_DESKTOP_FILE} @ONLY)
    configure_file(${PROJECT_SOURCE_DIR}/data/tavrik.metainfo.xml.in ${TAVRIK_METAINFO_FILE} @ONLY)
    install(FILES ${TAVRIK_DESKTOP_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${TAVRIK_METAINFO_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

    set(icon_theme ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
    install(FILES ${PROJECT_SOURCE_DIR}/data/icons/tavrik.svg DESTINATION ${icon_theme}/scalable/apps)
    foreach(size 16 32 48 64)
        install(FILES ${PROJECT_SOURCE_DIR}/data/icons/tavrik-${size}.png
                DESTINATION ${icon_theme}/${size}x${size}/apps RENAME tavrik.png)
    endforeach()

    # The HTML manual opened from the Help menu, when the tree has one; its
    # function and keyboard pages are made from the program's own tables.
    if(EXISTS ${PROJECT_SOURCE_DIR}/docs/manual)
        install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/manual/ DESTINATION ${TAVRIK_INSTALL_DATADIR}/manual)
        install(FILES ${TAVRIK_MANUAL_PAGES} DESTINATION ${TAVRIK_INSTALL_DATADIR}/manual)
    endif()
endif()
