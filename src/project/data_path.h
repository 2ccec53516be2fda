#pragma once
// Where the program's data files live. Every data file (catalogues, languages, standards, window
// layout, designer details, profile data, snow-load place lists) lies in the folder of the program
// file, and every reader builds its path through DataFilePath, so no file outside that folder is
// ever read or written.

#include <string>
#include <string_view>

namespace kirvos {

// Folder of the program file: everything before the last "/" or "\" of programPath.
// Returns false (folder untouched) when the path holds no separator: then no data file exists.
bool ProgramFolder(std::string_view programPath, std::string& folder);

// Whether name is a bare file name: not empty, no "/" or "\", no NUL, and not "." or "..".
bool IsPlainFileName(std::string_view name);

// Path of the data file name in the program folder (folder + "/" + name), or an empty string when
// programPath has no separator or name does not stay inside the folder. name is a bare file name,
// or a relative path below the folder (help documents lie in subfolders) whose every part is a bare
// file name; a stored "\" is taken as "/". Absolute names and "." or ".." parts are refused.
//   DataFilePath("/opt/kirvos/bin/kirvos", "languages.dat") == "/opt/kirvos/bin/languages.dat"
//   DataFilePath("/opt/kirvos/bin/kirvos", "help\\en\\index.html") == "/opt/kirvos/bin/help/en/index.html"
//   DataFilePath("/opt/kirvos/bin/kirvos", "../secret") == ""
std::string DataFilePath(std::string_view programPath, std::string_view name);

// Whether path names an existing regular file (an empty path never does).
bool DataFileExists(const std::string& path);

// Whether path names an existing regular file that may be written. The test opens the file for
// appending, which changes nothing in it.
bool DataFileWritable(const std::string& path);

}  // namespace kirvos
