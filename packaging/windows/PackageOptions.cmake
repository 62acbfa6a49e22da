# Read by cpack for each Windows package, after any -D given to cpack: the
# packages' names follow the version packed, and `NUVESSA_SIGN=1` in the
# environment (scripts/build-windows --sign) signs what Nuvessa ships.

set(CPACK_PACKAGE_FILE_NAME "Nuvessa-${CPACK_PACKAGE_VERSION}-win64")
set(CPACK_ARCHIVE_ZIP_FILE_NAME "${CPACK_PACKAGE_FILE_NAME}")
set(CPACK_NUVESSA_SOURCE_ARCHIVE "${CPACK_PACKAGE_FILE_NAME}-qt-${CPACK_NUVESSA_QT_VERSION}-source.tar")
set(CPACK_NUVESSA_MSI_FILE_NAME "Nuvessa-${CPACK_PACKAGE_VERSION}-x64.msi")

set(CPACK_NUVESSA_SIGN_COMMANDS "")
if("$ENV{NUVESSA_SIGN}" STREQUAL "1")
  # The installer and its uninstaller are signed as NSIS writes them, before they are packed.
  set(CPACK_NUVESSA_SIGN_COMMANDS
      "!finalize '\"${CPACK_NUVESSA_SIGN}\" \"%1\"' = 0\n!uninstfinalize '\"${CPACK_NUVESSA_SIGN}\" \"%1\"' = 0")
endif()
