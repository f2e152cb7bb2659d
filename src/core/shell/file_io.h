// SPDX-License-Identifier: GPL-3.0-or-later
// File helpers shared by every store: whole-file reads, safe rewrites through
// a temporary file in the same folder, and the small file-system queries of
// the program.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace pentad {

// Text of an operating-system error code: "SysError #%d: \"%s\"!" with the
// number, "\"%s\"!" without; code 0 gives "%s." with `fallback`.
std::string systemErrorText(int code, bool withNumber = false,
                            const std::string& fallback = std::string());

// Reads a whole file as bytes. Throws pentad::Error with the system error
// text when it cannot be opened or read.
std::string readFileBytes(const std::string& path);

// Replaces the file with `bytes`: writes a temporary file beside it, flushes
// it to disk and renames it over the old one, so a failure never leaves a
// half-written file. Throws pentad::Error; the old file is kept on failure.
// The first write into a folder in a run removes the temporary files
// ("~NAME.N.tmp") that a writer killed before its rename left there; files
// other writers are still writing are locked and stay.
void writeFileAtomic(const std::string& path, std::string_view bytes);

// True for an existing file that is not a folder.
bool fileExists(const std::string& path);
bool folderExists(const std::string& path);

// Size in bytes, or -1 when the file cannot be opened.
int64_t fileSize(const std::string& path);

// True when the file was deleted.
bool deleteFile(const std::string& path);

// Creates every missing folder of the path. Throws pentad::Error
// "Каталог \"%s\" не найден!" when that is impossible.
void forceFolders(const std::string& path);

// Joins a folder and a file name with one "/".
std::string joinPath(const std::string& folder, const std::string& name);

// Splits text into lines at CR LF, LF or CR (the last line may lack an end).
std::vector<std::string> splitLines(std::string_view text);

}  // namespace pentad
