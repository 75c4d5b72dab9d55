# What a Windows build of the panel needs beside its executables: the mingw-w64
# runtime DLLs, Qt's DLLs and the Qt plugins the panel loads. The install rules
# lay out the runnable folder (what windeployqt would copy); the test programs
# find the same DLLs where they are, through the wine runner's search path.

set(QUORLIN_MINGW_RUNTIME_DLLS)
if(MINGW)
  foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
      OUTPUT_VARIABLE dll_path OUTPUT_STRIP_TRAILING_WHITESPACE)
    get_filename_component(dll_path "${dll_path}" REALPATH)
    if(NOT EXISTS "${dll_path}")
      message(FATAL_ERROR "The compiler does not know where ${dll} is")
    endif()
    list(APPEND QUORLIN_MINGW_RUNTIME_DLLS "${dll_path}")
  endforeach()
endif()

# quorlin_install_windows_runtime(TARGET): installs TARGET with every DLL and
# plugin it needs into the installation's top folder.
function(quorlin_install_windows_runtime target)
  install(TARGETS ${target} RUNTIME DESTINATION .)
  install(FILES ${QUORLIN_MINGW_RUNTIME_DLLS} DESTINATION .)
  install(FILES $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>
    DESTINATION .)
  install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin>
    $<TARGET_FILE:Qt6::QOffscreenIntegrationPlugin> DESTINATION platforms)
endfunction()

# Test programs cross-built for Windows run under wine: CTest starts each one
# through the runner, in a wine prefix of this build folder, with Qt's and the
# runtime's DLLs on the search path.
if(CMAKE_CROSSCOMPILING AND WIN32 AND NOT CMAKE_CROSSCOMPILING_EMULATOR)
  set(dll_dirs ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS})
  foreach(dll IN LISTS QUORLIN_MINGW_RUNTIME_DLLS)
    get_filename_component(dll_dir "${dll}" DIRECTORY)
    list(APPEND dll_dirs "${dll_dir}")
  endforeach()
  list(REMOVE_DUPLICATES dll_dirs)
  list(JOIN dll_dirs ":" dll_path)
  set(CMAKE_CROSSCOMPILING_EMULATOR
    ${PROJECT_SOURCE_DIR}/tests/wine/run_in_wine.sh ${CMAKE_BINARY_DIR}/wine-prefix ${dll_path})
endif()
