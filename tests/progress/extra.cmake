# The kill test runs a small program that keeps answers and says which ones are safely kept.
add_executable(progress_keeper ${CMAKE_CURRENT_LIST_DIR}/keeper/KeeperMain.cpp)
target_link_libraries(progress_keeper PRIVATE kvarnel_lib)
add_dependencies(${TEST_TARGET} progress_keeper)
target_compile_definitions(${TEST_TARGET} PRIVATE KV_PROGRESS_KEEPER="$<TARGET_FILE:progress_keeper>")
target_link_libraries(${TEST_TARGET} PRIVATE Qt6::Sql)  # the opening tests write files of a given schema by hand
