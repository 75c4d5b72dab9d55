# Warnings and sanitizers live on INTERFACE targets so that every target opts in
# explicitly and nothing leaks into the global flags. They apply to C++ only:
# the resource compiler of a Windows build takes none of them.

set(quorlin_cxx $<COMPILE_LANGUAGE:CXX>)
set(quorlin_cxx_strict $<AND:$<COMPILE_LANGUAGE:CXX>,$<BOOL:${QUORLIN_WARNINGS_AS_ERRORS}>>)

add_library(quorlin_warnings INTERFACE)
if(MSVC)
  target_compile_options(quorlin_warnings INTERFACE
    "$<${quorlin_cxx}:/W4>" "$<${quorlin_cxx_strict}:/WX>")
else()
  target_compile_options(quorlin_warnings INTERFACE
    "$<${quorlin_cxx}:-Wall;-Wextra;-Wpedantic>" "$<${quorlin_cxx_strict}:-Werror>")
endif()

add_library(quorlin_sanitizers INTERFACE)
if(QUORLIN_SANITIZE AND NOT MSVC)
  target_compile_options(quorlin_sanitizers INTERFACE
    "$<${quorlin_cxx}:-fsanitize=address,undefined;-fno-omit-frame-pointer;-fno-sanitize-recover=undefined>")
  target_link_options(quorlin_sanitizers INTERFACE -fsanitize=address,undefined)
endif()
