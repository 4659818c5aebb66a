# The editor refuses to start twice in one Wine session: its test runs alone.
kit_tests(programs kit_data kit_framework SERIAL "Programs.Editor*")
add_dependencies(test_programs editor game)
