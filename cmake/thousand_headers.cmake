# Each target sees the headers of its own folder and of the targets it links, nothing more.
# Headers are included by their folder ("game/options.h"), so the project root can be on no
# include path: it would show every layer to every other. Instead each target gets a folder of
# its own, <build>/include/<target>, holding symbolic links to its headers under their source
# paths; that folder is the target's include root and passes to whatever links the target.
# An include of a layer the target does not link then fails to compile.
#
# thousand_headers(TARGET [HEADER...]): the header beside each of the target's sources (x.h
# for x.cpp, in the current source folder) plus the headers named, relative to the current
# source folder. Call it after the target's sources are all added. A header belongs to the
# first target that names it: an interface declared below its implementation (the clock, for
# one) is staged with the lower target and the implementation sees it from there.
function(thousand_headers target)
  set(root ${CMAKE_BINARY_DIR}/include/${target})
  # Made afresh on every configure, so a header that leaves the target leaves its folder too.
  file(REMOVE_RECURSE ${root})
  file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  if(folder)
    string(APPEND folder /)
  endif()
  get_target_property(type ${target} TYPE)
  set(headers ${ARGN})
  if(NOT type STREQUAL "INTERFACE_LIBRARY")
    get_target_property(sources ${target} SOURCES)
    foreach(source ${sources})
      cmake_path(REPLACE_EXTENSION source LAST_ONLY .h OUTPUT_VARIABLE header)
      if(NOT IS_ABSOLUTE ${header} AND EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${header})
        list(APPEND headers ${header})
      endif()
    endforeach()
  endif()
  get_property(claimed GLOBAL PROPERTY THOUSAND_STAGED_HEADERS)
  foreach(header ${headers})
    if("${folder}${header}" IN_LIST claimed)
      continue()
    endif()
    set_property(GLOBAL APPEND PROPERTY THOUSAND_STAGED_HEADERS ${folder}${header})
    set(link ${root}/${folder}${header})
    cmake_path(GET link PARENT_PATH parent)
    file(MAKE_DIRECTORY ${parent})
    file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR}/${header} ${link} SYMBOLIC)
  endforeach()
  if(type STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${target} INTERFACE ${root})
  elseif(type STREQUAL "EXECUTABLE")
    target_include_directories(${target} PRIVATE ${root})
  else()
    target_include_directories(${target} PUBLIC ${root})
  endif()
endfunction()
