# Run by CPack once the Debian package's files are laid out, before they are
# packed: writes the list of the package's parts, with the Debian packages it
# is linked against at the versions it was built with, and gives every file
# the commit's time.

set(folder "${CPACK_TEMPORARY_DIRECTORY}")
if(NOT CPACK_NUVESSA_PYTHON)
  message(FATAL_ERROR "Packing needs Debian's python3, with python3-debian and python3-license-expression")
endif()
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  set(ENV{SOURCE_DATE_EPOCH} "${CPACK_NUVESSA_SOURCE_DATE_EPOCH}")
endif()
execute_process(
  COMMAND ${CPACK_NUVESSA_PYTHON} ${CPACK_NUVESSA_PACKAGING_DIR}/make_sbom.py
    --folder "${folder}" --name "${CPACK_PACKAGE_NAME}_${CPACK_PACKAGE_VERSION}.deb"
    --version "${CPACK_PACKAGE_VERSION}" --out "${folder}/usr/share/doc/nuvessa/nuvessa.spdx.json"
    --program-licence "${CPACK_NUVESSA_LICENCE}"
    --debian-program usr/lib/nuvessa/nuvessa --debian-depends ${CPACK_DEBIAN_PACKAGE_DEPENDS}
  RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "The Debian package's parts list could not be written")
endif()
file(GLOB_RECURSE staged LIST_DIRECTORIES true "${folder}/*")
execute_process(COMMAND touch --no-dereference -d "@$ENV{SOURCE_DATE_EPOCH}" ${staged})
