# What a library publishes: the headers other libraries may include of it. Each stays where it is and is
# included by its path from the source root ("word/engine/docx.h"), through a forwarding header in a folder
# made for the library, which is the library's only public include path. Everything else in its folder is
# its own: its sources include it by a path relative to themselves, and no other library finds it.
#
#   tavrin_public_headers(<library> <header, relative to this folder>...)
function(tavrin_public_headers library)
  set(folder ${CMAKE_BINARY_DIR}/published/${library})
  set(published)
  foreach(header ${ARGN})
    set(source ${CMAKE_CURRENT_SOURCE_DIR}/${header})
    if(NOT EXISTS ${source})
      message(FATAL_ERROR "${library} publishes ${header}, which is not there")
    endif()
    file(RELATIVE_PATH path ${PROJECT_SOURCE_DIR} ${source})
    # Relative to the forwarding header, so that two checkouts built alike compile the same text (a
    # compiler cache then serves both). Written only when it changes, so that a configure rebuilds nothing.
    get_filename_component(forwarding_folder ${folder}/${path} DIRECTORY)
    file(RELATIVE_PATH target ${forwarding_folder} ${source})
    file(CONFIGURE OUTPUT ${folder}/${path} CONTENT "#include \"${target}\"\n" @ONLY)
    list(APPEND published ${folder}/${path})
  endforeach()
  # A header no longer published is no longer found.
  file(GLOB_RECURSE present LIST_DIRECTORIES false ${folder}/*)
  foreach(file ${present})
    if(NOT file IN_LIST published)
      file(REMOVE ${file})
    endif()
  endforeach()
  get_target_property(type ${library} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${library} INTERFACE ${folder})
  else()
    target_include_directories(${library} PUBLIC ${folder})
  endif()
endfunction()
