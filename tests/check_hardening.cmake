cmake_minimum_required(VERSION 3.25)
# Reads the executable's ELF headers: PIE, full RELRO (read-only relocations bound at start-up),
# the stack protector and, where the compiler has it (CET), control-flow protection must be in
# force. The program itself makes no libc call whose buffer size the
# compiler knows and has no frame large enough to probe, so fortification and stack clash
# protection are proven on PROBE, built with the same flags.
function(readelf_out var file)
  execute_process(COMMAND readelf -W ${ARGN} ${file} OUTPUT_VARIABLE out RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "readelf ${ARGN} failed on ${file}")
  endif()
  set(${var} "${out}" PARENT_SCOPE)
endfunction()

readelf_out(header ${BINARY} -h)
readelf_out(segments ${BINARY} -l)
readelf_out(dynamic ${BINARY} -d)
readelf_out(symbols ${BINARY} --dyn-syms)
readelf_out(probe ${PROBE} --dyn-syms)

set(missing "")
function(require text regex what)
  if(NOT text MATCHES "${regex}")
    set(missing ${missing} "${what}" PARENT_SCOPE)
  endif()
endfunction()
require("${header}" "Type:[ ]+DYN" "PIE")
require("${segments}" "GNU_RELRO" "RELRO")
require("${dynamic}" "\\((FLAGS\\)[^\n]*BIND_NOW|FLAGS_1\\)[^\n]*NOW)" "immediate binding (BIND_NOW)")
require("${symbols}" "__stack_chk_fail" "stack protector")
require("${probe}" "__(printf|memcpy)_chk@" "fortified functions")
if(CET)
  # Control-flow protection marks every function that may be reached indirectly with an
  # endbr64 landing pad. (The IBT/SHSTK property note itself cannot reach the executable on
  # Debian 12: the C library's start-up objects do not carry it, for Debian's own binaries too.)
  execute_process(COMMAND objdump -d --no-show-raw-insn --disassemble=main ${BINARY}
                  OUTPUT_VARIABLE main_code)
  require("${main_code}" "<main>:[ \t\n]+[0-9a-f]+:[ \t]+endbr64" "control-flow protection (endbr64)")
endif()
if(STACK_CLASH)
  # Each page of a large frame is touched as the stack pointer moves down to it.
  execute_process(COMMAND objdump -d --no-show-raw-insn ${PROBE} OUTPUT_VARIABLE code)
  require("${code}" "or[q]?[ \t]+\\$0x0,\\(%rsp\\)" "stack clash probes")
endif()
if(missing)
  message(FATAL_ERROR "not hardened: ${missing}")
endif()
string(REGEX MATCHALL "__(printf|memcpy)_chk" fortified "${probe}")
message(STATUS "PIE, full RELRO with BIND_NOW, stack protector, CET ${CET}, stack clash probes "
               "${STACK_CLASH}; probe calls ${fortified}")
