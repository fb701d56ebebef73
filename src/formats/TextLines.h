#pragma once

#include <vector>

// The lines of a text or of its bytes (code page 932 and UTF-8 have no
// line-break byte inside a character): split at CR LF, LF or a lone CR; a
// last line without an ending counts, an ending at the very end adds no line.
template <class View>
std::vector<View> splitLines(View text) {
    std::vector<View> lines;
    decltype(text.size()) start = 0;
    for (decltype(text.size()) i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        lines.push_back(text.sliced(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.push_back(text.sliced(start));
    return lines;
}
