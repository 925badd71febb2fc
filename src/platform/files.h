#pragma once
// File access for the no-widget logic: whole-file reads, atomic writes, existence tests and
// folder listing by mask.
#include <string>
#include <vector>

namespace platform {

// Reads the whole file; throws FileError "Cannot open file \"path\". reason" when it can't.
std::string ReadFileBytes(const std::string& path);

// Writes bytes to a temporary file in the same folder, flushes it and renames it over path, so
// the old file stays whole when anything fails. Throws FileError on failure.
void WriteFileAtomic(const std::string& path, const std::string& bytes);

bool FileExists(const std::string& path);      // an existing regular file (or a link to one)
bool DirectoryExists(const std::string& path); // an existing folder

// Names (without folder) of the regular, non-hidden files in dir whose names end with the
// extension of mask ("*.rtf": ".rtf", compared without regard to case), sorted without regard
// to case. Throws FileError when the folder cannot be listed.
std::vector<std::string> ListFolderByMask(const std::string& dir, const std::string& mask);

// Case-insensitive (ASCII) comparisons used for names and sorting.
bool EqualsIgnoreCase(const std::string& a, const std::string& b);
bool LessIgnoreCase(const std::string& a, const std::string& b);

} // namespace platform
