# vexor-reg as administrators run it, on either platform: the fixture's accounts (German umlauts and
# ß in key names, value names and data) imported and exported again give the fixture's very bytes.
# The fixture is the Linux tool's export, so the Windows tool passing this writes the same file. Its
# values are in name order, the order Wine's registry enumerates them in. Under Windows a name its
# ANSI code page can't hold (Cyrillic, with the Western European one) is refused, and nothing of it
# is created.
# -DTOOL=vexor-reg [-DEMULATOR=wrapper] -DFIXTURE=umlauts.reg -DWORK=scratch folder [-DWINDOWS=ON]
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
set(ENV{VEXOR_REGISTRY} ${WORK}/registry.db)

function(reg expected)
  execute_process(COMMAND ${EMULATOR} ${TOOL} ${ARGN} RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err
                  WORKING_DIRECTORY ${WORK})
  if(NOT code EQUAL expected)
    message(FATAL_ERROR "vexor-reg ${ARGN}: exit code ${code}, expected ${expected}\n${out}${err}")
  endif()
endfunction()

set(key "HKCR\\VexorToolTest")
execute_process(COMMAND ${EMULATOR} ${TOOL} delete ${key} /f OUTPUT_QUIET ERROR_QUIET WORKING_DIRECTORY ${WORK})
reg(0 import ${FIXTURE})
reg(0 export ${key} out.reg /y)
file(READ ${FIXTURE} expected HEX)
file(READ ${WORK}/out.reg actual HEX)
if(NOT actual STREQUAL expected)
  message(FATAL_ERROR "the export of the imported ${FIXTURE} differs from it: see ${WORK}/out.reg")
endif()
if(WINDOWS)
  reg(1 add "${key}\\Жанна" /v Group /d x /f)
  reg(1 query "${key}\\Жанна")
endif()
reg(0 delete ${key} /f)
