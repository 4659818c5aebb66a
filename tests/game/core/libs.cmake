kit_tests(game/core kit_game_core kit_game_data kit_game_media kit_data kit_framework)
