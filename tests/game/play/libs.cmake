# The play scene's tests build the factory stage too: they need the build's project folder.
kit_tests(game/play kit_game_play kit_game_core kit_game_data kit_game_media kit_data kit_framework)
if(TARGET test_game_play)
  target_sources(test_game_play PRIVATE ${CMAKE_CURRENT_LIST_DIR}/../media/DisplayFixture.cpp)
  if(TARGET factory_data)
    add_dependencies(test_game_play factory_data)
  endif()
endif()
