# nlohmann/json, header only: the installed package where CMake finds it.
# Cross builds look for packages in the target's root only; the headers of
# the build host serve them as well, copied on their own so that no other
# host header comes into the include path.
add_library(scenario_nlohmann_json INTERFACE)
find_package(nlohmann_json 3 QUIET)
if(nlohmann_json_FOUND)
  target_link_libraries(scenario_nlohmann_json INTERFACE nlohmann_json::nlohmann_json)
else()
  find_path(SCENARIO_HOST_NLOHMANN_JSON nlohmann/json.hpp PATHS /usr/include /usr/local/include
            NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
  if(NOT SCENARIO_HOST_NLOHMANN_JSON)
    message(FATAL_ERROR "nlohmann/json not found (Debian: nlohmann-json3-dev)")
  endif()
  file(COPY ${SCENARIO_HOST_NLOHMANN_JSON}/nlohmann DESTINATION ${CMAKE_BINARY_DIR}/host-headers)
  target_include_directories(scenario_nlohmann_json SYSTEM INTERFACE
                             ${CMAKE_BINARY_DIR}/host-headers)
endif()
