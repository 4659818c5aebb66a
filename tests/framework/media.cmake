# Media the framework tests play, made at build time beside the test program: the main tone, a
# second song to chain after it, a song at another rate, and a mono one at a third rate.
set(tone_script ${CMAKE_CURRENT_SOURCE_DIR}/framework/make-tone.sh)
set(tone_files)
foreach(song "tone.ogg" "tone2.ogg 550 770 5513 22050" "tone11k.ogg 440 660 2756 11025"
             "mono16k.ogg 550 550 7000 16000 1")
  separate_arguments(args UNIX_COMMAND "${song}")
  list(GET args 0 name)
  list(REMOVE_AT args 0)
  add_custom_command(OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/${name}
    COMMAND sh ${tone_script} ${CMAKE_CURRENT_BINARY_DIR}/${name} ${args}
    DEPENDS ${tone_script}
    COMMENT "Encoding the Ogg test song ${name}")
  list(APPEND tone_files ${CMAKE_CURRENT_BINARY_DIR}/${name})
endforeach()
add_custom_target(framework_test_media ALL DEPENDS ${tone_files})
add_dependencies(test_framework framework_test_media Vox)
# Run-length pictures coded out to their stored width, and the pixels another decoder read from
# them (framework/rle/make-padded-rle.py).
file(GLOB rle_pictures CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/framework/rle/padded-*)
foreach(picture ${rle_pictures})
  configure_file(${picture} ${CMAKE_CURRENT_BINARY_DIR}/ COPYONLY)
endforeach()
