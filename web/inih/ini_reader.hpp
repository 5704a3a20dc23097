// A reader of .ini text that reads as inih (release 55, Debian's libinih, built with its
// defaults) does: sections, "name = value" or "name: value", comments from ';' or '#' at a
// line's start and from ';' after a blank in a setting, indented lines continuing the last value, a
// UTF-8 byte order mark skipped, sections (and a continued value's name) cut to 49 bytes, lines
// read 199 bytes at a time.
#pragma once

namespace ursa::ini {

// Reads lines from `reader` (fgets-like) until it returns null, calling `handler` with each
// setting. Returns 0, or the number of the first line that is no setting, section or comment,
// or whose handler returned 0.
int ParseStream(char* (*reader)(char*, int, void*), void* stream,
                int (*handler)(void*, const char*, const char*, const char*), void* user);

}  // namespace ursa::ini
