# Who the program is to the desktop: its reverse-DNS id, the vendor's site, the release date, and a
# generated header with the id and version for the program itself (target kvarnel_build_info).
include(GNUInstallDirs)

set(KV_APP_ID org.example.kvarnel)
set(KV_HOMEPAGE https://kvarnel.example.org)
# The date of the release named by project(VERSION); change the two together.
set(KV_RELEASE_DATE 2026-12-09)

# The installed content folder, and the same folder as seen from the installed program's folder.
set(KV_INSTALL_CONTENTDIR ${CMAKE_INSTALL_DATADIR}/kvarnel)
file(RELATIVE_PATH KV_CONTENT_DIR_FROM_BINDIR
  /prefix/${CMAKE_INSTALL_BINDIR} /prefix/${KV_INSTALL_CONTENTDIR})

configure_file(${CMAKE_CURRENT_LIST_DIR}/kvarnel_build_info.h.in
  ${CMAKE_BINARY_DIR}/generated/kvarnel_build_info.h @ONLY)
add_library(kvarnel_build_info INTERFACE)
target_include_directories(kvarnel_build_info INTERFACE ${CMAKE_BINARY_DIR}/generated)
