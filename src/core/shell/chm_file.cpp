// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/chm_file.h"

#include <chm_lib.h>

#include "shell/error.h"
#include "shell/help_texts.h"

namespace pentad {

struct ChmFile::Handle {
    chmFile* file = nullptr;
    ~Handle() {
        if (file != nullptr) {
            chm_close(file);
        }
    }
};

namespace {

int collectName(chmFile* /*file*/, chmUnitInfo* info, void* context) {
    static_cast<std::vector<std::string>*>(context)->emplace_back(info->path);
    return CHM_ENUMERATOR_CONTINUE;
}

}  // namespace

ChmFile::ChmFile(const std::string& path) : m_path(path), m_handle(std::make_unique<Handle>()) {
    m_handle->file = chm_open(path.c_str());
    if (m_handle->file == nullptr) {
        throw Error(format(texts::kHelpFileNotOpened, path));
    }
}

ChmFile::~ChmFile() = default;

bool ChmFile::contains(const std::string& name) const {
    chmUnitInfo info{};
    return chm_resolve_object(m_handle->file, name.c_str(), &info) == CHM_RESOLVE_SUCCESS;
}

std::optional<std::string> ChmFile::read(const std::string& name) const {
    chmUnitInfo info{};
    if (chm_resolve_object(m_handle->file, name.c_str(), &info) != CHM_RESOLVE_SUCCESS) {
        return std::nullopt;
    }
    std::string bytes(static_cast<size_t>(info.length), '\0');
    if (info.length == 0) {
        return bytes;
    }
    const LONGINT64 got =
        chm_retrieve_object(m_handle->file, &info, reinterpret_cast<unsigned char*>(bytes.data()),
                            0, static_cast<LONGINT64>(info.length));
    if (got != static_cast<LONGINT64>(info.length)) {
        return std::nullopt;
    }
    return bytes;
}

std::vector<std::string> ChmFile::names() const {
    std::vector<std::string> names;
    chm_enumerate(m_handle->file, CHM_ENUMERATE_NORMAL | CHM_ENUMERATE_FILES, collectName, &names);
    return names;
}

}  // namespace pentad
