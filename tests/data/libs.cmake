kit_tests(data kit_data kit_framework)
