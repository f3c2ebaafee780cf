# One library target per layer folder under src/. Sources are picked up by
# folder, so adding a file needs no edit here.
function(qv_layer name)
  cmake_parse_arguments(L "" "" "DIRS;DEPS;LIBS" ${ARGN})
  set(sources "")
  foreach(dir IN LISTS L_DIRS)
    file(GLOB found CONFIGURE_DEPENDS
      ${PROJECT_SOURCE_DIR}/src/${dir}/*.cpp ${PROJECT_SOURCE_DIR}/src/${dir}/*.c)
    list(APPEND sources ${found})
  endforeach()
  add_library(qv_${name} STATIC ${sources})
  target_include_directories(qv_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(qv_${name} PUBLIC ${L_DEPS} ${L_LIBS})
endfunction()

# One GoogleTest executable per test folder: test_<name>. PROPERTIES are
# test properties given to each of its tests.
function(qv_test_suite name)
  cmake_parse_arguments(T "" "" "DIRS;LIBS;PROPERTIES" ${ARGN})
  set(sources "")
  foreach(dir IN LISTS T_DIRS)
    file(GLOB found CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp)
    list(APPEND sources ${found})
  endforeach()
  add_executable(test_${name} ${sources} ${PROJECT_SOURCE_DIR}/tests/sanitizer/SanitizerDefaults.cpp)
  target_include_directories(test_${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(test_${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  # Sanitizer options are built into the programs (tests/sanitizer); only the
  # display choice comes from the environment.
  # Listing the tests starts the program, under Wine for the Windows build,
  # which can take longer than the default 5 s on a busy machine.
  gtest_discover_tests(test_${name}
    DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" ${T_PROPERTIES})
endfunction()
