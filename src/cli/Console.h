#pragma once
// Text out of the companion. On Windows a console shows UTF-16 written through the console's own
// API (the C library's narrow output goes through the console's code page, which turns a Cyrillic
// name into question marks), and a redirected stream gets UTF-8, which scripts and editors read;
// elsewhere the text goes out in the locale's encoding, as it always has.

#include <QString>
#include <cstdio>

namespace mosaicor {

// Writes `text` as it is (add the line end yourself) and flushes the stream.
void PrintText(FILE* stream, const QString& text);

// True when the stream is an interactive terminal or console (not a file, a pipe or NUL).
bool IsTerminal(FILE* stream);

// The progress line: shows `text` in place of the line shown before, or clears it when empty. On
// Windows the line is padded with spaces rather than erased with an escape sequence, which a
// Command Prompt without its terminal mode shows as a box and "[K".
void ShowProgressText(FILE* stream, const QString& text);

}  // namespace mosaicor
