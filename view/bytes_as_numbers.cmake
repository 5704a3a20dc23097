# Writes the bytes of IN to OUT as a C list of numbers ("0x42,0x4d,..."), for a build whose
# assembler cannot embed a file (WebAssembly). Run as: cmake -DIN=... -DOUT=... -P this file.
file(READ "${IN}" hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," numbers "${hex}")
file(WRITE "${OUT}" "${numbers}\n")
