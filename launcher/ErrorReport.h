#pragma once
#include <initializer_list>
#include <string>

#include "launcher/Platform.h"

// Error message boxes: the error icon, one OK button, the default caption.
constexpr unsigned kErrorBoxStyle = 0x10;  // MB_ICONERROR

// Fills the %s and %d placeholders of format, in order, with values (a %d
// takes its value already in decimal). "%%" gives one percent sign.
std::string FormatMessageText(const char* format, std::initializer_list<std::string> values);

int ShowMessage(Platform& platform, WindowHandle owner, const std::string& text, unsigned style);

void ReportError(Platform& platform, const char* text, WindowHandle owner);
void ReportErrorText(Platform& platform, WindowHandle owner, const char* format,
                     const std::string& text);
void ReportErrorCode(Platform& platform, WindowHandle owner, const char* format,
                     const std::string& text, long code);
// The same with the code as the platform words it (a number on Windows, the
// loader's own text elsewhere).
void ReportErrorCode(Platform& platform, WindowHandle owner, const char* format,
                     const std::string& text, const std::string& code);
