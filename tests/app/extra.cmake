# The content check's tests build their trees with the demo-content tools (tones, pictures, pages);
# the command-line tests run the built program, on the demo content among others.
target_link_libraries(${TEST_TARGET} PRIVATE kvarnel_content kvarnel_build_info)
target_compile_definitions(${TEST_TARGET} PRIVATE
  KV_PROGRAM="$<TARGET_FILE:kvarnel>"
  KV_BUILD_TREE="${CMAKE_BINARY_DIR}")
add_dependencies(${TEST_TARGET} kvarnel demo_content)
# The monkey test sends thousands of events to the real window; under the sanitizers that takes minutes.
set(TEST_TIMEOUT 600)
# A program that starts as kvarnel does and prints what its application became (platform, style),
# for the tests of Qt's own options.
add_executable(kvarnel_qt_probe ${CMAKE_CURRENT_LIST_DIR}/probe/QtOptionsProbe.cpp)
target_link_libraries(kvarnel_qt_probe PRIVATE kvarnel_lib)
add_dependencies(${TEST_TARGET} kvarnel_qt_probe)
target_compile_definitions(${TEST_TARGET} PRIVATE KV_QT_PROBE="$<TARGET_FILE:kvarnel_qt_probe>")
# A program that starts as kvarnel does and prints the libraries it has mapped at each step of a
# run, for the test that SDL, OpenCV and LAME come only with their first use.
add_executable(kvarnel_libraries_probe ${CMAKE_CURRENT_LIST_DIR}/probe/LibrariesProbe.cpp)
target_link_libraries(kvarnel_libraries_probe PRIVATE kvarnel_lib)
add_dependencies(${TEST_TARGET} kvarnel_libraries_probe)
target_compile_definitions(${TEST_TARGET} PRIVATE KV_LIBRARIES_PROBE="$<TARGET_FILE:kvarnel_libraries_probe>")
