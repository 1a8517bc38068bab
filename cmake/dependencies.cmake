# Third-party libraries: Debian's packages natively, the bootstrap script's
# static builds for Windows.

if(WIN32)
  set(_deps_prefix "${ANSIUTF8_DEPS}/${CMAKE_SYSTEM_PROCESSOR}")
  if(NOT EXISTS "${_deps_prefix}/lib/libjpeg.a")
    message(FATAL_ERROR "Windows libraries missing in ${_deps_prefix}: run scripts/bootstrap.sh")
  endif()
  list(PREPEND CMAKE_FIND_ROOT_PATH "${_deps_prefix}")
  list(PREPEND CMAKE_PREFIX_PATH "${_deps_prefix}")
  add_library(jpeg_lib STATIC IMPORTED GLOBAL)
  set_target_properties(jpeg_lib PROPERTIES
    IMPORTED_LOCATION "${_deps_prefix}/lib/libjpeg.a"
    INTERFACE_INCLUDE_DIRECTORIES "${_deps_prefix}/include")
else()
  find_package(JPEG REQUIRED)
  add_library(jpeg_lib INTERFACE IMPORTED GLOBAL)
  target_link_libraries(jpeg_lib INTERFACE JPEG::JPEG)
endif()

if(ANSIUTF8_TESTS)
  find_package(GTest REQUIRED)
  find_package(Threads REQUIRED)
endif()
if(ANSIUTF8_BENCH)
  find_package(benchmark REQUIRED)
endif()
