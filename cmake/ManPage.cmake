# Writes the man page of rigwright-cli from its --help text, so the two never
# disagree. Run with -DCLI=<rigwright-cli> -DOUT=<file.1> -DVERSION=<x.y.z>.
execute_process(COMMAND "${CLI}" --help OUTPUT_VARIABLE help RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${CLI} --help failed: ${status}")
endif()
# roff: a backslash is written as \e, a minus as \-, and a line must not start
# with a control character.
string(REPLACE "\\" "\\e" help "${help}")
string(REPLACE "-" "\\-" help "${help}")
string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" help "${help}")
file(WRITE "${OUT}" ".TH RIGWRIGHT-CLI 1 \"\" \"rigwright ${VERSION}\" \"User Commands\"
.SH NAME
rigwright\\-cli \\- check, format and edit Tavix car files without a window
.SH DESCRIPTION
.nf
${help}.fi
")
