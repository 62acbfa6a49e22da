# The start-up on Windows (bench/startup-windows.sh): the bare one-label
# program, with the same libraries and plug-ins beside it as the program has
# beside itself, and a probe that times both on the Windows desktop.

# A windowed program like nuvessa.exe: no console comes with it.
add_executable(bare_qt_window WIN32 BareTextWindow.cpp)
target_link_libraries(bare_qt_window PRIVATE Qt6::Widgets nuvessa_warnings)
nuvessa_copy_windows_runtime_beside(bare_qt_window)
# With the program's manifest (the common controls it asks for, the display's
# scale per monitor), so that both start with the same libraries and settings.
file(CONFIGURE OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/bare_qt_window.rc
     CONTENT "1 24 \"${PROJECT_SOURCE_DIR}/app/root/windows/nuvessa.manifest\"\n")
target_sources(bare_qt_window PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/bare_qt_window.rc)
set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/bare_qt_window.rc PROPERTIES
  OBJECT_DEPENDS ${PROJECT_SOURCE_DIR}/app/root/windows/nuvessa.manifest)

# Plain Windows code: no toolkit, and a static runtime, so that it loads
# nothing the programs it times load.
add_executable(startup_probe StartupProbeWindows.cpp)
set_target_properties(startup_probe PROPERTIES AUTOMOC OFF)
target_link_libraries(startup_probe PRIVATE nuvessa_warnings)
target_link_options(startup_probe PRIVATE $<$<CXX_COMPILER_ID:GNU>:-static>)

# Run once, briefly, under Wine, on the tests' own desktop; no figure fails the build.
if(NUVESSA_BUILD_TESTS AND CMAKE_CROSSCOMPILING)
  add_test(NAME StartupBenchmark
           COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/startup-windows.sh ${PROJECT_BINARY_DIR} 3 ${PROJECT_BINARY_DIR}/wine-prefix)
  set_tests_properties(StartupBenchmark PROPERTIES
    LABELS bench TIMEOUT 300 FIXTURES_REQUIRED WineDesktop RESOURCE_LOCK wine_desktop)
endif()
