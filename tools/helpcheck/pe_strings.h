// A string-table entry read straight from a Windows program file, without running it: the
// check that a game asks for the help file its build put beside it.
#pragma once

#include <string>

// Finds string id in the program's resources (any language) and returns it as UTF-8; false with
// a reason when the file is not a PE image or has no such string.
bool ReadProgramString(const std::string& image, int id, std::string* utf8, std::string* error);
