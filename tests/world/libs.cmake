kit_tests(world kit_editor_world kit_data kit_framework)
