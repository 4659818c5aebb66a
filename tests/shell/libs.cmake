kit_tests(shell kit_editor_shell kit_data kit_framework)
