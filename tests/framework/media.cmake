# Media the framework tests play, made at build time beside the test program.
set(tone ${CMAKE_CURRENT_BINARY_DIR}/tone.ogg)
add_custom_command(OUTPUT ${tone}
  COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/framework/make-tone.sh ${tone}
  DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/framework/make-tone.sh
  COMMENT "Encoding the Ogg test tone")
add_custom_target(framework_test_media ALL DEPENDS ${tone})
add_dependencies(test_framework framework_test_media Vox)
