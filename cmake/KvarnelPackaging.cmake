# Installing and packaging Кварнель; included at the end of the top CMakeLists.txt, once the
# program and the demo content targets exist.
include(${CMAKE_CURRENT_LIST_DIR}/KvarnelAppInfo.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/KvarnelInstall.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/KvarnelInstallTests.cmake)

# What the Debian package adds to the install: the machine-readable copyright file (the program's
# and fonts' paragraphs, the content's as the generator made it, the licence texts), the changelog
# and the manual page from the program's --help. They are the component "kvarnel_deb", left out of
# a plain `cmake --install`.
set(KV_MALE_VOICE aleksandr)
execute_process(COMMAND date -u -R -d "${KV_RELEASE_DATE} 12:00"
  OUTPUT_VARIABLE KV_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
set(kv_deb_dir ${CMAKE_BINARY_DIR}/packaging/deb)
configure_file(${KV_PACKAGING_DIR}/changelog.in ${kv_deb_dir}/changelog @ONLY)
configure_file(${KV_PACKAGING_DIR}/copyright-head.in ${kv_deb_dir}/copyright-head @ONLY)
find_program(KV_HELP2MAN help2man REQUIRED)
add_custom_command(OUTPUT ${kv_deb_dir}/changelog.gz
  COMMAND gzip -9nf -k ${kv_deb_dir}/changelog
  DEPENDS ${kv_deb_dir}/changelog
  VERBATIM)
add_custom_command(OUTPUT ${kv_deb_dir}/kvarnel.1.gz
  # Run by its bare name from the path, so the page shows "kvarnel", not the build tree's path;
  # in a UTF-8 locale, since the options are described in Russian.
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8
          "PATH=$<TARGET_FILE_DIR:kvarnel>:$ENV{PATH}"
          ${KV_HELP2MAN} --no-info --no-discard-stderr --locale=C.UTF-8 --section=1
          --version-string=${PROJECT_VERSION} "--name=Russian alphabet for young children"
          --output=${kv_deb_dir}/kvarnel.1 kvarnel
  COMMAND gzip -9nf ${kv_deb_dir}/kvarnel.1
  DEPENDS kvarnel
  COMMENT "Manual page kvarnel.1 (help2man)"
  VERBATIM)
# The content's paragraphs change with the content, so the file is put together on every build.
add_custom_target(kvarnel_deb_docs ALL
  COMMAND sh -c "cat \"$0\" \"$1\" \"$2\" > \"$3\"" ${kv_deb_dir}/copyright-head
          ${CMAKE_BINARY_DIR}/.content-copyright ${KV_PACKAGING_DIR}/copyright-licences ${kv_deb_dir}/copyright
  DEPENDS ${kv_deb_dir}/changelog.gz ${kv_deb_dir}/kvarnel.1.gz ${KV_PACKAGING_DIR}/copyright-licences demo_content
  VERBATIM)
install(FILES ${kv_deb_dir}/copyright ${kv_deb_dir}/changelog.gz
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kvarnel COMPONENT kvarnel_deb EXCLUDE_FROM_ALL)
install(FILES ${kv_deb_dir}/kvarnel.1.gz
  DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT kvarnel_deb EXCLUDE_FROM_ALL)

# Lintian's overrides, each with its reason: only where the program is built hardened and
# optimised (the top CMakeLists.txt), which is what they vouch for.
if(NOT KV_SANITIZE AND NOT KV_TSAN AND CMAKE_BUILD_TYPE MATCHES "^(Release|RelWithDebInfo|MinSizeRel)$")
  install(FILES ${KV_PACKAGING_DIR}/lintian-overrides RENAME kvarnel
    DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides COMPONENT kvarnel_deb EXCLUDE_FROM_ALL)
endif()

include(${CMAKE_CURRENT_LIST_DIR}/KvarnelPackage.cmake)
