#include "launcher/ErrorReport.h"

std::string FormatMessageText(const char* format, std::initializer_list<std::string> values)
{
    std::string result;
    auto next = values.begin();
    for (const char* p = format; *p; ++p) {
        if (p[0] == '%' && (p[1] == 's' || p[1] == 'd')) {
            if (next != values.end())
                result += *next++;
            ++p;
        } else if (p[0] == '%' && p[1] == '%') {
            result += '%';
            ++p;
        } else {
            result += *p;
        }
    }
    return result;
}

int ShowMessage(Platform& platform, WindowHandle owner, const std::string& text, unsigned style)
{
    return platform.ShowMessage(owner, text, style);
}

void ReportError(Platform& platform, const char* text, WindowHandle owner)
{
    ShowMessage(platform, owner, text, kErrorBoxStyle);
}

void ReportErrorText(Platform& platform, WindowHandle owner, const char* format,
                     const std::string& text)
{
    ShowMessage(platform, owner, FormatMessageText(format, {text}), kErrorBoxStyle);
}

void ReportErrorCode(Platform& platform, WindowHandle owner, const char* format,
                     const std::string& text, long code)
{
    ReportErrorCode(platform, owner, format, text, std::to_string(code));
}

void ReportErrorCode(Platform& platform, WindowHandle owner, const char* format,
                     const std::string& text, const std::string& code)
{
    ShowMessage(platform, owner, FormatMessageText(format, {text, code}), kErrorBoxStyle);
}
