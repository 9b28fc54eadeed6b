# The build's own tool (tools/host): icon_maker draws Gorvandel.ico, and the tests print the
# icon's picture with it. It runs where the build runs: a native build makes it an ordinary
# target; a cross build makes it a project of its own, built with the host's compiler
# (GV_HOST_CXX when the default one is not right), and builds it every time so that a changed
# picture reaches the icon.
set(GV_HOST_TOOLS_DIR ${CMAKE_BINARY_DIR}/host-tools)
set(GV_ICON_MAKER ${GV_HOST_TOOLS_DIR}/icon_maker${CMAKE_HOST_EXECUTABLE_SUFFIX})
if(CMAKE_CROSSCOMPILING)
  include(ExternalProject)
  set(GV_HOST_CXX "" CACHE STRING "The host's C++ compiler, for the build's own tools")
  set(host_args -DCMAKE_BUILD_TYPE=Release -DGV_WERROR=${GV_WERROR})
  if(GV_HOST_CXX)
    list(APPEND host_args -DCMAKE_CXX_COMPILER=${GV_HOST_CXX})
  endif()
  ExternalProject_Add(host_tools
    SOURCE_DIR ${PROJECT_SOURCE_DIR}/tools/host
    BINARY_DIR ${GV_HOST_TOOLS_DIR}
    CMAKE_ARGS ${host_args}
    INSTALL_COMMAND ""
    BUILD_ALWAYS ON
    BUILD_BYPRODUCTS ${GV_ICON_MAKER})
  set(GV_HOST_TOOLS host_tools)
else()
  add_subdirectory(${PROJECT_SOURCE_DIR}/tools/host ${GV_HOST_TOOLS_DIR})
  set(GV_HOST_TOOLS icon_maker)
endif()
