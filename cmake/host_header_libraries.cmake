# The header-only libraries of the command line (CLI11, nlohmann_json) come
# from the build machine's packages, and so does watch's HTTP server (below). A cross build cannot use their targets,
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

# cpp-httplib: Debian builds it for Linux only, as a shared library, so the
# cross build compiles it from the header of Debian's source package, which
# `./build.sh deps ci` unpacks under build-sources/. Without TLS or
# compression: watch serves this machine alone. Windows sockets come from
# ws2_32.
find_path(CPP_HTTPLIB_SOURCE httplib.h PATHS ${CMAKE_SOURCE_DIR}/build-sources/cpp-httplib
  NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
if(NOT CPP_HTTPLIB_SOURCE)
  message(FATAL_ERROR "cpp-httplib's source is missing: run ./build.sh deps ci")
endif()
file(COPY ${CPP_HTTPLIB_SOURCE}/httplib.h DESTINATION ${host_headers}/cpp-httplib)
add_library(cpp_httplib INTERFACE)
target_include_directories(cpp_httplib SYSTEM INTERFACE ${host_headers}/cpp-httplib)
target_link_libraries(cpp_httplib INTERFACE ws2_32)
