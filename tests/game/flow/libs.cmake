kit_tests(game/flow kit_game_flow kit_game_play kit_game_core kit_game_data kit_game_media kit_data kit_framework)
# Play runs with its indexes checked, as in the play tests.
target_sources(test_game_flow PRIVATE ${CMAKE_CURRENT_LIST_DIR}/../play/IndexCheckOn.cpp)
