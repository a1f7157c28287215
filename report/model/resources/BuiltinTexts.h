#pragma once

#include <span>

struct BuiltinText {
    const char* key;
    const char* text;
};

// The built-in English texts, keyed as the rest of the subsystem asks for them.
std::span<const BuiltinText> builtinTexts();
