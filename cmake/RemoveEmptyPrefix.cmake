# CPack pre-build script: in the device package, the top folder of the
# packaging prefix (usr/) holds nothing; it goes, so that the device package
# holds only the device's own folders.
string(REGEX MATCH "^/[^/]+" prefix_top "${CPACK_PACKAGING_INSTALL_PREFIX}")
set(folder "${CPACK_TEMPORARY_DIRECTORY}/device${prefix_top}")
file(GLOB_RECURSE files "${folder}/*")
if(prefix_top AND IS_DIRECTORY "${folder}" AND NOT files)
    file(REMOVE_RECURSE "${folder}")
endif()
