# The play scene's tests build the factory stage too: they need the build's project folder.
kit_tests(game/play kit_game_flow kit_game_play kit_game_core kit_game_data kit_game_media kit_data kit_framework)
if(TARGET test_game_play)
  target_sources(test_game_play PRIVATE ${CMAKE_CURRENT_LIST_DIR}/../media/DisplayFixture.cpp)
  if(TARGET factory_data)
    add_dependencies(test_game_play factory_data)
  endif()
endif()

# The committed replays once more with the play code built without optimisation: the committed hashes
# must not depend on how the compiler arranged the arithmetic. Only the play library's sources and
# the replay tests are built again; everything else links as built.
if(TARGET test_game_play)
  file(GLOB play_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/game/play/*.cpp)
  # The play library's own arithmetic options, without optimisation.
  set(unoptimised -O0 -ffp-contract=off -fno-fast-math)
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    list(APPEND unoptimised -msse2 -mfpmath=sse)
  endif()
  add_library(kit_game_play_O0 OBJECT ${play_sources})
  target_compile_options(kit_game_play_O0 PRIVATE ${unoptimised})
  target_link_libraries(kit_game_play_O0 PRIVATE kit_game_flow kit_game_core kit_game_data kit_game_media kit_data
                        kit_framework)
  add_executable(test_replay_O0 $<TARGET_OBJECTS:kit_game_play_O0> ${CMAKE_CURRENT_LIST_DIR}/ReplayTest.cpp
                                ${CMAKE_CURRENT_LIST_DIR}/RegressionReplayTest.cpp ${CMAKE_CURRENT_LIST_DIR}/IndexCheckOn.cpp)
  target_compile_options(test_replay_O0 PRIVATE ${unoptimised})
  kit_link(test_replay_O0 kit_game_flow kit_game_core kit_game_data kit_game_media kit_data kit_framework kit_testsupport)
  target_link_libraries(test_replay_O0 PRIVATE GTest::gtest)
  if(TARGET factory_data)
    add_dependencies(test_replay_O0 factory_data)
  endif()
  add_test(NAME test_replay_O0 COMMAND test_replay_O0)
  set_tests_properties(test_replay_O0 PROPERTIES TIMEOUT 300)
endif()

# The play, flow and media code calls its sines, cosines, square roots and arc tangents through
# game/media/StableMath.h, whose bits the optimiser of no caller can change: checked on the host.
find_package(Python3 3.9 COMPONENTS Interpreter REQUIRED)
add_test(NAME MathCallsOutOfLine
  COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/check_math_calls.py ${CMAKE_SOURCE_DIR})
