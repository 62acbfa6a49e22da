# Which folders each folder's sources may include from. Includes are written
# from the project's root, so one include path reaches every folder; the
# build itself looks at every include instead, before anything compiles.
#
#   nuvessa_check_folder_dependencies("<folder>: <folder it may use> ..." ...)
#
# A file belongs to the deepest folder named that holds it; an include of a
# file in a named folder must name that folder among the ones its own may use.
function(nuvessa_check_folder_dependencies)
  set(rules)
  set(sources)
  foreach(rule IN LISTS ARGN)
    string(REGEX REPLACE ":.*" "" folder "${rule}")
    file(GLOB_RECURSE found CONFIGURE_DEPENDS
         ${PROJECT_SOURCE_DIR}/${folder}/*.h ${PROJECT_SOURCE_DIR}/${folder}/*.cpp)
    list(APPEND sources ${found})
    string(REPLACE " " "," rule "${rule}")
    list(APPEND rules "${rule}")
  endforeach()
  list(REMOVE_DUPLICATES sources)
  string(REPLACE ";" "|" rules "${rules}")

  set(stamp ${PROJECT_BINARY_DIR}/folder-dependencies.checked)
  add_custom_command(OUTPUT ${stamp}
    COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${PROJECT_SOURCE_DIR} "-DRULES=${rules}" -DSTAMP=${stamp}
            -P ${PROJECT_SOURCE_DIR}/cmake/CheckFolderDependencies.cmake
    DEPENDS ${sources} ${PROJECT_SOURCE_DIR}/cmake/CheckFolderDependencies.cmake
    COMMENT "Checking which folders each folder includes from"
    VERBATIM)
  add_custom_target(nuvessa_folder_dependencies ALL DEPENDS ${stamp})
  # The lowest library waits for the check, so every build of the program runs it.
  add_dependencies(nuvessa_app_logic nuvessa_folder_dependencies)
endfunction()
