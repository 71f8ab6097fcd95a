# Helpers shared by every module's CMakeLists.

# velko_sources(VAR DIR...): the C++ sources below the given folders. Each
# folder is one module's concern; new files join their module without an edit
# here.
function(velko_sources var)
  set(found)
  foreach(dir IN LISTS ARGN)
    file(GLOB_RECURSE files CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.cpp)
    list(APPEND found ${files})
  endforeach()
  set(${var} ${found} PARENT_SCOPE)
endfunction()

# velko_hide_internals(TARGET): a module exports only what it marks with
# VELKO_EXPORT; everything else stays inside it.
function(velko_hide_internals target)
  set_target_properties(${target} PROPERTIES
    CXX_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON)
endfunction()

# velko_gtest(NAME DIR LIBS...): one GoogleTest program from the sources of a
# tests/ folder, its cases registered with CTest one by one. Drive C: of the
# tests is a folder of the build, so no test touches the user's own files.
function(velko_gtest name dir)
  file(GLOB_RECURSE files CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.cpp)
  if(NOT files)
    return()
  endif()
  add_executable(${name} ${files})
  target_link_libraries(${name} PRIVATE ${ARGN} GTest::gtest GTest::gtest_main GTest::gmock)
  # One precompiled GoogleTest header serves every test program: the first
  # one made builds it, the others reuse it.
  get_property(pch_owner GLOBAL PROPERTY VELKO_GTEST_PCH_OWNER)
  if(pch_owner)
    target_precompile_headers(${name} REUSE_FROM ${pch_owner})
  else()
    target_precompile_headers(${name} PRIVATE <gtest/gtest.h> <gmock/gmock.h> <string> <vector>)
    set_property(GLOBAL PROPERTY VELKO_GTEST_PCH_OWNER ${name})
  endif()
  include(GoogleTest)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "VELKO_SOURCE_DIR=${CMAKE_SOURCE_DIR}\\;VELKO_DRIVE_C=${CMAKE_BINARY_DIR}/test_drive_c/${name}")
endfunction()

# velko_heavy_headers(TARGET HEADER...): the big header-only libraries
# (CLI11, nlohmann-json, GoogleTest) parsed once per target instead of once
# per file; most of a clean build's time went to parsing them again.
function(velko_heavy_headers target)
  target_precompile_headers(${target} PRIVATE ${ARGN})
endfunction()
