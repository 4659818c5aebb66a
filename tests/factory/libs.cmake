# The factory project folder that tools/factory writes, checked on the host (no Wine).
if(KIT_FACTORY)
  find_package(Python3 3.9 COMPONENTS Interpreter REQUIRED)
  add_test(NAME FactoryProject
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/check_factory.py ${CMAKE_BINARY_DIR}/project)
endif()
