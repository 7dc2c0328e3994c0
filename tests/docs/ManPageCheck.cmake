# Keeps a command's manual page and bash completion in step with the command:
# every option its --help lists (and each SUBCOMMANDS' --help) must appear in
# the page and be offered by the completion, and --help and --version must
# answer without a display.
#   cmake -DEXE=path -DPAGE=page.1 -DCOMPLETION=file -DVERSION=x.y
#         [-DSUBCOMMANDS=a;b] -P ManPageCheck.cmake
if(NOT EXE)
  message("program not built: nothing to check")
  return()
endif()

# No display: a command that opened a window for these would fail here.
unset(ENV{DISPLAY})
unset(ENV{WAYLAND_DISPLAY})
unset(ENV{QT_QPA_PLATFORM})
set(ENV{LANG} C)
set(ENV{LC_ALL} C)
set(ENV{LANGUAGE} "")

execute_process(COMMAND ${EXE} --version RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR NOT out MATCHES "${VERSION}")
  message(FATAL_ERROR "${EXE} --version: exit ${rc}, \"${out}${err}\" does not name version ${VERSION}")
endif()

file(READ ${PAGE} page)
# The page as a reader sees it: roff's escaped hyphens and font changes gone.
string(REPLACE "\\-" "-" page "${page}")
string(REGEX REPLACE "\\\\f[BIRP]" "" page "${page}")
file(READ ${COMPLETION} completion)

set(missing)
foreach(sub IN ITEMS "" ${SUBCOMMANDS})
  execute_process(COMMAND ${EXE} ${sub} --help RESULT_VARIABLE rc OUTPUT_VARIABLE help ERROR_VARIABLE err)
  if(NOT rc EQUAL 0 OR help STREQUAL "")
    message(FATAL_ERROR "${EXE} ${sub} --help: exit ${rc}, ${err}")
  endif()
  # Options: a dash or two and a letter, not inside a word ("log-log", "2-D").
  # Brackets go first: in a CMake list they would hold the items together.
  string(REGEX REPLACE "[][]" " " help "${help}")
  string(REGEX MATCHALL "(^|[^A-Za-z0-9_-])--?[A-Za-z][A-Za-z0-9-]*" found "${help}")
  set(options)
  foreach(f IN LISTS found)
    string(REGEX MATCH "--?[A-Za-z][A-Za-z0-9-]*$" f "${f}")
    list(APPEND options ${f})
  endforeach()
  list(REMOVE_DUPLICATES options)
  if(NOT options)
    message(FATAL_ERROR "${EXE} ${sub} --help lists no options:\n${help}")
  endif()
  foreach(opt IN LISTS options)
    set(word "(^|[^A-Za-z0-9_-])${opt}($|[^A-Za-z0-9_-])")
    if(NOT page MATCHES "${word}")
      list(APPEND missing "${opt} (${sub} --help) is not in ${PAGE}")
    endif()
    if(NOT completion MATCHES "${word}")
      list(APPEND missing "${opt} (${sub} --help) is not offered by ${COMPLETION}")
    endif()
  endforeach()
endforeach()
if(missing)
  list(JOIN missing "\n  " text)
  message(FATAL_ERROR "out of step with --help:\n  ${text}")
endif()
