# Compiler settings shared by every target of the project.

add_library(project_options INTERFACE)
target_include_directories(project_options INTERFACE ${PROJECT_SOURCE_DIR})
target_compile_options(project_options INTERFACE -Wall -Wextra -Werror)

if(WIN32)
  # Generic API names mean the wide ones; the 8-bit calls are spelled out
  # where the memo text must stay in the ANSI code page.
  target_compile_definitions(project_options INTERFACE
    UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
  # One self-contained executable: the C++ runtime and libgcc are linked in.
  target_link_options(project_options INTERFACE -static -static-libgcc -static-libstdc++)
endif()

if(ANSIUTF8_SANITIZE AND NOT WIN32)
  target_compile_options(project_options INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(project_options INTERFACE -fsanitize=address,undefined)
endif()

if(ANSIUTF8_FUZZ)
  # Every library is instrumented for coverage so that the fuzzers can steer by it.
  target_compile_options(project_options INTERFACE -fsanitize=fuzzer-no-link,address,undefined)
  target_link_options(project_options INTERFACE -fsanitize=address,undefined)
endif()

# add_project_library(<name> <sources>...): a static library with the project settings.
function(add_project_library name)
  add_library(${name} STATIC ${ARGN})
  target_link_libraries(${name} PUBLIC project_options)
endfunction()
