# Installing and packaging Кварнель; included at the end of the top CMakeLists.txt, once the
# program and the demo content targets exist.
include(${CMAKE_CURRENT_LIST_DIR}/KvarnelAppInfo.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/KvarnelInstall.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/KvarnelInstallTests.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/KvarnelPackage.cmake)
