# Writes OUTPUT, the help2man include file of linewright-cli (CLI): a COMMANDS section that holds
# each command's own --help, subcommands included, so that the manual page never drifts from it.

# The subcommand names that a --help text lists under "Subcommands:".
function(subcommands help out)
  string(REGEX MATCH "\nSubcommands:\n(  [^\n]*\n)+" listing "${help}\n")
  string(REGEX MATCHALL "\n  [^ \n]+" names "${listing}")
  list(TRANSFORM names REPLACE "^\n  " "")
  set(${out} ${names} PARENT_SCOPE)
endfunction()

function(command_help words)
  execute_process(COMMAND ${CLI} ${words} --help OUTPUT_VARIABLE help RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "${CLI} ${words} --help failed: ${failed}")
  endif()
  if(words)
    string(JOIN " " title ${words})
    # roff: backslashes escaped, and a line that starts with a dot or quote is text, not a request.
    string(REPLACE "\\" "\\e" text "${help}")
    string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" text "${text}")
    file(APPEND ${OUTPUT} ".SS \"${title}\"\n.nf\n${text}.fi\n")
  endif()
  subcommands("${help}" names)
  foreach(name IN LISTS names)
    set(subcommand ${words} ${name})
    command_help("${subcommand}")
  endforeach()
endfunction()

file(WRITE ${OUTPUT} "[COMMANDS]\n")
command_help("")
file(APPEND ${OUTPUT} "\n[SEE ALSO]\n.BR linewright (1)\n")
