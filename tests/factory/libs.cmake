# The factory project folder that tools/factory writes: its files checked on the host, and its
# pictures loaded with the game's and the editor's own loaders under Wine.
if(KIT_FACTORY)
  find_package(Python3 3.9 COMPONENTS Interpreter REQUIRED)
  add_test(NAME FactoryProject
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/check_factory.py ${CMAKE_BINARY_DIR}/project)
  kit_tests(factory kit_game_media kit_framework)
  target_sources(test_factory PRIVATE ${CMAKE_CURRENT_LIST_DIR}/../game/media/DisplayFixture.cpp)
endif()
