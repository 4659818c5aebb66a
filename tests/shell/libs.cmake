# The editor program's own tests start editor.exe, whose single-instance mutex is one for the
# whole Wine session: they run alone. So do the idle-loop tests: the desktop's activation is one
# for every window of the session, and other tests' windows take it.
kit_tests(shell kit_editor_shell kit_data kit_framework SERIAL "EditorProgram.*:CanvasEdit.*:UndoRedo.*:IdleLoop.*:EditorKeys.*")
add_dependencies(test_shell editor)
# The game program's stand-in for the test-play tests.
add_executable(standin_game WIN32 ${CMAKE_CURRENT_SOURCE_DIR}/shell/standin/StandInGame.cpp
               ${CMAKE_CURRENT_SOURCE_DIR}/shell/standin/StandInGame.rc)
add_dependencies(test_shell standin_game)
# The shell runs one way (its document knows no window, the app sits on top): its includes are
# checked on the host, and the check's own rules on small made-up trees.
find_package(Python3 3.9 COMPONENTS Interpreter REQUIRED)
add_test(NAME ShellLayers COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/check_layers.py ${CMAKE_SOURCE_DIR})
add_test(NAME ShellLayersRules COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/check_layers.py --self-test)
