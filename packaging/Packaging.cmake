# Installation of the desktop entry, icons and AppStream metainfo, and the Debian package
# (cpack -G DEB). The programs install themselves: src/CMakeLists.txt and sim/CMakeLists.txt.

set(TL380_APP_ID org.tl380.tl380cfg)
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
endif()

set(CPACK_PACKAGE_NAME tl380cfg)
set(CPACK_PACKAGE_VENDOR "The tl380cfg developers")
set(CPACK_PACKAGE_CONTACT "The tl380cfg developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Configuration tool for the TL380 field data collector")
set(CPACK_PACKAGE_DESCRIPTION "Connects to one TL380 collector over a serial port or a TCP network
gateway and reads and writes its settings, live readings and history in one
tabbed window. Includes tl380sim, a collector simulator.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
# The libraries' packages (Qt 6, libjpeg, the C++ runtime) come from dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)

# Builds the package from this build tree, unpacks it into a scratch root and starts what it
# installed. On Debian systems only (dpkg-deb; dpkg-shlibdeps comes with build-essential), and not
# in sanitizer builds.
find_program(TL380_DPKG_DEB dpkg-deb)
if(BUILD_TESTING AND TL380_DPKG_DEB AND NOT TL380_SANITIZE)
    add_test(NAME install_package COMMAND ${CMAKE_SOURCE_DIR}/scripts/test-package.sh ${CMAKE_BINARY_DIR})
    set_tests_properties(install_package PROPERTIES TIMEOUT 300)
endif()
