# Installation of the desktop entry, icons, AppStream metainfo, manual pages, licence and changelog,
# and the Debian package (cpack -G DEB). The programs install themselves: src/CMakeLists.txt and
# sim/CMakeLists.txt.

set(TL380_APP_ID org.tl380.tl380cfg)
# Folders made by the installation get 0755 whatever the umask (a package's folders must).
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(packaging ${CMAKE_CURRENT_LIST_DIR})

# The freedesktop.org desktop integration: Linux and the other free Unix desktops.
if(UNIX AND NOT APPLE)
    install(FILES ${packaging}/tl380cfg.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${packaging}/${TL380_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    install(FILES ${packaging}/tl380cfg.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
    foreach(size 16 32 48 64 128 256)
        install(FILES ${packaging}/icons/${size}x${size}/tl380cfg.png
                DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
    endforeach()
    # bash-completion loads a program's completion from here when first asked.
    install(FILES ${packaging}/completion/tl380ctl DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
endif()

# The documents: the licence in the machine-readable copyright format, the changelog and a manual
# page for each program that has one (packaging/man/<program>.1), the last two compressed as Debian
# keeps them. gzip -9n stores no name and no time, so the same source gives the same bytes.
if(UNIX)
    find_program(TL380_GZIP gzip REQUIRED)
    function(tl380_gzip source compressed)
        get_filename_component(folder ${compressed} DIRECTORY)
        string(REGEX REPLACE "\\.gz$" "" uncompressed ${compressed})
        add_custom_command(OUTPUT ${compressed}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
            COMMAND ${CMAKE_COMMAND} -E copy ${source} ${uncompressed}
            COMMAND ${TL380_GZIP} -9nf ${uncompressed}
            DEPENDS ${source}
            COMMENT "Compressing ${compressed}"
            VERBATIM)
    endfunction()

    set(TL380_MAN_PAGES)
    foreach(program tl380cfg tl380sim tl380ctl)
        if(EXISTS ${packaging}/man/${program}.1)
            tl380_gzip(${packaging}/man/${program}.1 ${CMAKE_BINARY_DIR}/man/${program}.1.gz)
            list(APPEND TL380_MAN_PAGES ${CMAKE_BINARY_DIR}/man/${program}.1.gz)
        endif()
    endforeach()
    tl380_gzip(${packaging}/changelog ${CMAKE_BINARY_DIR}/doc/changelog.gz)
    add_custom_target(tl380_documents ALL DEPENDS ${TL380_MAN_PAGES} ${CMAKE_BINARY_DIR}/doc/changelog.gz)

    install(FILES ${TL380_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    install(FILES ${packaging}/copyright ${CMAKE_BINARY_DIR}/doc/changelog.gz
            DESTINATION ${CMAKE_INSTALL_DOCDIR})
endif()

# A stripped program keeps the compilers' version notes (.comment); Debian's own packages drop
# them as dh_strip does. Only when the programs are stripped (cpack, cmake --install --strip), after
# their install rules: the rules are added once the whole project has been read (CMP0082 keeps them
# after those of every folder), so a program defined anywhere is covered.
function(tl380_drop_comment_sections)
    foreach(program tl380cfg tl380sim tl380ctl)
        if(TARGET ${program})
            install(CODE "if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment
        \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/$<TARGET_FILE_NAME:${program}>\"
        COMMAND_ERROR_IS_FATAL ANY)
endif()")
        endif()
    endforeach()
endfunction()
if(CMAKE_OBJCOPY AND UNIX AND NOT APPLE)
    cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL tl380_drop_comment_sections)
endif()

set(CPACK_PACKAGE_NAME tl380cfg)
set(CPACK_PACKAGE_VENDOR "The tl380cfg developers")
# The maintainer is the project, with the project's own address (tl380.org, as in the application
# ID org.tl380.tl380cfg), not a person's.
set(CPACK_PACKAGE_CONTACT "The tl380cfg developers <tl380cfg@users.noreply.tl380.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Configuration tool for the TL380 field data collector")
set(CPACK_PACKAGE_DESCRIPTION "Connects to one TL380 collector over a serial port or a TCP network
gateway and reads and writes its settings, live readings and history in one
tabbed window. Includes tl380sim, a collector simulator.")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
# lintian's one remaining note, informational: hardening-no-fortify-functions for usr/bin/tl380sim.
# The simulator is built with _FORTIFY_SOURCE (packaging/Hardening.cmake), but of its fortifiable
# calls, read into a stack buffer and strncpy into a fixed array are proved safe by the compiler
# (the length is the buffer's size), and memmove's buffers have no size known where it is called;
# both keep the plain functions, so no checked call is left for lintian to count.
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
# The libraries' packages (Qt 6, libjpeg, the C++ runtime) come from dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window's own Chinese texts are in the program; Qt's (dialog buttons, file dialogs) come from
# Qt's translations, and the Chinese glyphs from a CJK font.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-wqy-microhei | fonts-noto-cjk")
# Control files with the modes dpkg expects (0644; 0755 for any maintainer script).
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)

# Builds the package from this build tree, unpacks it into a scratch root and starts what it
# installed. On Debian systems only (dpkg-deb; dpkg-shlibdeps comes with build-essential), and not
# in sanitizer builds, nor in the Windows build (scripts/test-windows.sh checks its installer).
find_program(TL380_DPKG_DEB dpkg-deb)
if(BUILD_TESTING AND TL380_DPKG_DEB AND NOT TL380_SANITIZE AND NOT WIN32)
    add_test(NAME install_package COMMAND ${CMAKE_SOURCE_DIR}/scripts/test-package.sh ${CMAKE_BINARY_DIR})
    set_tests_properties(install_package PROPERTIES TIMEOUT 300)
endif()
