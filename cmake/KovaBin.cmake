# Helpers for the areas: sub-folder discovery and data files copied into the bin/ layout.
include_guard(GLOBAL)

# Adds every direct sub-folder of the current source folder that has a CMakeLists.txt.
macro(kova_add_subfolders)
  file(GLOB _kova_children LIST_DIRECTORIES true RELATIVE ${CMAKE_CURRENT_SOURCE_DIR}
       ${CMAKE_CURRENT_SOURCE_DIR}/*)
  list(SORT _kova_children)
  foreach(_kova_child ${_kova_children})
    if(IS_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/${_kova_child}
       AND EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${_kova_child}/CMakeLists.txt)
      add_subdirectory(${_kova_child})
    endif()
  endforeach()
endmacro()

# kova_copy_to_bin(<target> DEST <folder below bin, or .> FILES <file>...)
# Copies data files into bin/ whenever they change, as part of building <target>
# (a custom target made here when it does not exist yet).
function(kova_copy_to_bin target)
  cmake_parse_arguments(arg "" "DEST" "FILES" ${ARGN})
  set(outputs)
  foreach(file ${arg_FILES})
    get_filename_component(abs ${file} ABSOLUTE)
    get_filename_component(name ${file} NAME)
    set(out ${KOVA_BIN_DIR}/${arg_DEST}/${name})
    add_custom_command(OUTPUT ${out}
      COMMAND ${CMAKE_COMMAND} -E copy_if_different ${abs} ${out}
      DEPENDS ${abs} VERBATIM)
    list(APPEND outputs ${out})
  endforeach()
  if(NOT TARGET ${target})
    add_custom_target(${target} ALL)
  endif()
  string(MAKE_C_IDENTIFIER "${target}_${arg_DEST}_${CMAKE_CURRENT_SOURCE_DIR}" stamp)
  add_custom_target(${stamp} DEPENDS ${outputs})
  add_dependencies(${target} ${stamp})
endfunction()
