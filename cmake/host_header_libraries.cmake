# The header-only libraries of the command line (CLI11, nlohmann_json) come
# from the build machine's packages. A cross build cannot use their targets,
# which point at the host's include directory and would put the host's C
# headers before MinGW's; so their package files are only asked where the
# headers are, and their own headers, nothing else, are copied into a
# directory of this build's own.
set(host_headers ${CMAKE_BINARY_DIR}/host-headers)
find_package(CLI11 CONFIG REQUIRED NO_CMAKE_FIND_ROOT_PATH)
find_package(nlohmann_json 3 CONFIG REQUIRED NO_CMAKE_FIND_ROOT_PATH)
foreach(pair "CLI11::CLI11|CLI" "nlohmann_json::nlohmann_json|nlohmann")
  string(REPLACE "|" ";" pair "${pair}")
  list(GET pair 0 target)
  list(GET pair 1 directory)
  get_target_property(includes ${target} INTERFACE_INCLUDE_DIRECTORIES)
  find_path(${directory}_HOST_INCLUDE ${directory} PATHS ${includes} NO_DEFAULT_PATH
    NO_CMAKE_FIND_ROOT_PATH REQUIRED)
  file(COPY ${${directory}_HOST_INCLUDE}/${directory} DESTINATION ${host_headers})
  set_target_properties(${target} PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${host_headers})
endforeach()
