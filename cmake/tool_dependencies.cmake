# Libraries of the authoring tool's layers: nlohmann/json for JSON output
# (tool/text, and through it every layer above), CLI11 for option parsing
# and the generated version header (tool/cli), librsvg for PNG output (plot).
# The program `scenario` uses none of them.

configure_file(${CMAKE_SOURCE_DIR}/cmake/tool_version.h.in
               ${CMAKE_BINARY_DIR}/generated/tool/cli/tool_version.h @ONLY)
target_include_directories(scenario_tool_cli PUBLIC ${CMAKE_BINARY_DIR}/generated)

if(CMAKE_CROSSCOMPILING)
  # Both libraries are header-only. The build machine's /usr/include must not
  # reach the cross compiler (its C library headers would come with it), so
  # just these two header trees are copied into an include folder of the build.
  set(host_headers ${CMAKE_BINARY_DIR}/host-headers)
  foreach(tree nlohmann CLI)
    find_path(host_${tree}_dir NAMES ${tree} PATHS /usr/include /usr/local/include
              NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
    if(NOT host_${tree}_dir)
      message(FATAL_ERROR "header tree ${tree}/ not found on the build machine "
                          "(Debian: nlohmann-json3-dev, libcli11-dev)")
    endif()
    file(COPY ${host_${tree}_dir}/${tree} DESTINATION ${host_headers})
  endforeach()
  add_library(scenario_host_headers INTERFACE)
  target_include_directories(scenario_host_headers SYSTEM INTERFACE ${host_headers})
  target_link_libraries(scenario_tool_text PUBLIC scenario_host_headers)
  target_link_libraries(scenario_tool_cli PUBLIC scenario_host_headers)
else()
  find_package(nlohmann_json 3 REQUIRED)
  find_package(CLI11 CONFIG REQUIRED)
  target_link_libraries(scenario_tool_text PUBLIC nlohmann_json::nlohmann_json)
  target_link_libraries(scenario_tool_cli PUBLIC CLI11::CLI11)
endif()

# PNG output renders the SVG picture with librsvg. Without it (the Windows
# cross build) the tool refuses a .png output with a message.
if(NOT CMAKE_CROSSCOMPILING)
  find_package(PkgConfig)
  if(PKG_CONFIG_FOUND)
    pkg_check_modules(RSVG IMPORTED_TARGET librsvg-2.0 cairo)
  endif()
endif()
if(RSVG_FOUND)
  target_link_libraries(scenario_plot PUBLIC PkgConfig::RSVG)
  target_compile_definitions(scenario_plot PRIVATE SCENARIO_HAVE_RSVG=1)
else()
  message(STATUS "librsvg not found: scenario-tool plot writes SVG only")
endif()
