# Makes the two Windows packages from a build: installs the runnable folder
# Quorlin with the build's own install rules, strips its debugging symbols
# (they are more than half of its size), zips it and makes the setup with
# makensis over installer.nsi, whose uninstaller gets the folder's file list.
#
#   cmake -DBUILD_DIR=... -DSTAGE_DIR=.../Quorlin -DSTRIP=... -DMAKENSIS=...
#         -DVERSION=... -DICON=... -DZIP=... -DSETUP=... -P make_packages.cmake

foreach(input BUILD_DIR STAGE_DIR STRIP MAKENSIS VERSION ICON ZIP SETUP)
  if(NOT DEFINED ${input})
    message(FATAL_ERROR "make_packages.cmake needs -D${input}=...")
  endif()
endforeach()

function(run what)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${what} failed")
  endif()
endfunction()

file(REMOVE_RECURSE "${STAGE_DIR}")
run("Installing the build into ${STAGE_DIR}"
  "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${STAGE_DIR}")
file(GLOB_RECURSE files RELATIVE "${STAGE_DIR}" LIST_DIRECTORIES false "${STAGE_DIR}/*")
foreach(file IN LISTS files)
  run("Stripping ${file}" "${STRIP}" --strip-unneeded "${STAGE_DIR}/${file}")
endforeach()

get_filename_component(stage_parent "${STAGE_DIR}" DIRECTORY)
get_filename_component(stage_name "${STAGE_DIR}" NAME)
file(REMOVE "${ZIP}")
run("Zipping ${STAGE_DIR} into ${ZIP}" "${CMAKE_COMMAND}" -E chdir "${stage_parent}"
  "${CMAKE_COMMAND}" -E tar cf "${ZIP}" --format=zip "${stage_name}")

# The uninstaller removes exactly these files, so a ".conf" file or anything
# else the user keeps in the folder stays, and so does the folder then.
file(GLOB_RECURSE folders RELATIVE "${STAGE_DIR}" LIST_DIRECTORIES true "${STAGE_DIR}/*")
list(REMOVE_ITEM folders ${files})
list(SORT folders ORDER DESCENDING)
set(remove_list "!macro QUORLIN_REMOVE_FILES\n")
foreach(file IN LISTS files)
  string(REPLACE "/" "\\" file "${file}")
  string(APPEND remove_list "  Delete \"$INSTDIR\\${file}\"\n")
endforeach()
foreach(folder IN LISTS folders)
  string(REPLACE "/" "\\" folder "${folder}")
  string(APPEND remove_list "  RMDir \"$INSTDIR\\${folder}\"\n")
endforeach()
string(APPEND remove_list "!macroend\n")
set(remove_list_file "${STAGE_DIR}.remove.nsh")
file(WRITE "${remove_list_file}" "${remove_list}")

run("makensis making ${SETUP}" "${MAKENSIS}" -V2
  "-DVERSION=${VERSION}" "-DSTAGE=${STAGE_DIR}" "-DREMOVE_LIST=${remove_list_file}"
  "-DICON=${ICON}" "-DOUTPUT=${SETUP}" "${CMAKE_CURRENT_LIST_DIR}/installer.nsi")
