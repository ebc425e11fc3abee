// Windows: the command line is UTF-16, and a narrow path is read in the
// ANSI code page, so names cross as UTF-16 both ways.
#include "ProgramArguments.h"

#include "CommandLine.h"

#include "common/core/SystemCalls.h"
#include "common/core/Utf8.h"

#include <windows.h>

#include <shellapi.h>

#include <cstdio>

namespace vantorcli {

namespace {

// UTF-16 to UTF-8; a lone surrogate, which a file name may hold, becomes
// its own three bytes so that toPath() gives it back.
std::string utf8Text(const wchar_t* text)
{
    std::string out;
    for (std::size_t i = 0; text[i] != 0; ++i) {
        char32_t code = static_cast<char16_t>(text[i]);
        const char32_t next = static_cast<char16_t>(text[i + 1]);
        if (code >= 0xD800 && code <= 0xDBFF && next >= 0xDC00 && next <= 0xDFFF) {
            code = 0x10000 + ((code - 0xD800) << 10) + (next - 0xDC00);
            ++i;
        }
        if (code >= 0xD800 && code <= 0xDFFF) {
            out += static_cast<char>(0xE0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            common::appendUtf8(out, code);
        }
    }
    return out;
}

} // namespace

std::vector<std::string> programArguments(int, char**)
{
    common::sys::useBinaryStandardStreams();
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 1; wide && i < count; ++i)
        arguments.push_back(utf8Text(wide[i]));
    LocalFree(wide);
    return arguments;
}

std::filesystem::path toPath(const std::string& argument)
{
    std::wstring wide;
    for (std::size_t at = 0; at < argument.size();) {
        const auto byte = static_cast<unsigned char>(argument[at]);
        // The three bytes of a lone surrogate, which UTF-8 itself refuses.
        if (byte == 0xED && at + 2 < argument.size() && (static_cast<unsigned char>(argument[at + 1]) & 0xE0) == 0xA0) {
            wide += static_cast<wchar_t>(0xD000 | ((argument[at + 1] & 0x3F) << 6) | (argument[at + 2] & 0x3F));
            at += 3;
            continue;
        }
        const auto [code, length] = common::utf8At(argument, at);
        if (length == 0) {
            wide += static_cast<wchar_t>(0xFFFD);
            ++at;
            continue;
        }
        if (code >= 0x10000) {
            wide += static_cast<wchar_t>(0xD800 + ((code - 0x10000) >> 10));
            wide += static_cast<wchar_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
        } else {
            wide += static_cast<wchar_t>(code);
        }
        at += length;
    }
    return std::filesystem::path(wide);
}

} // namespace vantorcli
