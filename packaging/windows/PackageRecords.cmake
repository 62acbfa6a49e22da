# Run by CPack for each Windows package once the folder is laid out, before it
# is packed: strips the programs and libraries of their symbols, signs the
# program when signing is asked for, writes the
# notices and the licence texts from the parts' records and the list of the
# package's parts, and gives every file the commit's time, so that the same
# commit packs to the same bytes.

set(folder "${CPACK_TEMPORARY_INSTALL_DIRECTORY}")
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(epoch "$ENV{SOURCE_DATE_EPOCH}")
else()
  set(epoch "${CPACK_NUVESSA_SOURCE_DATE_EPOCH}")
  set(ENV{SOURCE_DATE_EPOCH} "${epoch}")
endif()
if(NOT CPACK_NUVESSA_PYTHON)
  message(FATAL_ERROR "Packing needs Debian's python3, with python3-debian and python3-license-expression")
endif()
if(NOT EXISTS "${CPACK_NUVESSA_QT_RECORDS}/sources-used.tsv")
  message(FATAL_ERROR "The toolkit at ${CPACK_NUVESSA_QT_RECORDS} has no records of its parts: "
                      "the Windows packages are made with the toolkit that scripts/build-qt-windows builds")
endif()

function(nuvessa_run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "${ARGN} failed")
  endif()
endfunction()

file(GLOB_RECURSE binaries "${folder}/*.exe" "${folder}/*.dll")
# A Windows library finds its exports and relocations in sections of their own, not in the symbols.
nuvessa_run(${CPACK_NUVESSA_STRIP} --strip-all ${binaries})
# Signed once stripped, since stripping would drop the signature; the parts list then names the signed program.
if("$ENV{NUVESSA_SIGN}" STREQUAL "1")
  nuvessa_run(${CPACK_NUVESSA_SIGN} "${folder}/nuvessa.exe")
endif()

if(CPACK_GENERATOR STREQUAL "NSIS")
  set(package "${CPACK_PACKAGE_FILE_NAME}.exe")
elseif(CPACK_GENERATOR STREQUAL "External")
  set(package "${CPACK_NUVESSA_MSI_FILE_NAME}")
else()
  set(package "${CPACK_PACKAGE_FILE_NAME}.zip")
endif()
set(runtime "")
foreach(library IN LISTS CPACK_NUVESSA_RUNTIME)
  get_filename_component(name "${library}" NAME)
  list(APPEND runtime --runtime "${name}=${library}")
endforeach()
set(parts "${CPACK_TOPLEVEL_DIRECTORY}/${package}.parts.json")
nuvessa_run(${CPACK_NUVESSA_PYTHON} ${CPACK_NUVESSA_PACKAGING_DIR}/windows/make_notices.py
  --folder "${folder}" --qt-records "${CPACK_NUVESSA_QT_RECORDS}"
  --program nuvessa.exe --program-version "${CPACK_PACKAGE_VERSION}"
  --program-licence "${CPACK_NUVESSA_LICENCE}" --program-links lib/libQt6EntryPoint.a
  ${runtime} --source-archive "${CPACK_NUVESSA_SOURCE_ARCHIVE}" --parts "${parts}")
nuvessa_run(${CPACK_NUVESSA_PYTHON} ${CPACK_NUVESSA_PACKAGING_DIR}/make_sbom.py
  --folder "${folder}" --name "${package}" --version "${CPACK_PACKAGE_VERSION}"
  --out "${folder}/Nuvessa.spdx.json" --parts "${parts}"
  --program-licence "${CPACK_NUVESSA_LICENCE}" --licence-texts "${folder}/LICENSES")

file(GLOB_RECURSE staged LIST_DIRECTORIES true "${folder}/*")
nuvessa_run(${CMAKE_COMMAND} -E env TZ=UTC touch --no-dereference -d "@${epoch}" ${staged})
