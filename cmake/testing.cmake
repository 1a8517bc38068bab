# add_project_test(<name> SOURCES <files>... LIBS <targets>... [CODE_PAGES <cp>...] [GUI])
#
# One GoogleTest executable, registered once per code page it must pass under.
# Natively the code page is irrelevant and the test is registered once. Under
# Wine the ANSI code page follows the Unix locale, so each registration gets the
# locale that selects it. GUI tests share the virtual display and run one at a
# time; they run in the 32-bit build only, the program's own target (the 64-bit
# build runs the portable tests: Wine's 64-bit text shaping crashes on some
# texts in edit controls, which says nothing about our code).
set(ANSIUTF8_LOCALE_1251 "ru_RU.UTF-8")
set(ANSIUTF8_LOCALE_1252 "en_US.UTF-8")

function(add_project_test name)
  cmake_parse_arguments(T "GUI" "" "SOURCES;LIBS;CODE_PAGES" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} project_options GTest::gmock GTest::gtest_main
                        Threads::Threads)
  if(WIN32 AND T_GUI AND NOT CMAKE_SIZEOF_VOID_P EQUAL 4)
    return()
  endif()
  if(WIN32)
    if(NOT T_CODE_PAGES)
      set(T_CODE_PAGES 1252)
    endif()
    foreach(cp IN LISTS T_CODE_PAGES)
      add_test(NAME ${name}.cp${cp} COMMAND ${name})
      set_tests_properties(${name}.cp${cp} PROPERTIES
        ENVIRONMENT "LANG=${ANSIUTF8_LOCALE_${cp}};LC_ALL=${ANSIUTF8_LOCALE_${cp}}"
        RUN_SERIAL ${T_GUI}
        TIMEOUT 300)
    endforeach()
  else()
    add_test(NAME ${name} COMMAND ${name})
  endif()
endfunction()
