#include "players/TimeText.h"

namespace {

int Wrap(int value, int range) { return ((value % range) + range) % range; }

void AppendTwoDigits(std::string& text, int value) {
    const int digits = Wrap(value, 100);
    text += static_cast<char>('0' + digits / 10);
    text += static_cast<char>('0' + digits % 10);
}

}  // namespace

std::string FormatTime(const std::string& format, const std::tm& time) {
    static const char* const s_weekdays[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                             "Thursday", "Friday", "Saturday"};
    const int hour = Wrap(time.tm_hour, 24);
    std::string text;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%' || i + 1 == format.size()) {
            text += format[i];
            continue;
        }
        switch (format[++i]) {
        case 'A': text += s_weekdays[Wrap(time.tm_wday, 7)]; break;
        case 'm': AppendTwoDigits(text, time.tm_mon + 1); break;
        case 'd': AppendTwoDigits(text, time.tm_mday); break;
        case 'y': AppendTwoDigits(text, Wrap(time.tm_year + 1900, 100)); break;
        case 'I': AppendTwoDigits(text, hour % 12 == 0 ? 12 : hour % 12); break;
        case 'M': AppendTwoDigits(text, time.tm_min); break;
        case 'S': AppendTwoDigits(text, time.tm_sec); break;
        case 'p': text += hour < 12 ? "AM" : "PM"; break;
        case '%': text += '%'; break;
        default:
            text += '%';
            text += format[i];
        }
    }
    return text;
}
