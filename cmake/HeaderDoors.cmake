# Include directories that open only a target's own headers.
#
#   mensurex_header_doors(<target> [BASE <dir>] [PUBLIC <header>...]
#                         [PRIVATE <glob>...])
#
# Each header is linked into a folder of the build tree under its path
# relative to BASE (by default the project's source directory), so that an
# include such as "ui/main/frm_main.h" keeps its spelling while the headers
# beside it stay out of sight. The PUBLIC headers go into a folder that the
# target opens to whatever links it; the headers that the PRIVATE globs find,
# less the public ones, into a folder that only the target's own sources see.
# The globs are checked at every build, so a header added to the folder is
# found without a change here. Relative paths and globs are taken from the
# calling directory. A source of another target that includes a private header
# does not compile.
function(mensurex_header_doors target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "BASE" "PUBLIC;PRIVATE")
  if(arg_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "mensurex_header_doors: unknown arguments ${arg_UNPARSED_ARGUMENTS}")
  endif()
  if(NOT arg_BASE)
    set(arg_BASE "${PROJECT_SOURCE_DIR}")
  endif()
  set(farm "${PROJECT_BINARY_DIR}/include/${target}")
  # Made afresh at every configure, so that no header outlives its listing.
  file(REMOVE_RECURSE "${farm}")

  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    set(public_scope INTERFACE)
  else()
    set(public_scope PUBLIC)
  endif()

  set(public_paths "")
  foreach(header IN LISTS arg_PUBLIC)
    get_filename_component(path "${header}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_SOURCE_DIR}")
    if(NOT EXISTS "${path}")
      message(FATAL_ERROR "mensurex_header_doors(${target}): no header ${path}")
    endif()
    list(APPEND public_paths "${path}")
    _mensurex_link_header("${path}" "${arg_BASE}" "${farm}/public")
  endforeach()
  if(public_paths)
    target_include_directories(${target} ${public_scope} "${farm}/public")
  endif()

  if(arg_PRIVATE)
    list(TRANSFORM arg_PRIVATE PREPEND "${CMAKE_CURRENT_SOURCE_DIR}/")
    file(GLOB private_paths CONFIGURE_DEPENDS ${arg_PRIVATE})
    if(public_paths AND private_paths)
      list(REMOVE_ITEM private_paths ${public_paths})
    endif()
    foreach(path IN LISTS private_paths)
      _mensurex_link_header("${path}" "${arg_BASE}" "${farm}/private")
    endforeach()
    file(MAKE_DIRECTORY "${farm}/private")
    target_include_directories(${target} PRIVATE "${farm}/private")
  endif()
endfunction()

# Links `path` into `folder` under its path relative to `base`.
function(_mensurex_link_header path base folder)
  file(RELATIVE_PATH spelling "${base}" "${path}")
  if(spelling MATCHES "^\\.\\./")
    message(FATAL_ERROR "mensurex_header_doors: ${path} is not under ${base}")
  endif()
  get_filename_component(parent "${folder}/${spelling}" DIRECTORY)
  file(MAKE_DIRECTORY "${parent}")
  file(CREATE_LINK "${path}" "${folder}/${spelling}" SYMBOLIC)
endfunction()
