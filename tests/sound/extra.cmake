# The committed test sounds: short tones at 44.1 kHz stereo, 22.05 kHz mono and 44.1 kHz mono.
target_compile_definitions(${TEST_TARGET} PRIVATE KV_SOUND_TEST_DATA="${CMAKE_CURRENT_LIST_DIR}/data")
