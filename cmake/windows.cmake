# Building for Windows with MinGW-w64: every program one static executable, the
# libraries Debian ships only for this machine (CLI11, nlohmann-json, GoogleTest
# sources) made usable, and the icon, version and manifest resources.

# Static libstdc++, libgcc and winpthread: nothing to ship beside the programs.
if(MINGW)
  add_link_options(-static)
endif()

# Qt's own texts in Chinese, built into the program, since a Windows machine has
# no copy of Qt's translations. Debian's file serves: it is the same everywhere.
set(VAPENTIS_QT_TRANSLATIONS_DIR "/usr/share/qt6/translations"
    CACHE PATH "Where qtbase_zh_CN.qm lies (Debian: qt6-translations-l10n)")
function(vapentis_add_qt_translations target)
  set(qm "${VAPENTIS_QT_TRANSLATIONS_DIR}/qtbase_zh_CN.qm")
  if(NOT EXISTS "${qm}")
    message(FATAL_ERROR "No ${qm}: install qt6-translations-l10n, "
                        "or set VAPENTIS_QT_TRANSLATIONS_DIR.")
  endif()
  qt_add_resources(${target} vapentis_qt_translations
    PREFIX "/translations"
    BASE "${VAPENTIS_QT_TRANSLATIONS_DIR}"
    FILES "${qm}")
endfunction()

# The version resource and the manifest of a program; with ICON, also the icon
# drawing as one .ico of the sizes Windows shows, rendered at build time.
function(vapentis_windows_resources target description)
  cmake_parse_arguments(PARSE_ARGV 2 arg "ICON" "" "")
  set(dir "${CMAKE_CURRENT_BINARY_DIR}/${target}-resources")
  set(VAPENTIS_RC_FILE_NAME "$<TARGET_FILE_NAME:${target}>")
  set(VAPENTIS_RC_DESCRIPTION "${description}")
  set(VAPENTIS_RC_ICON "")
  set(depends "${PROJECT_SOURCE_DIR}/packaging/windows/program.manifest")
  if(arg_ICON)
    vapentis_render_picture_command(render)
    set(ico "${dir}/vapentis.ico")
    add_custom_command(OUTPUT "${ico}"
      COMMAND "${CMAKE_COMMAND}" -E make_directory "${dir}"
      COMMAND ${render} "${PROJECT_SOURCE_DIR}/resources/icon.svg" "${ico}" 16 24 32 48 64 256
      DEPENDS ${render} "${PROJECT_SOURCE_DIR}/resources/icon.svg"
      COMMENT "Rendering the program icon"
      VERBATIM)
    set(VAPENTIS_RC_ICON "1 ICON \"${ico}\"")
    list(APPEND depends "${ico}")
  endif()
  string(REPLACE "." "," VAPENTIS_RC_VERSION_COMMAS "${PROJECT_VERSION}.0")
  configure_file("${PROJECT_SOURCE_DIR}/packaging/windows/program.rc.in" "${dir}/program.rc.in"
                 @ONLY)
  file(GENERATE OUTPUT "${dir}/program.rc" INPUT "${dir}/program.rc.in")
  set_source_files_properties("${dir}/program.rc" PROPERTIES OBJECT_DEPENDS "${depends}")
  target_sources(${target} PRIVATE "${dir}/program.rc")
endfunction()

# The installer's pictures, rendered at build time from their drawings into the
# 24-bit BMPs Modern UI shows, at the sizes it lays them out: the welcome and
# finish pages' side panel and the other pages' header. scripts/package-windows
# hands them to makensis from ${CMAKE_CURRENT_BINARY_DIR}/installer.
function(vapentis_installer_pictures)
  set(bitmaps "")
  foreach(picture "installer_welcome:164:314" "installer_header:150:57")
    string(REPLACE ":" ";" fields "${picture}")
    list(GET fields 0 name)
    list(GET fields 1 width)
    list(GET fields 2 height)
    set(bmp "${CMAKE_CURRENT_BINARY_DIR}/installer/${name}.bmp")
    vapentis_render_picture("${PROJECT_SOURCE_DIR}/resources/${name}.svg" "${bmp}" ${width}
                            ${height})
    list(APPEND bitmaps "${bmp}")
  endforeach()
  add_custom_target(vapentis_installer_pictures ALL DEPENDS ${bitmaps})
endfunction()

if(NOT CMAKE_CROSSCOMPILING)
  return()
endif()

# CLI11 and nlohmann-json are header-only, but their folder /usr/include must not
# reach the MinGW compiler: its C headers would shadow MinGW's own. A folder of
# links to just their two header trees stands in for it.
set(VAPENTIS_HOST_INCLUDE_DIR "/usr/include"
    CACHE PATH "Where CLI11's CLI/ and nlohmann-json's nlohmann/ header folders lie")
set(header_links "${CMAKE_BINARY_DIR}/host-headers")
foreach(folder CLI nlohmann)
  if(NOT IS_DIRECTORY "${VAPENTIS_HOST_INCLUDE_DIR}/${folder}")
    message(FATAL_ERROR "No ${VAPENTIS_HOST_INCLUDE_DIR}/${folder}: install libcli11-dev and "
                        "nlohmann-json3-dev, or set VAPENTIS_HOST_INCLUDE_DIR.")
  endif()
  file(MAKE_DIRECTORY "${header_links}")
  file(CREATE_LINK "${VAPENTIS_HOST_INCLUDE_DIR}/${folder}" "${header_links}/${folder}" SYMBOLIC)
endforeach()
foreach(target CLI11::CLI11 nlohmann_json::nlohmann_json)
  add_library(${target} INTERFACE IMPORTED)
  set_target_properties(${target} PROPERTIES INTERFACE_INCLUDE_DIRECTORIES "${header_links}")
endforeach()

# GoogleTest from the sources Debian ships, built with the MinGW compiler.
if(VAPENTIS_BUILD_TESTS)
  set(VAPENTIS_GOOGLETEST_SOURCE "/usr/src/googletest"
      CACHE PATH "GoogleTest's sources, built for Windows with the tests")
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory("${VAPENTIS_GOOGLETEST_SOURCE}" "${CMAKE_BINARY_DIR}/googletest"
                   EXCLUDE_FROM_ALL SYSTEM)
endif()
