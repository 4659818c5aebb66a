# Helpers shared by every folder's CMakeLists.txt.
#
# kit_alone_in_batches(SOURCES...): a source file that includes <windowsx.h> compiles alone in a
# batched build: its macros (DeletePen, SubclassWindow and the like) would rename the member
# functions of the files after it.
function(kit_alone_in_batches)
  foreach(src ${ARGN})
    file(STRINGS ${src} hit REGEX "#include <windowsx\\.h>")
    if(hit)
      set_source_files_properties(${src} PROPERTIES SKIP_UNITY_BUILD_INCLUSION ON)
    endif()
  endforeach()
endfunction()

# kit_library(NAME DIR DEPS...): one static library from the .cpp files of DIR (not its
# subfolders; WinMain.cpp and WinMain.rc, the program entries, stay out). The .rc files of DIR become an
# object library NAME_rc: resources inside a static archive would be dropped by the linker,
# so programs and tests link them through kit_link. The .rc files named after APART_RC stay out:
# kit_resources gives them to the programs that ask for them.
function(kit_library name)
  cmake_parse_arguments(K "" "" "DEPS;APART_RC" ${ARGN})
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  list(FILTER srcs EXCLUDE REGEX "/WinMain\\.cpp$")
  file(GLOB rcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.rc)
  list(FILTER rcs EXCLUDE REGEX "/WinMain\\.rc$")
  foreach(apart ${K_APART_RC})
    list(REMOVE_ITEM rcs ${CMAKE_CURRENT_SOURCE_DIR}/${apart})
  endforeach()
  if(NOT srcs)
    set(srcs ${CMAKE_SOURCE_DIR}/cmake/empty.cpp)
  endif()
  kit_alone_in_batches(${srcs})
  add_library(${name} STATIC ${srcs})
  target_link_libraries(${name} PUBLIC ${K_DEPS})
  set(rclibs "")
  foreach(dep ${K_DEPS})
    get_property(deprc GLOBAL PROPERTY KIT_RC_${dep})
    list(APPEND rclibs ${deprc})
  endforeach()
  if(rcs)
    add_library(${name}_rc OBJECT ${rcs})
    target_include_directories(${name}_rc PRIVATE ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_SOURCE_DIR})
    list(APPEND rclibs ${name}_rc)
  endif()
  list(REMOVE_DUPLICATES rclibs)
  set_property(GLOBAL PROPERTY KIT_RC_${name} "${rclibs}")
endfunction()

# kit_resources(NAME FILES...): resources of the folder that only some programs hold, such as
# dialog templates whose numbers another program uses for its own. NAME is linked like a library
# (kit_link, or DEPS of the kit_library that uses them).
function(kit_resources name)
  add_library(${name} INTERFACE)
  add_library(${name}_rc OBJECT ${ARGN})
  target_include_directories(${name}_rc PRIVATE ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_SOURCE_DIR})
  set_property(GLOBAL PROPERTY KIT_RC_${name} ${name}_rc)
endfunction()

# kit_link(TARGET LIBS...): links the libraries and the resources they carry.
function(kit_link target)
  foreach(lib ${ARGN})
    target_link_libraries(${target} PRIVATE ${lib})
    get_property(rc GLOBAL PROPERTY KIT_RC_${lib})
    foreach(r ${rc})
      target_sources(${target} PRIVATE $<TARGET_OBJECTS:${r}>)
    endforeach()
  endforeach()
endfunction()

# kit_tests(AREA LIBS... [SERIAL FILTER] [SEPARATE_ONLY]): one GoogleTest program from tests/AREA/*.cpp, run
# whole as one process (test NAME.Whole) and, with KIT_TEST_CASES, each test case once more as a
# process of its own under Wine (so process-wide state such as the error log starts fresh).
# Test cases matching the GoogleTest FILTER (for example "FullScreen*") run alone, never beside
# other tests: they change what every process shares, such as the display mode; so does the
# whole program that holds them.
function(kit_tests area)
  cmake_parse_arguments(K "SEPARATE_ONLY" "SERIAL" "" ${ARGN})
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${area}/*.cpp)
  if(NOT srcs)
    return()
  endif()
  # Resources that only the tests use (dialog templates and the like).
  file(GLOB rcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${area}/*.rc)
  string(REPLACE "/" "_" exe "test_${area}")
  kit_alone_in_batches(${srcs})
  add_executable(${exe} ${srcs} ${rcs})
  kit_link(${exe} ${K_UNPARSED_ARGUMENTS} kit_testsupport)
  target_link_libraries(${exe} PRIVATE GTest::gtest)
  # The code under test is built optimised, as the programs are; the tests' own code runs once
  # per case, and optimising its assertions took a third of a test file's compile time.
  target_compile_options(${exe} PRIVATE -O0)
  # Each case as a process of its own tells which case failed and that it passes alone, at the
  # cost of a Wine start per case; the whole program's run below asserts the same things.
  if(KIT_TEST_CASES OR K_SEPARATE_ONLY)
    if(K_SERIAL)
      gtest_discover_tests(${exe}
        DISCOVERY_MODE PRE_TEST
        DISCOVERY_TIMEOUT 120
        TEST_FILTER "-${K_SERIAL}"
        PROPERTIES TIMEOUT 120)
      gtest_discover_tests(${exe}
        DISCOVERY_MODE PRE_TEST
        DISCOVERY_TIMEOUT 120
        TEST_FILTER "${K_SERIAL}"
        PROPERTIES TIMEOUT 120 RUN_SERIAL TRUE)
    else()
      gtest_discover_tests(${exe}
        DISCOVERY_MODE PRE_TEST
        DISCOVERY_TIMEOUT 120
        PROPERTIES TIMEOUT 120)
    endif()
  endif()
  # The whole program once more in one process: every test leaves the process-wide state (the
  # project objects, settings, hooks) as it found it. A program with tests that must run alone
  # runs alone. SEPARATE_ONLY marks a program whose tests still need a process each. The flow
  # editor's program takes about five minutes on a quiet machine and twice that on a busy one.
  if(NOT K_SEPARATE_ONLY)
    add_test(NAME ${exe}.Whole COMMAND ${exe})
    set_tests_properties(${exe}.Whole PROPERTIES TIMEOUT 1200)
    if(K_SERIAL)
      set_tests_properties(${exe}.Whole PROPERTIES RUN_SERIAL TRUE)
    endif()
  endif()
endfunction()

# kit_precompile_headers(DIR): every C++ target defined under DIR and its subfolders (not
# GoogleTest's own) precompiles the headers nearly every source file includes. They are
# precompiled once for each set of compile options: targets built alike share them (made by a
# small target of their own, so that no program or library waits for another), and a target
# built with other code-generation options (an -O0 build) takes the ones of its kind.
function(kit_precompile_headers dir)
  get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(t ${targets})
    get_target_property(type ${t} TYPE)
    if(NOT type MATCHES "^(STATIC_LIBRARY|OBJECT_LIBRARY|EXECUTABLE)$" OR t MATCHES "^kit_pch_")
      continue()
    endif()
    get_target_property(srcs ${t} SOURCES)
    list(FILTER srcs INCLUDE REGEX "\\.cpp$")
    if(NOT srcs)
      continue()
    endif()
    set(headers <windows.h> <string> <vector> <map> <algorithm> <memory> <boost/shared_ptr.hpp>)
    get_target_property(libs ${t} LINK_LIBRARIES)
    set(gtest "")
    if(libs AND "GTest::gtest" IN_LIST libs)
      list(APPEND headers <gtest/gtest.h>)
      set(gtest GTest::gtest)
    endif()
    get_target_property(options ${t} COMPILE_OPTIONS)
    get_target_property(definitions ${t} COMPILE_DEFINITIONS)
    string(MD5 kind "${headers}|${options}|${definitions}")
    string(SUBSTRING ${kind} 0 8 kind)
    set(maker kit_pch_${kind})
    if(NOT TARGET ${maker})
      add_library(${maker} OBJECT ${CMAKE_SOURCE_DIR}/cmake/empty.cpp)
      if(options)
        set_target_properties(${maker} PROPERTIES COMPILE_OPTIONS "${options}")
      endif()
      if(definitions)
        set_target_properties(${maker} PROPERTIES COMPILE_DEFINITIONS "${definitions}")
      endif()
      target_link_libraries(${maker} PRIVATE ${gtest})
      target_precompile_headers(${maker} PRIVATE ${headers})
    endif()
    target_precompile_headers(${t} REUSE_FROM ${maker})
  endforeach()
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(sub ${subdirs})
    if(sub MATCHES "^${CMAKE_SOURCE_DIR}")
      kit_precompile_headers(${sub})
    endif()
  endforeach()
endfunction()
