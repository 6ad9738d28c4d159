# The external start watch of bench_startup, and the bare window it is tried on.
target_link_libraries(${TEST_TARGET} PRIVATE kv_external_start)
add_dependencies(${TEST_TARGET} kv_bare_window)
