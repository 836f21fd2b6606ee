# Installation and release packages.
#
# `cmake --install` puts the two programs, their manual pages, the bash
# completion of scenario-tool, the documentation and the example scenarios
# under the prefix; CPack turns the same into a Debian package and a .tar.gz
# on Linux, and into a .zip in the Windows cross build.
#
# The manual pages, the completion script and the examples are made at build
# time by running scenario-tool (see packaging/), so they always say what the
# built tool says. A cross build cannot run its own tool: it builds one for
# the build machine, or uses the one named by SCENARIO_HOST_TOOL.

set(SCENARIO_PACKAGE_NAME scenario-compiler)
set(CMAKE_INSTALL_DOCDIR "share/doc/${SCENARIO_PACKAGE_NAME}" CACHE PATH "Documentation (DATAROOTDIR/doc/...)")
include(GNUInstallDirs)

set(SCENARIO_SUMMARY "compile the embedded train-driving scenario into the simulator's files")
set(SCENARIO_TOOL_SUMMARY "compile, check, decode and draw train-driving scenarios")
set(SCENARIO_PACKAGING_DIR "${CMAKE_BINARY_DIR}/packaging")
set(packaging_scripts "${PROJECT_SOURCE_DIR}/packaging")

if(WIN32)
  # A Windows archive holds the programs at its top, beside README.md.
  set(scenario_bin_dir .)
  set(scenario_doc_dir .)
else()
  set(scenario_bin_dir "${CMAKE_INSTALL_BINDIR}")
  set(scenario_doc_dir "${CMAKE_INSTALL_DOCDIR}")
endif()

install(TARGETS scenario RUNTIME DESTINATION "${scenario_bin_dir}")
install(FILES README.md DESTINATION "${scenario_doc_dir}")
install(DIRECTORY docs/ DESTINATION "${scenario_doc_dir}/docs")

if(TARGET scenario-tool)
  install(TARGETS scenario-tool RUNTIME DESTINATION "${scenario_bin_dir}")

  # The scenario-tool that can run here.
  if(NOT CMAKE_CROSSCOMPILING)
    set(help_tool "$<TARGET_FILE:scenario-tool>")
    set(help_tool_target scenario-tool)
  else()
    set(SCENARIO_HOST_TOOL "" CACHE FILEPATH
        "scenario-tool built for the build machine, run by a cross build to make its examples; empty: built here")
    if(SCENARIO_HOST_TOOL)
      # A file dependency: the examples follow every rebuild of that tool.
      set(help_tool "${SCENARIO_HOST_TOOL}")
      set(help_tool_target "${SCENARIO_HOST_TOOL}")
    else()
      include(ExternalProject)
      set(host_dir "${CMAKE_BINARY_DIR}/host-tool")
      # Built like the cross build; its warnings are the ci build's business.
      set(host_args -DCMAKE_BUILD_TYPE=Release "-DCMAKE_CXX_FLAGS_RELEASE=${CMAKE_CXX_FLAGS_RELEASE}"
                    -DSCENARIO_TESTS=OFF -DSCENARIO_WERROR=OFF)
      if(CMAKE_CXX_COMPILER_LAUNCHER)
        list(APPEND host_args "-DCMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER}")
      endif()
      ExternalProject_Add(scenario_host_tool
        SOURCE_DIR "${PROJECT_SOURCE_DIR}"
        BINARY_DIR "${host_dir}"
        CMAKE_ARGS ${host_args}
        BUILD_COMMAND "${CMAKE_COMMAND}" --build "${host_dir}" --target scenario-tool
        BUILD_ALWAYS TRUE
        BUILD_BYPRODUCTS "${host_dir}/bin/scenario-tool"
        INSTALL_COMMAND "")
      set(help_tool "${host_dir}/bin/scenario-tool")
      set(help_tool_target scenario_host_tool)
    endif()
  endif()

  set(help_common "${packaging_scripts}/help_text.cmake")
  set(examples_stamp "${SCENARIO_PACKAGING_DIR}/examples.stamp")
  add_custom_command(OUTPUT "${examples_stamp}"
    COMMAND "${CMAKE_COMMAND}" "-DTOOL=${help_tool}" "-DOUT=${SCENARIO_PACKAGING_DIR}/examples"
            -P "${packaging_scripts}/make_examples.cmake"
    COMMAND "${CMAKE_COMMAND}" -E touch "${examples_stamp}"
    DEPENDS ${help_tool_target} "${packaging_scripts}/make_examples.cmake" "${help_common}"
    COMMENT "Writing the example scenarios with scenario-tool"
    VERBATIM)
  set(generated "${examples_stamp}")

  if(NOT WIN32)
    set(doc_note "share/doc/${SCENARIO_PACKAGE_NAME}")
    set(man_dir "${SCENARIO_PACKAGING_DIR}/man1")
    add_custom_command(OUTPUT "${man_dir}/scenario-tool.1"
      COMMAND "${CMAKE_COMMAND}" -DPROGRAM=scenario-tool "-DTOOL=${help_tool}"
              "-DVERSION=${PROJECT_VERSION}" "-DSUMMARY=${SCENARIO_TOOL_SUMMARY}" -DSEE_ALSO=scenario
              "-DDOC_DIR=${doc_note}" "-DOUT=${man_dir}/scenario-tool.1"
              -P "${packaging_scripts}/make_man_page.cmake"
      DEPENDS ${help_tool_target} "${packaging_scripts}/make_man_page.cmake" "${help_common}"
      COMMENT "Writing the manual page of scenario-tool from its help"
      VERBATIM)
    add_custom_command(OUTPUT "${man_dir}/scenario.1"
      COMMAND "${CMAKE_COMMAND}" -DPROGRAM=scenario "-DHELP_FILE=${packaging_scripts}/scenario.help"
              "-DVERSION=${PROJECT_VERSION}" "-DSUMMARY=${SCENARIO_SUMMARY}" -DSEE_ALSO=scenario-tool
              "-DDOC_DIR=${doc_note}" "-DOUT=${man_dir}/scenario.1"
              -P "${packaging_scripts}/make_man_page.cmake"
      DEPENDS "${packaging_scripts}/scenario.help" "${packaging_scripts}/make_man_page.cmake"
              "${help_common}"
      COMMENT "Writing the manual page of scenario"
      VERBATIM)
    set(completion "${SCENARIO_PACKAGING_DIR}/completions/scenario-tool")
    add_custom_command(OUTPUT "${completion}"
      COMMAND "${CMAKE_COMMAND}" "-DTOOL=${help_tool}"
              "-DTEMPLATE=${packaging_scripts}/scenario-tool.bash.in" "-DOUT=${completion}"
              -P "${packaging_scripts}/make_completion.cmake"
      DEPENDS ${help_tool_target} "${packaging_scripts}/make_completion.cmake"
              "${packaging_scripts}/scenario-tool.bash.in" "${help_common}"
      COMMENT "Writing the bash completion of scenario-tool from its help"
      VERBATIM)
    list(APPEND generated "${man_dir}/scenario-tool.1" "${man_dir}/scenario.1" "${completion}")

    install(FILES "${man_dir}/scenario.1" "${man_dir}/scenario-tool.1"
            DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")
    install(FILES "${completion}" DESTINATION "${CMAKE_INSTALL_DATAROOTDIR}/bash-completion/completions")
  endif()
  add_custom_target(scenario_packaging_files ALL DEPENDS ${generated})
  install(DIRECTORY "${SCENARIO_PACKAGING_DIR}/examples/" DESTINATION "${scenario_doc_dir}/examples")

  # The tests read the generated files.
  if(TARGET scenario_tests)
    add_dependencies(scenario_tests scenario_packaging_files)
    target_compile_definitions(scenario_tests PRIVATE
      SCENARIO_PACKAGING_DIR="${SCENARIO_PACKAGING_DIR}"
      SCENARIO_PACKAGING_SOURCE_DIR="${packaging_scripts}"
      SCENARIO_CMAKE_COMMAND="${CMAKE_COMMAND}"
      SCENARIO_VERSION="${PROJECT_VERSION}")
  endif()
endif()

# Packages: `cpack --preset linux` (DEB and TGZ) after a build of the default
# preset, `cpack --preset windows` after the windows preset's build.
set(CPACK_PACKAGE_NAME "${SCENARIO_PACKAGE_NAME}")
set(CPACK_PACKAGE_VENDOR "Scenario compiler maintainers")
set(CPACK_PACKAGE_CONTACT "Seed 8d1d0259 maintainers <maintainers@users.noreply.c-seed-8d1d0259.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Scenario compiler for a train-driving simulator")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "scenario writes the scenario it carries as text files and compiles it into the three binary files "
    "the simulator loads; scenario-tool gives scenario authors the same compiler for their own line "
    "and train descriptions, with checking, decoding and drawing.")
set(CPACK_PACKAGE_DIRECTORY "${CMAKE_BINARY_DIR}/packages")
set(CPACK_PACKAGE_CHECKSUM SHA256)
set(CPACK_STRIP_FILES TRUE)
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/build/" "/out/")
if(WIN32)
  set(CPACK_GENERATOR ZIP)
else()
  set(CPACK_GENERATOR DEB TGZ)
endif()

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SUGGESTS bash-completion)
# The shared libraries the programs link decide the dependencies; without
# dpkg-shlibdeps they are named here.
find_program(DPKG_SHLIBDEPS dpkg-shlibdeps)
if(DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "libc6, libgcc-s1, libstdc++6")
endif()

include(CPack)
