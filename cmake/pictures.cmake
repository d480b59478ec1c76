# The window's pictures: the SVG drawings as resources, and the pictures shown
# at start also as raw opaque pixels for pixel ratios 1 and 2, rendered at build
# time and stored uncompressed, so start-up neither draws the drawings' text nor
# decodes an image: it shows the pixels where they lie.

# The renderer runs at build time. A cross-build runs one built for the build
# machine, named by VAPENTIS_HOST_RENDER_PICTURE.
function(vapentis_render_picture_command out_var)
  if(CMAKE_CROSSCOMPILING)
    if(NOT VAPENTIS_HOST_RENDER_PICTURE)
      message(FATAL_ERROR "A cross-build renders its pictures with a renderer built for this "
                          "machine: set VAPENTIS_HOST_RENDER_PICTURE to its path.")
    endif()
    set(${out_var} "${VAPENTIS_HOST_RENDER_PICTURE}" PARENT_SCOPE)
    return()
  endif()
  if(NOT TARGET vapentis_render_picture)
    add_executable(vapentis_render_picture "${PROJECT_SOURCE_DIR}/resources/render_picture.cpp")
    target_link_libraries(vapentis_render_picture PRIVATE Qt6::Gui Qt6::Svg)
    vapentis_warnings(vapentis_render_picture)
  endif()
  set(${out_var} vapentis_render_picture PARENT_SCOPE)
endfunction()

function(vapentis_add_pictures target)
  vapentis_render_picture_command(render)
  qt_add_resources(${target} vapentis_pictures
    PREFIX "/"
    BASE "${PROJECT_SOURCE_DIR}"
    FILES
      "${PROJECT_SOURCE_DIR}/resources/background.svg"
      "${PROJECT_SOURCE_DIR}/resources/icon.svg"
      "${PROJECT_SOURCE_DIR}/resources/channel_section.svg")

  set(raster_dir "${CMAKE_CURRENT_BINARY_DIR}/pictures")
  set(raster_files "")
  foreach(picture "background:750:475" "channel_section:194:198")
    string(REPLACE ":" ";" fields "${picture}")
    list(GET fields 0 name)
    list(GET fields 1 width)
    list(GET fields 2 height)
    foreach(ratio 1 2)
      math(EXPR w "${width} * ${ratio}")
      math(EXPR h "${height} * ${ratio}")
      set(raw "${raster_dir}/${name}@${ratio}x.rgb32")
      add_custom_command(OUTPUT "${raw}"
        COMMAND "${CMAKE_COMMAND}" -E make_directory "${raster_dir}"
        COMMAND ${render} "${PROJECT_SOURCE_DIR}/resources/${name}.svg" "${raw}" ${w} ${h}
        DEPENDS ${render} "${PROJECT_SOURCE_DIR}/resources/${name}.svg"
        VERBATIM)
      list(APPEND raster_files "${raw}")
    endforeach()
  endforeach()
  qt_add_resources(${target} vapentis_rasters
    PREFIX "/pictures"
    BASE "${raster_dir}"
    BIG_RESOURCES
    OPTIONS --no-compress
    FILES ${raster_files})
endfunction()
