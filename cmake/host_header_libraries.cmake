# The header-only libraries of the command line (CLI11, nlohmann_json) come
# from the build machine's packages. A cross build cannot use their package
# files, which point at /usr/include and would put the host's C headers
# before MinGW's; so their own headers, and nothing else, are copied into a
# directory of this build's own.
set(host_headers ${CMAKE_BINARY_DIR}/host-headers)
foreach(libreria CLI nlohmann)
  find_path(${libreria}_HOST_INCLUDE ${libreria} PATHS /usr/include NO_DEFAULT_PATH
    NO_CMAKE_FIND_ROOT_PATH REQUIRED)
  file(COPY ${${libreria}_HOST_INCLUDE}/${libreria} DESTINATION ${host_headers})
endforeach()
add_library(CLI11::CLI11 INTERFACE IMPORTED)
add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)
set_target_properties(CLI11::CLI11 nlohmann_json::nlohmann_json PROPERTIES
  INTERFACE_INCLUDE_DIRECTORIES ${host_headers})
