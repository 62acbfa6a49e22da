# What the program needs beside it to run on a Windows that has nothing else
# installed: the toolkit's libraries and plug-ins, and, with mingw-w64, the C++
# runtime that both are built against. (Visual C++'s runtime is installed with
# Windows' own redistributable instead.)

# The runtime libraries as the compiler itself finds them.
set(nuvessa_compiler_runtime "")
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  foreach(library libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${library}
                    OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${found}" OR NOT EXISTS "${found}")
      message(FATAL_ERROR "${CMAKE_CXX_COMPILER} does not find ${library}")
    endif()
    list(APPEND nuvessa_compiler_runtime ${found})
  endforeach()
endif()

# The toolkit's libraries, and its plug-ins each in the folder it is looked for in.
set(nuvessa_qt_libraries $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>)
set(nuvessa_qt_plugins
    platforms Qt6::QWindowsIntegrationPlugin
    imageformats Qt6::QJpegPlugin
    styles Qt6::QWindowsVistaStylePlugin)

# Copies them all beside the given executable after every build.
function(nuvessa_copy_windows_runtime_beside target)
  set(folder $<TARGET_FILE_DIR:${target}>)
  set(commands COMMAND ${CMAKE_COMMAND} -E copy_if_different ${nuvessa_compiler_runtime} ${nuvessa_qt_libraries} ${folder})
  set(plugins ${nuvessa_qt_plugins})
  while(plugins)
    list(POP_FRONT plugins subfolder plugin)
    list(APPEND commands
      COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}/${subfolder}
      COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:${plugin}> ${folder}/${subfolder})
  endwhile()
  add_custom_command(TARGET ${target} POST_BUILD ${commands} VERBATIM)
endfunction()

# Installs the same beside the program in the install folder.
function(nuvessa_install_windows_runtime destination)
  install(FILES ${nuvessa_compiler_runtime} ${nuvessa_qt_libraries} DESTINATION ${destination})
  set(plugins ${nuvessa_qt_plugins})
  while(plugins)
    list(POP_FRONT plugins subfolder plugin)
    install(FILES $<TARGET_FILE:${plugin}> DESTINATION ${destination}/${subfolder})
  endwhile()
endfunction()
