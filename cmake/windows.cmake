# The Windows program, its stand-in console tool and the tests that run under Wine.
set(CMAKE_EXE_LINKER_FLAGS "${CMAKE_EXE_LINKER_FLAGS} -static -static-libgcc -static-libstdc++")

add_library(merrowin_win STATIC
  text/files_win.cpp
)
target_link_libraries(merrowin_win PUBLIC merrowin_core)

add_executable(merrowin WIN32 app/main_win.cpp)
target_link_libraries(merrowin PRIVATE merrowin_win)

if(BUILD_TESTING)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  include(GoogleTest)
  add_subdirectory(tests/win)
endif()
