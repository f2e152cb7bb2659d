// SPDX-License-Identifier: GPL-3.0-or-later
// Read access to a compiled HTML help file (".chm"): the pages, style sheets
// and pictures stored in it, by their path inside the file ("/index.htm").
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace pentad {

class ChmFile {
public:
    // Opens the file. Throws pentad::Error "Не удалось открыть файл справки
    // \"%s\"!" when it is missing or not a compiled help file.
    explicit ChmFile(const std::string& path);
    ~ChmFile();
    ChmFile(const ChmFile&) = delete;
    ChmFile& operator=(const ChmFile&) = delete;

    const std::string& path() const { return m_path; }

    // True when the file holds `name` (a path inside the file, "/" first;
    // letter case does not matter).
    bool contains(const std::string& name) const;
    // The bytes stored under `name`, or nothing when there is no such entry
    // or it cannot be read.
    std::optional<std::string> read(const std::string& name) const;
    // Paths of every stored file (not folders), in the file's own order.
    std::vector<std::string> names() const;

private:
    struct Handle;
    std::string m_path;
    std::unique_ptr<Handle> m_handle;
};

}  // namespace pentad
