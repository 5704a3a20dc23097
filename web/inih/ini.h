// The browser build's stand-in for inih's ini.h: the same reading of settings files, by the
// game's own reader (web/inih/ini_reader.hpp), since Debian's inih ships no WebAssembly build.
#pragma once

#include "web/inih/ini_reader.hpp"

typedef char* (*ini_reader)(char* str, int num, void* stream);
typedef int (*ini_handler)(void* user, const char* section, const char* name, const char* value);

inline int ini_parse_stream(ini_reader reader, void* stream, ini_handler handler, void* user) {
  return ursa::ini::ParseStream(reader, stream, handler, user);
}
