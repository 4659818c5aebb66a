# The factory project folder that tools/factory writes: its files checked on the host, and its
# pictures, sounds, music and record files loaded with the programs' own loaders under Wine.
if(KIT_FACTORY)
  find_package(Python3 3.9 COMPONENTS Interpreter REQUIRED)
  add_test(NAME FactoryProject
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/check_factory.py ${CMAKE_BINARY_DIR}/project)
  kit_tests(factory kit_editor_shell kit_game_media kit_data kit_framework)
  target_sources(test_factory PRIVATE ${CMAKE_CURRENT_LIST_DIR}/../game/media/DisplayFixture.cpp)
  add_dependencies(test_factory Vox)
endif()
