# GoogleTest from the sources Debian ships (no download), and kova_add_test() for the suites.
include_guard(GLOBAL)

if(NOT KOVA_BUILD_TESTS)
  return()
endif()

set(KOVA_GTEST_SOURCE_DIR "/usr/src/googletest" CACHE PATH "GoogleTest source tree")
if(NOT EXISTS ${KOVA_GTEST_SOURCE_DIR}/CMakeLists.txt)
  message(FATAL_ERROR "GoogleTest sources not found at ${KOVA_GTEST_SOURCE_DIR}; "
                      "install Debian's googletest package or set KOVA_GTEST_SOURCE_DIR")
endif()

set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
add_subdirectory(${KOVA_GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)

include(GoogleTest)

# kova_place_in_tests_bin(<target>...): programs and DLLs of the tests go to tests-bin/, beside
# the test executables; bin/ stays the install layout.
function(kova_place_in_tests_bin)
  foreach(target ${ARGN})
    set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests-bin)
    foreach(config DEBUG RELEASE RELWITHDEBINFO MINSIZEREL)
      set_target_properties(${target} PROPERTIES
        RUNTIME_OUTPUT_DIRECTORY_${config} ${CMAKE_BINARY_DIR}/tests-bin)
    endforeach()
  endforeach()
endfunction()

# kova_add_test(<name> SOURCES ... [LIBS ...] [LOCK <resource>] [TIMEOUT <s>] [PARALLEL])
# One executable; every test case becomes its own ctest entry. Cases share one desktop, one
# registry and one mouse, so by default they take the lock kova-global and run one at a time;
# suites that touch none of these (no windows, no registry, no process-wide names) say PARALLEL.
function(kova_add_test name)
  cmake_parse_arguments(arg "PARALLEL" "LOCK;TIMEOUT" "SOURCES;LIBS" ${ARGN})
  if(NOT arg_LOCK AND NOT arg_PARALLEL)
    set(arg_LOCK kova-global)
  endif()
  if(NOT arg_TIMEOUT)
    set(arg_TIMEOUT 60)
  endif()
  add_executable(${name} ${arg_SOURCES})
  target_link_libraries(${name} PRIVATE kova_test_support ${arg_LIBS})
  kova_place_in_tests_bin(${name})
  set(props TIMEOUT ${arg_TIMEOUT})
  if(arg_LOCK)
    list(APPEND props RESOURCE_LOCK ${arg_LOCK})
  endif()
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 120
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin
    PROPERTIES ${props})
endfunction()
