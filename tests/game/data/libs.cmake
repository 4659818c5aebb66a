kit_tests(game/data kit_game_data kit_data kit_framework)
