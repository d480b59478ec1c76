# The window's pictures: the SVG drawings as resources, and the pictures shown
# at start also as raw opaque pixels for pixel ratios 1 and 2, rendered at build
# time and stored uncompressed, so start-up neither draws the drawings' text nor
# decodes an image: it shows the pixels where they lie. A build that draws no SVG
# at run time (VAPENTIS_RUNTIME_SVG off) stores PNGs for the screen scales 125,
# 150 and 175 % and for the icon's sizes instead of the drawings.

# The renderer runs at build time. A cross-build runs one built for the build
# machine: the one VAPENTIS_HOST_RENDER_PICTURE names, or else one it builds
# itself with this machine's compiler and Qt.
function(vapentis_render_picture_command out_var)
  if(CMAKE_CROSSCOMPILING)
    if(VAPENTIS_HOST_RENDER_PICTURE)
      set(${out_var} "${VAPENTIS_HOST_RENDER_PICTURE}" PARENT_SCOPE)
      return()
    endif()
    set(host_dir "${CMAKE_BINARY_DIR}/host-tools")
    if(NOT TARGET vapentis_host_tools)
      include(ExternalProject)
      ExternalProject_Add(vapentis_host_tools
        SOURCE_DIR "${PROJECT_SOURCE_DIR}/cmake/host_tools"
        BINARY_DIR "${host_dir}"
        CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release
        BUILD_ALWAYS ON
        BUILD_BYPRODUCTS "${host_dir}/vapentis_render_picture"
        INSTALL_COMMAND "")
    endif()
    set(${out_var} "${host_dir}/vapentis_render_picture" PARENT_SCOPE)
    return()
  endif()
  if(NOT TARGET vapentis_render_picture)
    if(NOT TARGET Qt6::Svg)
      find_package(Qt6 6.2 REQUIRED COMPONENTS Gui Svg)
    endif()
    add_executable(vapentis_render_picture "${PROJECT_SOURCE_DIR}/resources/render_picture.cpp")
    target_link_libraries(vapentis_render_picture PRIVATE Qt6::Gui Qt6::Svg)
    vapentis_warnings(vapentis_render_picture)
  endif()
  set(${out_var} vapentis_render_picture PARENT_SCOPE)
endfunction()

# Adds a command rendering `svg` into `output` at width x height.
function(vapentis_render_picture svg output width height)
  vapentis_render_picture_command(render)
  get_filename_component(dir "${output}" DIRECTORY)
  add_custom_command(OUTPUT "${output}"
    COMMAND "${CMAKE_COMMAND}" -E make_directory "${dir}"
    COMMAND ${render} "${svg}" "${output}" ${width} ${height}
    DEPENDS ${render} "${svg}"
    VERBATIM)
endfunction()

function(vapentis_add_pictures target)
  if(VAPENTIS_RUNTIME_SVG)
    qt_add_resources(${target} vapentis_pictures
      PREFIX "/"
      BASE "${PROJECT_SOURCE_DIR}"
      FILES
        "${PROJECT_SOURCE_DIR}/resources/background.svg"
        "${PROJECT_SOURCE_DIR}/resources/icon.svg"
        "${PROJECT_SOURCE_DIR}/resources/channel_section.svg")
  endif()

  set(raster_dir "${CMAKE_CURRENT_BINARY_DIR}/pictures")
  set(raw_files "")
  set(png_files "")
  foreach(picture "background:750:475" "channel_section:194:198")
    string(REPLACE ":" ";" fields "${picture}")
    list(GET fields 0 name)
    list(GET fields 1 width)
    list(GET fields 2 height)
    set(svg "${PROJECT_SOURCE_DIR}/resources/${name}.svg")
    foreach(ratio 1 2)
      math(EXPR w "${width} * ${ratio}")
      math(EXPR h "${height} * ${ratio}")
      vapentis_render_picture("${svg}" "${raster_dir}/${name}@${ratio}x.rgb32" ${w} ${h})
      list(APPEND raw_files "${raster_dir}/${name}@${ratio}x.rgb32")
    endforeach()
    if(NOT VAPENTIS_RUNTIME_SVG)
      # Sizes rounded half up, as Qt rounds a logical size times the ratio.
      foreach(scale "1.25:125" "1.5:150" "1.75:175")
        string(REPLACE ":" ";" scale "${scale}")
        list(GET scale 0 ratio)
        list(GET scale 1 percent)
        math(EXPR w "(${width} * ${percent} + 50) / 100")
        math(EXPR h "(${height} * ${percent} + 50) / 100")
        set(png "${raster_dir}/${name}@${ratio}x.png")
        vapentis_render_picture("${svg}" "${png}" ${w} ${h})
        list(APPEND png_files "${png}")
      endforeach()
    endif()
  endforeach()
  if(NOT VAPENTIS_RUNTIME_SVG)
    foreach(side 16 24 32 48 64 256)
      set(png "${raster_dir}/icon@${side}.png")
      vapentis_render_picture("${PROJECT_SOURCE_DIR}/resources/icon.svg" "${png}" ${side} ${side})
      list(APPEND png_files "${png}")
    endforeach()
    qt_add_resources(${target} vapentis_scaled_pictures
      PREFIX "/pictures"
      BASE "${raster_dir}"
      FILES ${png_files})
  endif()
  qt_add_resources(${target} vapentis_rasters
    PREFIX "/pictures"
    BASE "${raster_dir}"
    BIG_RESOURCES
    OPTIONS --no-compress
    FILES ${raw_files})
endfunction()
