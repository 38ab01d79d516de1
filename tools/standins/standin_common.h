#pragma once
// What both archiver stand-ins share: the command-line log the tests read,
// the command-line tokenizer, and the folder helpers.
#include <windows.h>

#include <string>
#include <vector>

namespace standin {

// One line per call into the log named by TARVELO_STANDIN_LOG (if set).
void logCall(const char* library, const char* function, const std::string& text);

// Split at spaces; double quotes group and are removed.
std::vector<std::string> tokenize(const std::string& commandLine);

// Creates every missing folder above path (path itself is a file).
void createParents(const std::string& path);

bool writeFileBytes(const std::string& path, const std::vector<unsigned char>& bytes);

// Joins a folder (with or without its trailing backslash) and a '/'
// separated member name.
std::string joinMember(const std::string& folder, const std::string& member);

}  // namespace standin
