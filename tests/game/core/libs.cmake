# The game program tests start game.exe, which allows one instance at a time: they run alone.
kit_tests(game/core kit_game_core kit_game_data kit_game_media kit_data kit_framework SERIAL "GameProgram.*")
add_dependencies(test_game_core game)
