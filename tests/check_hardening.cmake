cmake_minimum_required(VERSION 3.25)
# Reads the executable's ELF headers: PIE, full RELRO (read-only relocations bound at start-up),
# the stack protector and, where the compiler has it (CET), control-flow protection must be in
# force. The program itself makes no libc call whose buffer size the
# compiler knows and has no frame large enough to probe, so fortification and stack clash
# protection are proven on PROBE, built with the same flags. The probes are read as x86-64 or
# AArch64 code, whichever the header names; OBJDUMP may name a cross objdump for the latter.
function(readelf_out var file)
  execute_process(COMMAND readelf -W ${ARGN} ${file} OUTPUT_VARIABLE out RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "readelf ${ARGN} failed on ${file}")
  endif()
  set(${var} "${out}" PARENT_SCOPE)
endfunction()

if(NOT OBJDUMP)
  set(OBJDUMP objdump)
endif()
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
  execute_process(COMMAND ${OBJDUMP} -d --no-show-raw-insn --disassemble=main ${BINARY}
                  OUTPUT_VARIABLE main_code)
  require("${main_code}" "<main>:[ \t\n]+[0-9a-f]+:[ \t]+endbr64" "control-flow protection (endbr64)")
endif()
if(STACK_CLASH)
  # Each page of a large frame is touched as the stack pointer moves down to it: on x86-64 an
  # `or $0x0` into the new top of the stack, on AArch64 a store of the zero register there.
  execute_process(COMMAND ${OBJDUMP} -d --no-show-raw-insn ${PROBE} OUTPUT_VARIABLE code)
  if(header MATCHES "Machine:[ ]+AArch64")
    require("${code}" "str[ \t]+xzr, \\[sp(, #[0-9]+)?\\]" "stack clash probes (str xzr)")
  elseif(header MATCHES "Machine:[ ]+Advanced Micro Devices X86-64")
    require("${code}" "or[q]?[ \t]+\\$0x0,\\(%rsp\\)" "stack clash probes (or $0x0)")
  else()
    string(REGEX MATCH "Machine:[^\n]*" machine "${header}")
    message(FATAL_ERROR "stack clash probes: no pattern for this ${machine}")
  endif()
endif()
if(missing)
  message(FATAL_ERROR "not hardened: ${missing}")
endif()
string(REGEX MATCHALL "__(printf|memcpy)_chk" fortified "${probe}")
message(STATUS "PIE, full RELRO with BIND_NOW, stack protector, CET ${CET}, stack clash probes "
               "${STACK_CLASH}; probe calls ${fortified}")
