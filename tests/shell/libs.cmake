# The editor program's own tests start editor.exe, whose single-instance mutex is one for the
# whole Wine session: they run alone.
kit_tests(shell kit_editor_shell kit_data kit_framework SERIAL "EditorProgram.*:CanvasEdit.*:UndoRedo.*")
add_dependencies(test_shell editor)
