# The generator's and checker's library, where the tables live, and the generated tree to check.
target_link_libraries(${TEST_TARGET} PRIVATE kvarnel_content)
target_compile_definitions(${TEST_TARGET} PRIVATE
  KV_CONTENT_DATA="${CMAKE_SOURCE_DIR}/tools/data"
  KV_BUILD_TREE="${CMAKE_BINARY_DIR}")
add_dependencies(${TEST_TARGET} demo_content)
