#pragma once

// How the bytes of a private-profile file carry its text. The byte-order mark, when the encoding has one,
// is part of the encoding: a file keeps it or its absence when rewritten.
enum class TextEncoding {
    Windows1251, // the Cyrillic single-byte code page of the Windows program's own files
    Utf8,
    Utf8WithBom,
    Utf16LE, // with a byte-order mark
    Utf16BE, // with a byte-order mark
};
