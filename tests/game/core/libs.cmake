# The game program tests start game.exe, which allows one instance at a time: they run alone.
kit_tests(game/core kit_game_core kit_game_data kit_game_media kit_data kit_framework SERIAL "GameProgram.*")
add_dependencies(test_game_core game)
# The ranking drawing is checked on real surfaces.
target_sources(test_game_core PRIVATE ${CMAKE_CURRENT_LIST_DIR}/../media/DisplayFixture.cpp)
