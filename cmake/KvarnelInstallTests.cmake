# Tests of the installed program: install_into_build_tree installs the build tree into
# install-test/ inside it (ctest runs it first whenever one of the others is picked); the others
# check the installed layout, start the installed program (version, content check, a clean
# loading and its module at work), and validate the desktop entry, the metainfo and the icons.
set(KV_INSTALL_TEST_PREFIX ${CMAKE_BINARY_DIR}/install-test)
string(REPLACE ";" "," kv_icon_sizes_arg "${KV_ICON_SIZES}")
foreach(check install layout program desktop metainfo icons)
  set(test_name install_${check})
  if(check STREQUAL "install")
    set(test_name install_into_build_tree)
  elseif(check STREQUAL "desktop")
    set(test_name install_desktop_entry)
  elseif(check STREQUAL "program")
    set(test_name install_program_starts)
  endif()
  add_test(NAME ${test_name}
    COMMAND ${CMAKE_COMMAND} -DCHECK=${check} -DBUILD_DIR=${CMAKE_BINARY_DIR}
            -DPREFIX=${KV_INSTALL_TEST_PREFIX} -DAPP_ID=${KV_APP_ID}
            -DPROBE=$<TARGET_FILE:kvarnel_build_info_probe> -DICON_SIZES=${kv_icon_sizes_arg}
            -DMODULE=${KV_INSTALL_MODULEDIR}/$<TARGET_FILE_NAME:kvarnel_corner>
            -P ${CMAKE_CURRENT_LIST_DIR}/CheckInstall.cmake)
  set_tests_properties(${test_name} PROPERTIES TIMEOUT 120)
  if(check STREQUAL "install")
    set_tests_properties(${test_name} PROPERTIES FIXTURES_SETUP kv_installed)
  else()
    set_tests_properties(${test_name} PROPERTIES FIXTURES_REQUIRED kv_installed)
  endif()
endforeach()
