kit_tests(game/media kit_game_media kit_framework SERIAL "FullScreen*")
