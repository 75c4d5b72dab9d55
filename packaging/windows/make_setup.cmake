# Makes the Windows setup from a build: installs the runnable folder with the
# build's own install rules, lists its files for the uninstaller and runs
# makensis over installer.nsi.
#
#   cmake -DBUILD_DIR=... -DSTAGE_DIR=... -DMAKENSIS=... -DVERSION=...
#         -DICON=... -DOUTPUT=... -P make_setup.cmake

foreach(input BUILD_DIR STAGE_DIR MAKENSIS VERSION ICON OUTPUT)
  if(NOT DEFINED ${input})
    message(FATAL_ERROR "make_setup.cmake needs -D${input}=...")
  endif()
endforeach()

file(REMOVE_RECURSE "${STAGE_DIR}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${STAGE_DIR}"
  OUTPUT_QUIET RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "Installing the build into ${STAGE_DIR} failed")
endif()

# The uninstaller removes exactly these files, so a ".conf" file or anything
# else the user keeps in the folder stays, and so does the folder then.
file(GLOB_RECURSE files RELATIVE "${STAGE_DIR}" LIST_DIRECTORIES false "${STAGE_DIR}/*")
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

execute_process(COMMAND "${MAKENSIS}" -V2
    "-DVERSION=${VERSION}" "-DSTAGE=${STAGE_DIR}" "-DREMOVE_LIST=${remove_list_file}"
    "-DICON=${ICON}" "-DOUTPUT=${OUTPUT}" "${CMAKE_CURRENT_LIST_DIR}/installer.nsi"
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "makensis could not make ${OUTPUT}")
endif()
