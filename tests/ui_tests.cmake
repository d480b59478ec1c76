find_package(Qt6 REQUIRED COMPONENTS Widgets Test)

file(GLOB ui_tests CONFIGURE_DEPENDS
     "${CMAKE_CURRENT_SOURCE_DIR}/shell/*_test.cpp"
     "${CMAKE_CURRENT_SOURCE_DIR}/*/*_tab_test.cpp")
add_executable(vapentis_ui_tests ${ui_tests} "${CMAKE_CURRENT_SOURCE_DIR}/ui_test_main.cpp")
target_include_directories(vapentis_ui_tests PRIVATE "${CMAKE_CURRENT_SOURCE_DIR}")
target_link_libraries(vapentis_ui_tests PRIVATE vapentis_ui Qt6::Test GTest::gtest)
vapentis_warnings(vapentis_ui_tests)
gtest_discover_tests(vapentis_ui_tests
  DISCOVERY_TIMEOUT 60
  PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
set_target_properties(vapentis_ui_tests PROPERTIES AUTOMOC ON)
