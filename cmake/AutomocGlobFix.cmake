# AUTOMOC decides from its previous depfile whether to run again, and that depfile does not list
# files that did not exist then: a newly globbed header with Q_OBJECT would not be moc'ed and the
# link would fail on a missing vtable. When a target's globbed source list changes, drop its
# autogen timestamp so that moc runs again.
function(uiw_rerun_automoc_on_new_sources target)
  string(SHA1 sources_hash "${ARGN}")
  set(hash_variable UIW_AUTOMOC_SOURCES_HASH_${target})
  if(NOT "${sources_hash}" STREQUAL "${${hash_variable}}")
    file(REMOVE ${CMAKE_CURRENT_BINARY_DIR}/${target}_autogen/timestamp)
    set(${hash_variable} ${sources_hash} CACHE INTERNAL "")
  endif()
endfunction()
