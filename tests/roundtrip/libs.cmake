# What the editor writes, the game plays: the editor's dialogs and the game's play engine and flow
# runtime in one program.
kit_tests(roundtrip kit_editor_flow kit_editor_shell kit_input_dialogs kit_game_flow kit_game_play kit_game_core
          kit_game_data kit_game_media kit_data kit_framework)
if(TARGET test_roundtrip)
  target_sources(test_roundtrip PRIVATE ${CMAKE_CURRENT_LIST_DIR}/../flow/CmdDlgFixture.cpp)
endif()
