# Installation and the Debian packages (`make package`, CPack).
#
# Two components, packaged apart:
#   sim     drawlet-sim: the programs in bin/, the platform in lib/drawlet/,
#           and a whole device root in share/drawlet/root, where drawlet-sim
#           looks for it beside itself. `cmake --install` installs this one.
#   device  drawlet: the two libraries beside their filters, with the
#           resource bundle, at the device's own absolute path. It is made to
#           be unpacked into a device root (dpkg -x), so `cmake --install`
#           leaves it out: it would write to the host's /Library.

set(DRAWLET_DEVICE_LIBRARY_PATH Library/MobileSubstrate/DynamicLibraries)

# The deliverables as the device holds them, under `destination`.
function(drawlet_install_deliverables destination component)
    install(TARGETS Drawlet DrawletClient LIBRARY DESTINATION ${destination} COMPONENT ${component} ${ARGN})
    install(FILES ${CMAKE_SOURCE_DIR}/shell/Drawlet.plist ${CMAKE_SOURCE_DIR}/client/DrawletClient.plist
        DESTINATION ${destination} COMPONENT ${component} ${ARGN})
    install(DIRECTORY ${CMAKE_SOURCE_DIR}/shell/resources/ DESTINATION ${destination}/DrawletBundle.bundle
        COMPONENT ${component} ${ARGN} FILES_MATCHING PATTERN "*.png")
endfunction()

# The libraries are loaded into a process that already has the platform, on
# the device as in the simulator, and the platform needs only the system's:
# no search path of their own.
set_target_properties(Drawlet DrawletClient platform PROPERTIES INSTALL_RPATH "")

install(TARGETS platform LIBRARY DESTINATION lib/drawlet COMPONENT sim)
install(TARGETS drawlet-sim drawlet-settings drawlet-app RUNTIME DESTINATION bin COMPONENT sim)
drawlet_install_deliverables(share/drawlet/root/${DRAWLET_DEVICE_LIBRARY_PATH} sim)
install(DIRECTORY ${DRAWLET_DEVICE_ROOT}/Applications DESTINATION share/drawlet/root COMPONENT sim)
drawlet_install_deliverables(/${DRAWLET_DEVICE_LIBRARY_PATH} device EXCLUDE_FROM_ALL)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME drawlet)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Drawlet Developers <dev@drawlet.local>")
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL device sim)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
# Packaging runs in the tests: the fastest compression dpkg reads.
set(CPACK_DEBIAN_COMPRESSION_TYPE zstd)
# The packaging prefix (/usr, the generator's default) leaves an empty usr/
# in the device package; it would be a path both packages share.
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/RemoveEmptyPrefix.cmake)

set(CPACK_DEBIAN_DEVICE_PACKAGE_NAME drawlet)
set(CPACK_DEBIAN_DEVICE_DESCRIPTION "Drawlet, a slide-over panel for the phone's home-screen shell (device files)
The shell library Drawlet and the in-application library DrawletClient, each
beside its filter in /Library/MobileSubstrate/DynamicLibraries, with the
resource bundle DrawletBundle.bundle.

This package is made to be unpacked into a device root
(dpkg -x drawlet.deb ROOT, then drawlet-sim --root ROOT), not installed on
this machine: it has no dependencies of the host's.")

set(CPACK_DEBIAN_SIM_PACKAGE_NAME drawlet-sim)
set(CPACK_DEBIAN_SIM_PACKAGE_SHLIBDEPS ON)
# The shell starts a private bus unless it is given one.
set(CPACK_DEBIAN_SIM_PACKAGE_DEPENDS dbus-daemon)
# Where dpkg-shlibdeps finds the platform the device's libraries need (they
# carry no search path), relative to the package's staging folder.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS usr/lib/drawlet)
set(CPACK_DEBIAN_SIM_DESCRIPTION "Drawlet's phone simulator, with Drawlet loaded into its shell
drawlet-sim runs a simulated phone shell and its demo applications, in a
window or headless from a scenario, with Drawlet's libraries loaded; the
settings tool drawlet-settings changes Drawlet's settings while it runs.
A complete device root (the libraries, the demo applications and the
Settings application) is in /usr/share/drawlet/root.")

# `package_source` (which include(CPack) adds) packs the sources only, not
# the build folders made inside the checkout.
set(CPACK_SOURCE_GENERATOR TXZ)
set(CPACK_SOURCE_IGNORE_FILES "/\\.git/" "/build[^/]*/")

include(CPack)
