# A Qt plugin of another version of the grown-ups' corner's module, which the loader must refuse;
# kept out of the program's folder, where only the real module belongs.
qt_add_plugin(kv_test_other_module SHARED CLASS_NAME TOtherVersionModule)
target_sources(kv_test_other_module PRIVATE ${CMAKE_CURRENT_LIST_DIR}/modules/other/OtherVersionModule.cpp)
set_target_properties(kv_test_other_module PROPERTIES LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/test-modules)
target_link_libraries(kv_test_other_module PRIVATE Qt6::Core)
add_dependencies(${TEST_TARGET} kv_test_other_module)
target_compile_definitions(${TEST_TARGET} PRIVATE KV_OTHER_VERSION_MODULE="$<TARGET_FILE:kv_test_other_module>")
