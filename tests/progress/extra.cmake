# The kill test runs a small program that keeps answers and says which ones are safely kept.
add_executable(progress_keeper ${CMAKE_CURRENT_LIST_DIR}/keeper/KeeperMain.cpp)
target_link_libraries(progress_keeper PRIVATE kvarnel_lib)
add_dependencies(${TEST_TARGET} progress_keeper)
target_compile_definitions(${TEST_TARGET} PRIVATE KV_PROGRESS_KEEPER="$<TARGET_FILE:progress_keeper>")
target_link_libraries(${TEST_TARGET} PRIVATE Qt6::Sql)  # the opening tests write files of a given schema by hand

# The group's journal against a real PostgreSQL server: one program, one throw-away cluster shared
# by its tests (each in a database of its own), run as one test so that the cluster starts once.
file(GLOB kv_journal_tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/journal/*.cpp ${CMAKE_CURRENT_LIST_DIR}/journal/*.h)
add_executable(test_journal ${kv_journal_tests} ${CMAKE_CURRENT_SOURCE_DIR}/support/test_main.cpp)
target_include_directories(test_journal PRIVATE ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(test_journal PRIVATE kvarnel_lib GTest::gtest GTest::gmock Qt6::Test Qt6::Sql)
# The kill test's child: keeps answers and sends them to a journal, saying which are kept.
add_executable(journal_sender ${CMAKE_CURRENT_LIST_DIR}/journal/sender/SenderMain.cpp)
target_link_libraries(journal_sender PRIVATE kvarnel_lib)
add_dependencies(test_journal journal_sender)
target_compile_definitions(test_journal PRIVATE KV_JOURNAL_SENDER="$<TARGET_FILE:journal_sender>"
                                                KV_JOURNAL_SCRIPT="${CMAKE_SOURCE_DIR}/packaging/kvarnel-journal.sql")
add_test(NAME Journal.WithPostgres COMMAND test_journal)
set_tests_properties(Journal.WithPostgres PROPERTIES TIMEOUT 600
  ENVIRONMENT "QT_QPA_PLATFORM=offscreen;SDL_AUDIODRIVER=dummy")
