# Installs the build into a fresh prefix and checks what a desktop and a
# package manager rely on: the files are there, the programs run, the desktop
# entry and the metainfo validate.
set(prefix ${BUILD}/install-test)
file(REMOVE_RECURSE ${prefix})

function(expect_run expected_status)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status STREQUAL expected_status)
    message(FATAL_ERROR "${ARGN}: status ${status}, expected ${expected_status}\n${out}${err}")
  endif()
endfunction()

expect_run(0 ${CMAKE_COMMAND} --install ${BUILD} --prefix ${prefix})
set(files bin/rigwright-cli share/man/man1/rigwright-cli.1)
set(metainfo share/metainfo/io.github.rigwright.Rigwright.metainfo.xml)
if(GUI)
  list(APPEND files bin/rigwright share/applications/rigwright.desktop ${metainfo}
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
expect_run(2 ${prefix}/bin/rigwright-cli)
if(GUI)
  expect_run(0 ${prefix}/bin/rigwright --version)
  expect_run(0 desktop-file-validate ${prefix}/share/applications/rigwright.desktop)
  expect_run(0 appstreamcli validate --no-net ${prefix}/${metainfo})
endif()
file(REMOVE_RECURSE ${prefix})
