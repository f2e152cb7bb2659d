// SPDX-License-Identifier: GPL-3.0-or-later
#include "stakes/ledger.h"

#include <algorithm>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "shell/error.h"
#include "shell/file_io.h"
#include "shell/shell.h"
#include "stakes/stake_texts.h"

namespace pentad {
namespace {

std::string errnoText() {
    return systemErrorText(errno);
}

void writeAll(int fd, const uint8_t* data, size_t size, off_t offset) {
    size_t done = 0;
    while (done < size) {
        ssize_t n = ::pwrite(fd, data + done, size - done, offset + static_cast<off_t>(done));
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw Error(errnoText());
        }
        done += static_cast<size_t>(n);
    }
}

void readAllAt(int fd, uint8_t* data, size_t size, off_t offset) {
    size_t done = 0;
    while (done < size) {
        ssize_t n = ::pread(fd, data + done, size - done, offset + static_cast<off_t>(done));
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw Error(errnoText());
        }
        if (n == 0) {
            throw Error(errnoText());
        }
        done += static_cast<size_t>(n);
    }
}

}  // namespace

StakeLedger::StakeLedger(Shell& shell, std::string path)
    : m_shell(shell), m_path(std::move(path)) {}

StakeLedger::~StakeLedger() {
    Close();
}

StakeLedger::OpenResult StakeLedger::Open(std::string* error) {
    Close();
    resetCache();
    if (m_readOnly) {
        int fd = ::open(m_path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0 && errno != ENOENT) {
            if (error != nullptr) {
                *error = errnoText();
            }
            return OpenResult::Failed;
        }
        m_fd = fd;  // a missing ledger reads as empty
        return OpenResult::Ok;
    }
    int fd = ::open(m_path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) {
        if (error != nullptr) {
            *error = errnoText();
        }
        return (errno == EACCES || errno == EROFS) ? OpenResult::Locked : OpenResult::Failed;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (error != nullptr) {
            *error = errnoText();
        }
        ::close(fd);
        return OpenResult::Locked;
    }
    m_fd = fd;
    return OpenResult::Ok;
}

void StakeLedger::Close() {
    if (m_fd >= 0) {
        ::fsync(m_fd);
        ::close(m_fd);
        m_fd = -1;
    }
    resetCache();
}

bool StakeLedger::Reopen() {
    Close();
    std::string error;
    if (Open(&error) != OpenResult::Ok) {
        m_shell.error(format(texts::kErrorReadLedger, error));
        return false;
    }
    return true;
}

StakeLedger::OpenResult StakeLedger::Load() {
    OperationScope op(m_shell, texts::kStatusLoadingLedger);
    std::string error;
    OpenResult r = Open(&error);
    if (r == OpenResult::Locked) {
        return r;
    }
    if (r != OpenResult::Ok) {
        m_shell.error(format(texts::kErrorReadLedger, error));
        return r;
    }
    if (m_fd < 0) {
        return OpenResult::Ok;
    }
    struct stat st {};
    if (::fstat(m_fd, &st) != 0) {
        m_shell.error(format(texts::kErrorReadLedger, errnoText()));
        return OpenResult::Failed;
    }
    if (st.st_size == 0) {
        return OpenResult::Ok;
    }
    uint8_t version = 0;
    const off_t whole = st.st_size - st.st_size % static_cast<off_t>(TStakeRec::kSize);
    const bool valid = whole > 0 && ::pread(m_fd, &version, 1, 0) == 1 &&
                       version == TStakeRec::kVersion;
    if (valid && whole != st.st_size && !m_readOnly) {
        // Stakes are appended and scored in place; a write cut off by a
        // kill, a power loss or a full disk leaves part of a record at the
        // end. The whole records before it stay, the broken tail goes.
        // (A reader sees only whole records anyway, also while a writer
        // appends.)
        if (::ftruncate(m_fd, whole) != 0) {
            m_shell.error(format(texts::kErrorReadLedger, errnoText()));
            return OpenResult::Failed;
        }
    }
    if (!valid) {
        if (m_readOnly) {
            ::close(m_fd);
            m_fd = -1;
            return OpenResult::Ok;
        }
        m_shell.warning(texts::kOldLedger);
        if (::ftruncate(m_fd, 0) != 0) {
            m_shell.error(format(texts::kErrorReadLedger, errnoText()));
            return OpenResult::Failed;
        }
    }
    return OpenResult::Ok;
}

int StakeLedger::RecordCount() const {
    if (m_fd < 0) {
        return 0;
    }
    struct stat st {};
    if (::fstat(m_fd, &st) != 0) {
        return 0;
    }
    return static_cast<int>(st.st_size / static_cast<off_t>(TStakeRec::kSize));
}

TStakeRec StakeLedger::ReadRecord(int index, int origin) {
    try {
        if (m_fd < 0) {
            throw Error(texts::kLedgerNotOpen);
        }
        int count = RecordCount();
        int absolute = origin == 2 ? count + index : index;
        if (absolute < 0 || absolute >= count) {
            throw Error(format("Запись со индексом %d в файле данных не найдена!", index));
        }
        if (absolute == m_cacheIndex) {
            return m_cache;
        }
        uint8_t buf[TStakeRec::kSize];
        readAllAt(m_fd, buf, sizeof buf, static_cast<off_t>(absolute) * TStakeRec::kSize);
        m_cache = TStakeRec::decode(buf);
        m_cacheIndex = absolute;
        return m_cache;
    } catch (const std::exception& e) {
        m_shell.error(format(texts::kErrorReadStake, std::string(e.what())));
        TStakeRec zero;
        zero.Version = 0;
        zero.DrawNumber = 0;
        zero.Matches.Count = 0;
        return zero;
    }
}

bool StakeLedger::WriteRecord(const TStakeRec& rec, int index, int origin) {
    return m_shell.guard(texts::kErrorAppendStake, [&] {
        if (m_fd < 0) {
            throw Error(texts::kLedgerNotOpen);
        }
        int absolute = origin == 2 ? RecordCount() + index : index;
        uint8_t buf[TStakeRec::kSize];
        rec.encode(buf);
        writeAll(m_fd, buf, sizeof buf, static_cast<off_t>(absolute) * TStakeRec::kSize);
        if (absolute == m_cacheIndex) {
            m_cache = rec;
        }
    });
}

bool StakeLedger::AppendStake(const TStakeRec& rec, int drawsCount) {
    if (rec.Checked != 0) {
        m_shell.error(format(texts::kErrorAppendStake, std::string(texts::kCheckedAppend)));
        return false;
    }
    if (drawsCount < 2) {
        return WriteRecord(rec, RecordCount());
    }
    for (int i = 1; i <= drawsCount; ++i) {
        if (!AppendSeparatorIfNeeded()) {
            return false;
        }
        TStakeRec copy = rec;
        copy.DrawNumber = rec.DrawNumber + i - 1;
        if (!WriteRecord(copy, RecordCount())) {
            return false;
        }
    }
    return true;
}

bool StakeLedger::AppendSeparatorIfNeeded() {
    int count = RecordCount();
    if (count == 0) {
        return true;
    }
    TStakeRec last = ReadRecord(-1, 2);
    if (last.DrawNumber > 0) {
        return WriteRecord(separatorStake(), count);
    }
    return true;
}

bool StakeLedger::FindStake(int32_t drawNumber, const TNumberSet& digits) {
    bool found = false;
    m_shell.guard(texts::kErrorFindStake, [&] {
        for (const TStakeRec& r : readAll()) {
            if (r.DrawNumber == drawNumber && r.Stake.Count == digits.Count &&
                std::equal(r.Stake.Digits.begin(),
                           r.Stake.Digits.begin() + std::clamp(digits.Count, 0, 8),
                           digits.Digits.begin())) {
                found = true;
                return;
            }
        }
    });
    return found;
}

std::vector<TStakeRec> StakeLedger::readFrom(int index) const {
    if (m_fd < 0 && m_readOnly) {
        return {};
    }
    if (m_fd < 0) {
        throw Error(texts::kLedgerNotOpen);
    }
    index = std::clamp(index, 0, RecordCount());
    int count = RecordCount() - index;
    std::vector<uint8_t> bytes(static_cast<size_t>(count) * TStakeRec::kSize);
    if (!bytes.empty()) {
        readAllAt(m_fd, bytes.data(), bytes.size(),
                  static_cast<off_t>(index) * TStakeRec::kSize);
    }
    std::vector<TStakeRec> recs;
    recs.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        recs.push_back(TStakeRec::decode(bytes.data() + static_cast<size_t>(i) * TStakeRec::kSize));
    }
    return recs;
}

void StakeLedger::writeAt(int index, const std::vector<TStakeRec>& recs) {
    if (m_fd < 0) {
        throw Error(texts::kLedgerNotOpen);
    }
    std::vector<uint8_t> bytes(recs.size() * TStakeRec::kSize);
    for (size_t i = 0; i < recs.size(); ++i) {
        recs[i].encode(bytes.data() + i * TStakeRec::kSize);
    }
    writeAll(m_fd, bytes.data(), bytes.size(), static_cast<off_t>(index) * TStakeRec::kSize);
    resetCache();
}

bool StakeLedger::rewrite(const std::function<bool(int row, const TStakeRec&)>& keep) {
    std::filesystem::path p(m_path);
    std::string tmp = (p.parent_path() / (p.stem().string() + ".~tmp")).string();
    bool ok = m_shell.guard(texts::kErrorDeleteStake, [&] {
        std::vector<TStakeRec> recs = readAll();
        std::string bytes;
        bytes.reserve(recs.size() * TStakeRec::kSize);
        uint8_t buf[TStakeRec::kSize];
        for (size_t i = 0; i < recs.size(); ++i) {
            if (keep(static_cast<int>(i) + 1, recs[i])) {
                recs[i].encode(buf);
                bytes.append(reinterpret_cast<const char*>(buf), sizeof buf);
            }
        }
        // The complete new ledger replaces the old one in a single rename.
        int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (fd < 0) {
            throw Error(format(texts::kErrorTempLedger, tmp, errnoText()));
        }
        try {
            writeAll(fd, reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), 0);
            if (::fsync(fd) != 0) {
                throw Error(errnoText());
            }
        } catch (...) {
            ::close(fd);
            throw;
        }
        ::close(fd);
        Close();
        if (::rename(tmp.c_str(), m_path.c_str()) != 0) {
            std::string text = errnoText();
            Open();
            throw Error(format(texts::kErrorTempLedger, tmp, text));
        }
        std::string error;
        if (Open(&error) != OpenResult::Ok) {
            throw Error(error);
        }
    });
    ::unlink(tmp.c_str());
    return ok;
}

bool StakeLedger::DeleteRows(int first, int last) {
    return rewrite([&](int row, const TStakeRec&) { return row < first || row > last; });
}

bool StakeLedger::DeleteByCondition(int mode, int value) {
    return rewrite([&](int, const TStakeRec& r) {
        if (r.Kind == kStakeSeparator) {
            return true;
        }
        int m = r.Matches.Count;
        bool drop = false;
        switch (mode) {
            case 0:
                drop = m == value;
                break;
            case 1:
                drop = m > value;
                break;
            case 2:
                drop = m >= value;
                break;
            case 3:
                drop = m < value;
                break;
            case 4:
                drop = m <= value;
                break;
            default:
                break;
        }
        return !drop;
    });
}

bool StakeLedger::Clear() {
    bool ok = m_shell.guard(texts::kErrorDeleteStake, [&] {
        if (m_fd < 0) {
            throw Error(texts::kLedgerNotOpen);
        }
        if (::ftruncate(m_fd, 0) != 0) {
            throw Error(errnoText());
        }
    });
    return ok && Reopen();
}

}  // namespace pentad
