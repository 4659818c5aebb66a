# Not yet run whole: several tests read the error log as a fresh process leaves it.
kit_tests(game/media kit_game_media kit_framework SERIAL "FullScreen*" SEPARATE_ONLY)
