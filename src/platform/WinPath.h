#pragma once

#include <string>

// The game names its files the old way ("data\shoop.wav", "Data\Sound.dat",
// "players\data"). On disk the folders are data/ and players/ beside the
// working directory: backslashes become slashes and a leading "Data" folder
// is spelled "data". File names themselves keep their case.
std::string ToLocalPath(const std::string& name);
