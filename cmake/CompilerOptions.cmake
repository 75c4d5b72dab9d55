# Warnings and sanitizers live on INTERFACE targets so that every target opts in
# explicitly and nothing leaks into the global flags.

add_library(quorlin_warnings INTERFACE)
if(MSVC)
  target_compile_options(quorlin_warnings INTERFACE /W4 $<$<BOOL:${QUORLIN_WARNINGS_AS_ERRORS}>:/WX>)
else()
  target_compile_options(quorlin_warnings INTERFACE
    -Wall -Wextra -Wpedantic
    $<$<BOOL:${QUORLIN_WARNINGS_AS_ERRORS}>:-Werror>)
endif()

add_library(quorlin_sanitizers INTERFACE)
if(QUORLIN_SANITIZE AND NOT MSVC)
  target_compile_options(quorlin_sanitizers INTERFACE
    -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(quorlin_sanitizers INTERFACE -fsanitize=address,undefined)
endif()
