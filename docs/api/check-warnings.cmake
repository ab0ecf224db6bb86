# Fails the docs target on any Doxygen warning in LOG, except an ordinary member left without a
# comment: every class and struct and every signal must say what it does for a host.
file(STRINGS ${LOG} lines)
set(failures "")
foreach(line IN LISTS lines)
  if(line STREQUAL "" OR (line MATCHES "is not documented\\.$"
                          AND NOT line MATCHES "warning: Compound |\\(signal\\) of "))
    continue()
  endif()
  string(APPEND failures "${line}\n")
endforeach()
if(failures)
  message(FATAL_ERROR "Doxygen warnings:\n${failures}")
endif()
