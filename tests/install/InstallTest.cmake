# Installs the build into a fresh prefix and checks what a desktop and a
# package manager rely on: the programs run, the desktop entry and the
# metainfo validate, the icons are in the hicolor theme, the man page is there.
set(prefix ${BUILD}/install-test)
file(REMOVE_RECURSE ${prefix})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${prefix}
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed")
endif()

function(expect_run expected_status)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status STREQUAL expected_status)
    message(FATAL_ERROR "${ARGN}: status ${status}, expected ${expected_status}\n${out}${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
endfunction()

set(files bin/rigwright-cli share/man/man1/rigwright-cli.1)
if(GUI)
  list(APPEND files bin/rigwright share/applications/rigwright.desktop
       share/metainfo/io.github.rigwright.Rigwright.metainfo.xml
       share/icons/hicolor/scalable/apps/rigwright.svg)
  foreach(size 16 32 48 64 128 256)
    list(APPEND files share/icons/hicolor/${size}x${size}/apps/rigwright.png)
  endforeach()
endif()
foreach(file ${files})
  if(NOT EXISTS ${prefix}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()

expect_run(0 ${prefix}/bin/rigwright-cli --version)
if(NOT out MATCHES "^rigwright-cli [0-9]+\\.[0-9]+\\.[0-9]+\n$")
  message(FATAL_ERROR "rigwright-cli --version printed: ${out}")
endif()
expect_run(2 ${prefix}/bin/rigwright-cli)
# Every command of --help is in the man page, as roff writes it.
expect_run(0 ${prefix}/bin/rigwright-cli --help)
file(READ ${prefix}/share/man/man1/rigwright-cli.1 man)
string(REGEX MATCHALL "\n  [a-z]+ [^\n]*" commands "${out}")
foreach(command ${commands})
  string(REPLACE "-" "\\-" command "${command}")
  string(FIND "${man}" "${command}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "man page misses: ${command}")
  endif()
endforeach()
if(GUI)
  expect_run(0 ${prefix}/bin/rigwright --version)
  expect_run(0 desktop-file-validate ${prefix}/share/applications/rigwright.desktop)
  expect_run(0 appstreamcli validate --no-net
             ${prefix}/share/metainfo/io.github.rigwright.Rigwright.metainfo.xml)
endif()
file(REMOVE_RECURSE ${prefix})
