#pragma once

#include <ctime>
#include <string>

// Formats a time as strftime does in the C locale, whatever the process
// locale is: %A (English weekday), %m %d %y %I %M %S, %p (AM or PM) and %%.
// Any other character is copied as it is. Out-of-range fields never fail.
std::string FormatTime(const std::string& format, const std::tm& time);
