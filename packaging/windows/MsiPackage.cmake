# Run by CPack's External generator once the folder is laid out and its
# notices and parts list are written: makes the MSI of it, and signs it when
# signing is asked for.

set(msi "${CPACK_TOPLEVEL_DIRECTORY}/${CPACK_NUVESSA_MSI_FILE_NAME}")
execute_process(COMMAND ${CPACK_NUVESSA_PYTHON} ${CPACK_NUVESSA_PACKAGING_DIR}/windows/make_msi.py
                        --folder "${CPACK_TEMPORARY_DIRECTORY}" --version "${CPACK_PACKAGE_VERSION}"
                        --manufacturer "${CPACK_PACKAGE_VENDOR}" --icon "${CPACK_NUVESSA_ICON}" --out "${msi}"
                RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "The MSI could not be made (needs Debian's wixl and python3-olefile)")
endif()
if("$ENV{NUVESSA_SIGN}" STREQUAL "1")
  execute_process(COMMAND ${CPACK_NUVESSA_SIGN} "${msi}" RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "The MSI could not be signed")
  endif()
endif()
set(CPACK_EXTERNAL_BUILT_PACKAGES "${msi}")
