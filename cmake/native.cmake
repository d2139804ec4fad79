# Native build of the portable logic and its tests, under ASan and UBSan.
set(MERROWIN_SANITIZE -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
target_compile_options(merrowin_core PRIVATE ${MERROWIN_SANITIZE})

if(BUILD_TESTING)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  include(GoogleTest)
  add_subdirectory(tests/native)
endif()
