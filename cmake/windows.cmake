# The Windows program, its stand-in console tool and the tests that run under Wine.
set(CMAKE_EXE_LINKER_FLAGS "${CMAKE_EXE_LINKER_FLAGS} -static -static-libgcc -static-libstdc++")

add_library(merrowin_win STATIC
  text/files_win.cpp
  console/runner_win.cpp
  console/responsive_wait_win.cpp
  app/main_window_win.cpp
  app/main_window_controls_win.cpp
  app/escape_close_win.cpp
  app/window_access_win.cpp
  app/window_text_win.cpp
  app/startup_notice_win.cpp
  app/start_sequence_win.cpp
)
target_link_libraries(merrowin_win PUBLIC merrowin_core comctl32 user32 gdi32)
# The handlers in the portable library call the window, runner and file services back.
target_link_libraries(merrowin_core INTERFACE merrowin_win)

# Icon, manifest and the notice dialog, for every program that opens the window.
set(MERROWIN_RESOURCES ${PROJECT_SOURCE_DIR}/app/res/merrowin.rc)

add_executable(merrowin WIN32 app/main_win.cpp app/probe_off.cpp ${MERROWIN_RESOURCES})
target_link_libraries(merrowin PRIVATE merrowin_win)

# The stand-in console tool and the program that lays a simulated emulator folder.
add_library(lsconsole_folder STATIC lsconsole/emulator_folder_win.cpp lsconsole/faults_win.cpp lsconsole/demo_folder_win.cpp)
target_link_libraries(lsconsole_folder PUBLIC merrowin_win)
add_executable(lsconsole lsconsole/main_win.cpp)
target_link_libraries(lsconsole PRIVATE lsconsole_folder)
add_executable(lay_demo_folder lsconsole/lay_demo_folder_win.cpp)
target_link_libraries(lay_demo_folder PRIVATE lsconsole_folder)
add_dependencies(lay_demo_folder lsconsole)

if(BUILD_TESTING)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  include(GoogleTest)
  add_subdirectory(tests/win)
endif()

# Benchmarks: programs run by scripts/bench.sh, not tests.
add_executable(runner_bench bench/runner_bench_win.cpp)
target_link_libraries(runner_bench PRIVATE merrowin_win)
add_executable(app_bench bench/app_bench_win.cpp app/probe_off.cpp ${MERROWIN_RESOURCES})
target_link_libraries(app_bench PRIVATE lsconsole_folder)
add_dependencies(app_bench lsconsole)
