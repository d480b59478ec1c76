# Warning flags for the project's own targets (never for third-party code).
function(vapentis_warnings target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4 /utf-8 /permissive-)
    if(VAPENTIS_WARNINGS_AS_ERRORS)
      target_compile_options(${target} PRIVATE /WX)
    endif()
  else()
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
    if(VAPENTIS_WARNINGS_AS_ERRORS)
      target_compile_options(${target} PRIVATE -Werror)
    endif()
  endif()
endfunction()

# The core and the command line never see the window: fail the configure step
# if a file under one of these folders includes a Qt header or a gui/ path.
# Every C++ file found there counts, listed in a target or not.
function(vapentis_assert_layer_free_of_qt)
  foreach(folder IN LISTS ARGN)
    file(GLOB_RECURSE files CONFIGURE_DEPENDS "${folder}/*.h" "${folder}/*.cpp" "${folder}/*.h.in")
    foreach(file IN LISTS files)
      file(STRINGS "${file}" hits REGEX "#[ \t]*include[ \t]*([<\"]Q|\"gui/)")
      if(hits)
        message(FATAL_ERROR "A file of the window's layer, or Qt, included in ${file}: ${hits}")
      endif()
    endforeach()
  endforeach()
endfunction()

# Adds every C++ file of the calling folder to `target`: a file belongs to the
# target its folder says, and a new file needs no line in a list.
function(vapentis_add_folder_sources target)
  file(GLOB sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp"
       "${CMAKE_CURRENT_SOURCE_DIR}/*.h")
  target_sources(${target} PRIVATE ${sources})
endfunction()
