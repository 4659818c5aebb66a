kit_tests(programs kit_framework)
add_dependencies(test_programs editor game)
