# vapentis_ui: the window and every tab; vapentis: the executable.
find_package(Qt6 6.2 REQUIRED COMPONENTS Widgets Svg Test)
qt_standard_project_setup()

list(FILTER ui_sources EXCLUDE REGEX "/shell/main\\.cpp$")
add_library(vapentis_ui STATIC ${ui_sources})
target_link_libraries(vapentis_ui PUBLIC vapentis_core Qt6::Widgets Qt6::Svg)
vapentis_warnings(vapentis_ui)
qt_add_resources(vapentis_ui vapentis_pictures
  PREFIX "/"
  BASE "${PROJECT_SOURCE_DIR}"
  FILES
    "${PROJECT_SOURCE_DIR}/resources/background.svg"
    "${PROJECT_SOURCE_DIR}/resources/icon.svg"
    "${PROJECT_SOURCE_DIR}/resources/channel_section.svg")

# The pictures shown at start are also rendered at build time for pixel
# ratios 1 and 2, as raw opaque pixels stored uncompressed: start-up then neither
# draws the drawings' text nor decodes an image, it shows the pixels where they lie.
add_executable(vapentis_render_png "${PROJECT_SOURCE_DIR}/tools/render_png.cpp")
target_link_libraries(vapentis_render_png PRIVATE Qt6::Gui Qt6::Svg)
vapentis_warnings(vapentis_render_png)
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
      COMMAND vapentis_render_png "${PROJECT_SOURCE_DIR}/resources/${name}.svg" "${raw}" ${w} ${h}
      DEPENDS vapentis_render_png "${PROJECT_SOURCE_DIR}/resources/${name}.svg"
      VERBATIM)
    list(APPEND raster_files "${raw}")
  endforeach()
endforeach()
qt_add_resources(vapentis_ui vapentis_rasters
  PREFIX "/pictures"
  BASE "${raster_dir}"
  BIG_RESOURCES
  OPTIONS --no-compress
  FILES ${raster_files})

qt_add_executable(vapentis WIN32 MACOSX_BUNDLE shell/main.cpp)
target_link_libraries(vapentis PRIVATE vapentis_ui)
target_compile_definitions(vapentis PRIVATE VAPENTIS_VERSION="${PROJECT_VERSION}")
vapentis_warnings(vapentis)

if(PROJECT_IS_TOP_LEVEL)
  include("${PROJECT_SOURCE_DIR}/cmake/install.cmake")
endif()

# Documentation pictures and start-up measurement; never installed.
add_executable(vapentis_screenshots "${PROJECT_SOURCE_DIR}/tools/screenshots.cpp")
target_link_libraries(vapentis_screenshots PRIVATE vapentis_ui Qt6::Test)
add_executable(vapentis_startup_probe "${PROJECT_SOURCE_DIR}/tools/startup_probe.cpp")
target_link_libraries(vapentis_startup_probe PRIVATE vapentis_ui)
if(UNIX)
  add_executable(vapentis_startup_compare "${PROJECT_SOURCE_DIR}/tools/startup_compare.cpp")
endif()
foreach(tool vapentis_screenshots vapentis_startup_probe vapentis_startup_compare)
  if(TARGET ${tool})
    vapentis_warnings(${tool})
  endif()
endforeach()
