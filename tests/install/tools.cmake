# zor_require_program(var program package): the path of a tool the checks cannot do without.
function(zor_require_program var program package)
  find_program(zor_path_${program} ${program})
  if(NOT zor_path_${program})
    message(FATAL_ERROR "${program} is missing: install the Debian package ${package} "
                        "(scripts/install-deps.sh does)")
  endif()
  set(${var} ${zor_path_${program}} PARENT_SCOPE)
endfunction()

# zor_run(out command...): runs the command, fails on a non-zero exit, returns what it printed.
function(zor_run out)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE stdout ERROR_VARIABLE stderr)
  if(NOT status EQUAL 0)
    string(REPLACE ";" " " shown "${ARGN}")
    message(FATAL_ERROR "${shown} failed (${status}):\n${stdout}${stderr}")
  endif()
  set(${out} "${stdout}${stderr}" PARENT_SCOPE)
endfunction()

# zor_xpath(out file expression): the string value of an XPath expression over an XML file.
function(zor_xpath out file expression)
  zor_require_program(xmllint xmllint libxml2-utils)
  zor_run(value ${xmllint} --xpath "string(${expression})" ${file})
  string(STRIP "${value}" value)
  set(${out} "${value}" PARENT_SCOPE)
endfunction()
