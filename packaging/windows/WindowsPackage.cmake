# Nuvessa for Windows: `cpack` in the build folder (or scripts/build-windows
# --installer) makes, from the one folder laid out here:
# - Nuvessa-1.0-win64.exe, an installer built with NSIS, per machine or per user;
# - Nuvessa-1.0-x64.msi, a Windows Installer package built with wixl, for IT's
#   deployment tools;
# - Nuvessa-1.0-win64.zip, the folder to run from anywhere.

install(TARGETS nuvessa RUNTIME DESTINATION .)
install(FILES ${NUVESSA_PICTURES} DESTINATION .)
nuvessa_install_windows_runtime(.)

set(CPACK_GENERATOR "NSIS;External;ZIP")
set(CPACK_PACKAGE_NAME "Nuvessa")
set(CPACK_PACKAGE_VENDOR "Nuvessa")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Nuvessa")
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY "Nuvessa")
set(CPACK_PACKAGE_DIRECTORY "${PROJECT_BINARY_DIR}/packages")
# The ZIP holds one folder, Nuvessa-1.0-win64, with the program at its top.
set(CPACK_ZIP_COMPONENT_INSTALL OFF)
set(CPACK_NSIS_MUI_ICON "${NUVESSA_ICON_DIR}/nuvessa.ico")
set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
# The MSI: CPack lays out the folder, and make_msi.py makes the package of it.
set(CPACK_EXTERNAL_ENABLE_STAGING ON)
# The format of CPack's description of the folder for the script, not Nuvessa's version.
set(CPACK_EXTERNAL_REQUESTED_VERSIONS "1.0")
set(CPACK_EXTERNAL_PACKAGE_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/MsiPackage.cmake)
set(CPACK_NUVESSA_ICON ${NUVESSA_ICON_DIR}/nuvessa.ico)
set(CPACK_NUVESSA_SIGN ${CMAKE_CURRENT_LIST_DIR}/sign-authenticode)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/PackageOptions.cmake)

# Each package carries its notices, the licence texts and the list of its
# parts, written from the parts' records as the folder is packed; the
# toolkit's corresponding source stands beside the packages.
file(STRINGS ${PROJECT_SOURCE_DIR}/LICENSES/LicenseRef-Nuvessa-Proprietary.txt copyright REGEX "^Copyright" LIMIT_COUNT 1)
string(REGEX REPLACE " <.*" "" CPACK_NUVESSA_COPYRIGHT "${copyright}")
set(CPACK_NUVESSA_QT_RECORDS ${NUVESSA_QT_WINDOWS}/share/nuvessa)
set(CPACK_NUVESSA_RUNTIME ${nuvessa_compiler_runtime})
set(CPACK_NUVESSA_STRIP ${CMAKE_STRIP})
set(CPACK_NUVESSA_QT_VERSION ${Qt6_VERSION})
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/PackageRecords.cmake)
add_custom_target(qt_source_archive
  COMMAND ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${CPACK_NUVESSA_SOURCE_DATE_EPOCH}
          ${NUVESSA_PYTHON} ${CMAKE_CURRENT_LIST_DIR}/make_source_archive.py
          ${CPACK_NUVESSA_QT_RECORDS} ${CPACK_PACKAGE_DIRECTORY}/Nuvessa-${PROJECT_VERSION}-win64-qt-${Qt6_VERSION}-source.tar
  COMMENT "Writing the toolkit's corresponding source beside the packages" VERBATIM)
# The installer's script is the project's own, in this folder.
list(PREPEND CMAKE_MODULE_PATH "${CMAKE_CURRENT_LIST_DIR}")
include(CPack)

set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON PARENT_SCOPE)
