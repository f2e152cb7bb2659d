// SPDX-License-Identifier: GPL-3.0-or-later
// The pentad-server program under load and under attack: fifty clients list,
// publish, rate and delete at once while a fifty-first sends malformed and
// hostile requests, and the server is killed and started again in the middle.
// Afterwards every publication the server confirmed is still there, and the
// database agrees with what the clients sent.
//
// The length of the load is the --seconds=N argument or the
// PENTAD_LOAD_SECONDS environment variable (30 by default).
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sqlite3.h>
#include <sys/socket.h>

#include <gtest/gtest.h>
#include <httplib.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <mutex>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "online/catalogue_codecs.h"
#include "online/catalogue_protocol.h"
#include "online/catalogue_reply.h"
#include "online/catalogue_requests.h"
#include "server_process.h"
#include "support/temp_dir.h"

namespace pentad::server::test {
namespace {

namespace element = catalogue::element;
namespace field = catalogue::field;
using catalogue::Form;
using catalogue::Identity;
using catalogue::ListFilter;
using catalogue::ReplyRow;
using SteadyClock = std::chrono::steady_clock;

constexpr const char* kFormType = "application/x-www-form-urlencoded";
constexpr int kClients = 50;
// Each client keeps at most this many of its own entries at a time, so that
// the lists stay a realistic size.
constexpr size_t kMaxChurn = 5;

int g_seconds = 30;

// Sanitizer builds run several times slower; waits scale with them.
double timeScale() {
    const char* text = std::getenv("PENTAD_TEST_TIME_SCALE");
    double scale = text != nullptr ? std::atof(text) : 1.0;
    return scale >= 1.0 ? scale : 1.0;
}

std::chrono::milliseconds scaled(int millis) {
    return std::chrono::milliseconds(static_cast<long long>(millis * timeScale()));
}

// ---- the program, started and killed ----

class ServerProcess {
public:
    explicit ServerProcess(const pentad::test::TempDir& dir) : m_dir(dir) {}
    ~ServerProcess() {
        if (m_child.pid > 0) {
            kill(m_child.pid, SIGKILL);
            waitExit(m_child.pid);
        }
        closeOut();
    }

    // Starts the program on the port of the previous run (any free port the
    // first time); false when it does not come up.
    bool start() {
        for (int attempt = 0; attempt < 50; ++attempt) {
            m_child = spawnServer({"--db", m_dir.file("catalogue.sqlite"), "--bind", "127.0.0.1",
                                   "--port", std::to_string(m_port)},
                                  m_dir.file("server.log"));
            if (m_child.pid <= 0) {
                return false;
            }
            std::string line = firstLine(m_child.out, static_cast<int>(scaled(10000).count()));
            size_t colon = line.rfind(':');
            if (line.rfind("pentad-server: serving http://127.0.0.1:", 0) == 0 &&
                colon != std::string::npos) {
                m_port = std::atoi(line.c_str() + colon + 1);
                return true;
            }
            // the port may still be held for a moment after a kill
            kill(m_child.pid, SIGKILL);
            waitExit(m_child.pid);
            m_child.pid = -1;
            closeOut();
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        return false;
    }

    // Ends the program as a power cut or an administrator's kill -9 would.
    void killHard() {
        kill(m_child.pid, SIGKILL);
        waitExit(m_child.pid);
        m_child.pid = -1;
        closeOut();
    }

    // Stops it in the ordinary way; its exit code.
    int stop() {
        kill(m_child.pid, SIGTERM);
        int code = waitExit(m_child.pid);
        m_child.pid = -1;
        closeOut();
        return code;
    }

    bool running() const {
        int status = 0;
        return m_child.pid > 0 && waitpid(m_child.pid, &status, WNOHANG) == 0;
    }

    int port() const { return m_port; }

private:
    void closeOut() {
        if (m_child.out >= 0) {
            close(m_child.out);
            m_child.out = -1;
        }
    }

    const pentad::test::TempDir& m_dir;
    Child m_child;
    int m_port = 0;
};

// ---- what every client shares ----

struct Shared {
    int port = 0;
    SteadyClock::time_point deadline;
    // Set from just before a kill until the new server is up; `epoch` moves
    // at both ends, so a request that spanned a restart is known as such.
    std::atomic<bool> restarting{false};
    std::atomic<int> epoch{0};

    std::atomic<long> served{0};       // requests that got an HTTP reply
    std::atomic<long> lost{0};         // requests cut off by a restart
    std::atomic<long> recovered{0};    // writes found committed after a lost reply
    std::atomic<long> badInputs{0};

    std::mutex mutex;
    std::vector<std::string> failures;
    std::vector<int64_t> permanents;   // entries nobody deletes, rated by everybody

    void fail(const std::string& what) {
        std::lock_guard lock(mutex);
        failures.push_back(what);
    }
    void addPermanent(int64_t id) {
        std::lock_guard lock(mutex);
        permanents.push_back(id);
    }
    std::vector<int64_t> permanentIds() {
        std::lock_guard lock(mutex);
        return permanents;
    }
};

struct Reply {
    bool lost = false;   // no HTTP reply at all
    int status = 0;
    std::vector<ReplyRow> rows;
    std::string body;

    std::string error() const {
        for (const ReplyRow& row : rows) {
            if (!row.error().empty()) {
                return row.error();
            }
        }
        return std::string();
    }
};

// ---- one client ----

class LoadClient {
public:
    LoadClient(Shared& shared, int index, Identity who)
        : m_shared(shared), m_index(index), m_who(std::move(who)), m_http("127.0.0.1", shared.port),
          m_rng(static_cast<unsigned>(index) * 7919u + 17u) {
        auto connect = scaled(5000);
        auto read = scaled(60000);
        m_http.set_connection_timeout(connect.count() / 1000, (connect.count() % 1000) * 1000);
        m_http.set_read_timeout(read.count() / 1000, (read.count() % 1000) * 1000);
        m_http.set_write_timeout(read.count() / 1000, (read.count() % 1000) * 1000);
    }

    const Identity& who() const { return m_who; }
    const std::set<int64_t>& liveScripts() const { return m_live; }
    const std::set<int64_t>& liveSystems() const { return m_systems; }
    const std::map<int64_t, int>& marks() const { return m_marks; }

    // One attempt. A request that gets no reply counts as a failure unless a
    // restart was under way while it was sent.
    Reply send(std::string_view path, const std::string& body) {
        int epoch = m_shared.epoch.load();
        auto res = m_http.Post(std::string(path).c_str(), body, kFormType);
        Reply reply;
        if (!res) {
            reply.lost = true;
            if (m_shared.restarting || m_shared.epoch.load() != epoch) {
                ++m_shared.lost;
            } else {
                failure("no reply to " + std::string(path) + ": " +
                        httplib::to_string(res.error()));
            }
            return reply;
        }
        ++m_shared.served;
        reply.status = res->status;
        reply.body = res->body;
        try {
            reply.rows = catalogue::readReply(res->body);
        } catch (const std::exception& e) {
            failure("unreadable reply to " + std::string(path) + ": " + e.what());
        }
        return reply;
    }

    // Repeats a request that has the same effect when repeated until it is
    // answered, and requires success.
    std::vector<ReplyRow> sendUntilAnswered(std::string_view path, const Form& form) {
        auto giveUp = m_shared.deadline + scaled(60000);
        std::string body = form.body();
        for (;;) {
            Reply reply = send(path, body);
            if (!reply.lost) {
                if (reply.status != 200 || !reply.error().empty()) {
                    failure(std::string(path) + " refused (" + std::to_string(reply.status) +
                            "): " + reply.error());
                }
                return std::move(reply.rows);
            }
            if (SteadyClock::now() > giveUp) {
                failure("the server did not come back for " + std::string(path));
                return {};
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    }

    std::vector<ReplyRow> listScripts(ListFilter filter) {
        return sendUntilAnswered(catalogue::kScriptListPath,
                                 catalogue::scriptListForm(static_cast<int>(filter), m_who));
    }

    // The own entry titled `title`, 0 when there is none.
    int64_t ownEntry(const std::string& title) {
        for (const ReplyRow& row : listScripts(ListFilter::Mine)) {
            if (row.base64Field(element::kTitle) == title) {
                return row.intField(element::kId).value_or(0);
            }
        }
        return 0;
    }

    // Publishes a new entry; its id, 0 when refused. When the reply is lost
    // to a restart, the entry is looked for before it is sent again: the
    // server may have committed it just before it was killed.
    int64_t publish(const catalogue::ScriptPublication& p) {
        std::string body = catalogue::scriptPutForm(p, m_who).body();
        for (int attempt = 0; attempt < 1000; ++attempt) {
            Reply reply = send(catalogue::kScriptPutPath, body);
            if (!reply.lost) {
                int64_t id = reply.rows.size() == 1
                                 ? reply.rows[0].intField(element::kScriptNumber).value_or(0)
                                 : 0;
                if (reply.status != 200 || id <= 0) {
                    failure("publishing \"" + p.title + "\" refused: " + reply.error());
                    return 0;
                }
                m_live.insert(id);
                return id;
            }
            if (int64_t id = ownEntry(p.title); id > 0) {
                ++m_shared.recovered;
                m_live.insert(id);
                return id;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        failure("publishing \"" + p.title + "\" never answered");
        return 0;
    }

    void remove(int64_t id) {
        catalogue::ScriptPublication p;
        p.id = static_cast<int>(id);
        p.title = "-";
        std::string body = catalogue::scriptDeleteForm(p, m_who).body();
        for (int attempt = 0; attempt < 1000; ++attempt) {
            Reply reply = send(catalogue::kScriptPutPath, body);
            if (!reply.lost) {
                if (reply.status != 200 || !reply.error().empty()) {
                    failure("deleting #" + std::to_string(id) + " refused: " + reply.error());
                }
                m_live.erase(id);
                m_marks.erase(id);
                return;
            }
            bool stillThere = false;
            for (const ReplyRow& row : listScripts(ListFilter::Mine)) {
                stillThere = stillThere || row.intField(element::kId) == id;
            }
            if (!stillThere) {
                ++m_shared.recovered;
                m_live.erase(id);
                m_marks.erase(id);
                return;
            }
        }
        failure("deleting #" + std::to_string(id) + " never answered");
    }

    void rate(int64_t id, int value) {
        std::string notes = value > 0 ? "Оценка " + std::to_string(value) + " от " + m_who.name
                                      : std::string();
        sendUntilAnswered(catalogue::kScriptRatePath,
                          catalogue::scriptRateForm(static_cast<int>(id), value, notes, m_who));
        m_marks[id] = value;
    }

    // A system with `lines` combinations of five numbers from 1 to 10.
    static catalogue::SystemPublication system(const std::string& title, int lines) {
        catalogue::SystemPublication s;
        s.nums = 10;
        s.clen = 5;
        s.olap = 2;
        s.title = title;
        s.descr = "Система " + title;
        s.csize = lines;
        for (int i = 0; i < lines; ++i) {
            s.clist += std::to_string(1 + i % 6) + " " + std::to_string(2 + i % 6) + " 8 9 10\n";
        }
        return s;
    }

    // The own system titled `title` in the list, 0 when absent.
    int64_t ownSystem(const std::string& title) {
        for (const ReplyRow& row : sendUntilAnswered(catalogue::kSystemListPath,
                                                     catalogue::systemListForm(m_who))) {
            if (row.base64Field(element::kTitle) == title &&
                row.field(element::kOwnerMail) == m_who.mail) {
                return row.intField(element::kId).value_or(0);
            }
        }
        return 0;
    }

    int64_t publishSystem(const catalogue::SystemPublication& s) {
        std::string body = catalogue::systemPutForm(s, m_who, false).body();
        for (int attempt = 0; attempt < 1000; ++attempt) {
            Reply reply = send(catalogue::kSystemPutPath, body);
            if (!reply.lost) {
                int64_t id = reply.rows.size() == 1
                                 ? reply.rows[0].intField(element::kSystemNumber).value_or(0)
                                 : 0;
                if (reply.status != 200 || id <= 0) {
                    failure("publishing system \"" + s.title + "\" refused: " + reply.error());
                    return 0;
                }
                m_systems.insert(id);
                return id;
            }
            if (int64_t id = ownSystem(s.title); id > 0) {
                ++m_shared.recovered;
                m_systems.insert(id);
                return id;
            }
        }
        failure("publishing system \"" + s.title + "\" never answered");
        return 0;
    }

    void removeSystem(int64_t id, const std::string& title) {
        catalogue::SystemPublication s;
        s.id = static_cast<int>(id);
        std::string body = catalogue::systemPutForm(s, m_who, true).body();
        for (int attempt = 0; attempt < 1000; ++attempt) {
            Reply reply = send(catalogue::kSystemPutPath, body);
            if (!reply.lost) {
                if (reply.status != 200 || !reply.error().empty()) {
                    failure("deleting system #" + std::to_string(id) +
                            " refused: " + reply.error());
                }
                m_systems.erase(id);
                return;
            }
            if (ownSystem(title) == 0) {
                ++m_shared.recovered;
                m_systems.erase(id);
                return;
            }
        }
        failure("deleting system #" + std::to_string(id) + " never answered");
    }

    // The client's part of the load, until the deadline.
    void run() {
        catalogue::ScriptPublication first;
        first.title = "Постоянный сценарий " + std::to_string(m_index);
        first.descr = "Его оценивают все";
        first.script = "NUMS;1\r\nSUMS;" + std::to_string(m_index);
        int64_t permanent = publish(first);
        if (permanent > 0) {
            m_shared.addPermanent(permanent);
        }
        std::vector<int64_t> churn;
        std::map<int64_t, std::string> systemTitles;
        int serial = 0;
        while (SteadyClock::now() < m_shared.deadline) {
            int pick = static_cast<int>(m_rng() % 100);
            if (pick < 30) {
                auto filter = static_cast<ListFilter>(
                    catalogue::kFirstFilter +
                    static_cast<int>(m_rng() % (catalogue::kLastFilter - catalogue::kFirstFilter + 1)));
                auto rows = listScripts(filter);
                if (filter == ListFilter::Mine) {
                    checkOwnList(rows);
                }
            } else if (pick < 50 && churn.size() < kMaxChurn) {
                catalogue::ScriptPublication p;
                p.title = "Сценарий " + std::to_string(m_index) + "-" + std::to_string(++serial);
                p.descr = "Нагрузка; клиент " + std::to_string(m_index);
                p.script = "NUMS;" + std::to_string(serial) + "\r\nPAIRS;1";
                p.isPublic = m_rng() % 4 != 0;
                if (int64_t id = publish(p); id > 0) {
                    churn.push_back(id);
                }
            } else if (pick < 75) {
                auto ids = m_shared.permanentIds();
                if (!ids.empty()) {
                    int value = static_cast<int>(m_rng() % 7) - 1;   // -1 .. 5
                    rate(ids[m_rng() % ids.size()], value);
                }
            } else if (pick < 90) {
                if (!churn.empty()) {
                    size_t at = m_rng() % churn.size();
                    remove(churn[at]);
                    churn.erase(churn.begin() + static_cast<std::ptrdiff_t>(at));
                }
            } else if (pick < 95) {
                sendUntilAnswered(catalogue::kSystemListPath, catalogue::systemListForm(m_who));
            } else if (systemTitles.size() < 2) {
                std::string title =
                    "Система " + std::to_string(m_index) + "-" + std::to_string(++serial);
                if (int64_t id = publishSystem(system(title, 1 + serial % 4)); id > 0) {
                    systemTitles[id] = title;
                }
            } else {
                auto it = systemTitles.begin();
                removeSystem(it->first, it->second);
                systemTitles.erase(it);
            }
        }
        // the client's own list, once the load is over
        checkOwnList(listScripts(ListFilter::Mine));
    }

    void failure(const std::string& what) {
        m_shared.fail("client " + std::to_string(m_index) + ": " + what);
    }

protected:
    // Every entry the client published and did not delete, and no other.
    void checkOwnList(const std::vector<ReplyRow>& rows) {
        std::set<int64_t> listed;
        for (const ReplyRow& row : rows) {
            listed.insert(row.intField(element::kId).value_or(-1));
        }
        if (listed != m_live) {
            failure("own list has " + std::to_string(listed.size()) + " entries, expected " +
                    std::to_string(m_live.size()));
        }
    }

    Shared& m_shared;
    int m_index;
    Identity m_who;
    httplib::Client m_http;
    std::mt19937 m_rng;
    std::set<int64_t> m_live;      // own entries
    std::set<int64_t> m_systems;   // own systems
    std::map<int64_t, int> m_marks;   // last mark sent per entry (0 removed)
};

Identity loadIdentity(int index) {
    return {std::string(catalogue::kPentadAppId), "1.0.0.0", "hw-load-" + std::to_string(index),
            "Клиент " + std::to_string(index), "client" + std::to_string(index) + "@example.org",
            1049};
}

// ---- the attacker ----

// Raw bytes to the port; whatever comes back before the server closes the
// connection (or two seconds pass).
std::string rawExchange(int port, const std::string& bytes, bool halfClose) {
    int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(static_cast<uint16_t>(port));
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    std::string reply;
    if (connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0) {
        size_t sent = 0;
        while (sent < bytes.size()) {
            ssize_t n = ::send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
            if (n <= 0) {
                break;
            }
            sent += static_cast<size_t>(n);
        }
        if (halfClose) {
            shutdown(fd, SHUT_WR);
        }
        timeval tv{static_cast<time_t>(2 * timeScale()), 0};
        setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof tv);
        char buf[4096];
        ssize_t n = 0;
        while ((n = recv(fd, buf, sizeof buf, 0)) > 0) {
            reply.append(buf, static_cast<size_t>(n));
        }
    }
    close(fd);
    return reply;
}

class Attacker : public LoadClient {
public:
    // Cyrillic in every field of the identity, the program identifier too.
    explicit Attacker(Shared& shared)
        : LoadClient(shared, kClients,
                     {"Пентад-Ж", "версия первая", "установка-Щ", "Злоумышленник Ёжиков",
                      "ёжик@пример.рф", 1049}) {}

    void run() {
        int round = 0;
        while (SteadyClock::now() < m_shared.deadline) {
            waitForServer();
            attack(++round);
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
    }

private:
    void waitForServer() {
        while (m_shared.restarting) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }

    // A request that must be refused with an "<error>" row and `status`
    // (0: 200, or 413 from the front end).
    void refused(const std::string& what, std::string_view path, const std::string& body,
                 int status = 200) {
        ++m_shared.badInputs;
        for (int attempt = 0; attempt < 100; ++attempt) {
            Reply reply = send(path, body);
            if (reply.lost) {
                waitForServer();
                continue;
            }
            bool statusOk = status != 0 ? reply.status == status
                                        : reply.status == 200 || reply.status == 413;
            if (!statusOk || reply.error().empty()) {
                failure(what + ": status " + std::to_string(reply.status) + ", reply \"" +
                        reply.body.substr(0, 200) + "\"");
            }
            return;
        }
    }

    // Raw bytes that are no proper request: the server answers with an
    // HTTP error or closes the connection, and keeps serving.
    void garbage(const std::string& what, const std::string& bytes, bool halfClose = true) {
        ++m_shared.badInputs;
        std::string reply = rawExchange(m_shared.port, bytes, halfClose);
        if (!reply.empty() && reply.rfind("HTTP/1.1 4", 0) != 0) {
            failure(what + ": reply \"" + reply.substr(0, 100) + "\"");
        }
    }

    // A publication that must be stored exactly as sent.
    void storedVerbatim(const std::string& what, catalogue::ScriptPublication p) {
        ++m_shared.badInputs;
        int64_t id = publish(p);
        if (id <= 0) {
            failure(what + ": not stored");
            return;
        }
        bool found = false;
        for (const ReplyRow& row : listScripts(ListFilter::Mine)) {
            if (row.intField(element::kId) != id) {
                continue;
            }
            found = true;
            if (row.base64Field(element::kTitle) != p.title ||
                row.base64Field(element::kDescr) != p.descr ||
                row.field(element::kAuthorName) != who().name ||
                row.field(element::kAuthorMail) != who().mail ||
                row.field(element::kAppGuid) != who().appId ||
                row.field(element::kAppVer) != who().appVer) {
                failure(what + ": stored differently: " + row.text().substr(0, 300));
            }
        }
        if (!found) {
            failure(what + ": not listed");
        }
        Identity self = who();
        auto data = sendUntilAnswered(catalogue::kScriptDataPath,
                                      catalogue::scriptDataForm(static_cast<int>(id), &self));
        if (data.size() != 1 || data[0].base64Field(element::kScript) != p.script) {
            failure(what + ": text stored differently");
        }
        // rated with hostile notes, by the attacker itself
        sendUntilAnswered(catalogue::kScriptRatePath,
                          catalogue::scriptRateForm(static_cast<int>(id), 3,
                                                    "'); DELETE FROM script_rates; -- ёж", self));
        m_marks[id] = 3;
        auto rates = sendUntilAnswered(catalogue::kScriptRatesPath,
                                       catalogue::scriptRatesForm(static_cast<int>(id), &self));
        if (rates.size() != 1 ||
            rates[0].field(element::kNotes) != "'); DELETE FROM script_rates; -- ёж") {
            failure(what + ": rating notes stored differently");
        }
        remove(id);
    }

    void attack(int round) {
        using namespace std::string_literals;
        const std::string n = std::to_string(round);
        const Identity self = who();
        std::string list = catalogue::scriptListForm(1, self).body();

        // oversized bodies: cut off by the front end, or refused by the handler
        refused("2 MB body", catalogue::kScriptListPath,
                list + "&pad=" + std::string(2 * catalogue::kMaxRequestBytes, 'a'), 413);
        refused("body one byte over the limit", catalogue::kScriptListPath,
                list + "&pad=" +
                    std::string(catalogue::kMaxRequestBytes + 1 - list.size() - 5, 'b'),
                0);
        ++m_shared.badInputs;
        sendUntilAnswered(catalogue::kScriptListPath,
                          Form::parse(list + "&pad=" +
                                      std::string(catalogue::kMaxRequestBytes - list.size() - 5,
                                                  'c'))
                              .value());

        // broken encodings
        catalogue::SystemPublication sys = system("Ломаный Base64 " + n, 1);
        Form form = catalogue::systemPutForm(sys, self, false);
        for (const char* base64 : {"Q", "QUJD=A", "@@@@", "QUJD====", "\xD0\x96"}) {
            Form broken;
            for (const auto& [name, value] : form.fields()) {
                broken.add(name, name == field::kCList ? std::string(base64) : value);
            }
            refused("broken Base64 \""s + base64 + "\"", catalogue::kSystemPutPath, broken.body());
        }
        refused("broken percent encoding", catalogue::kScriptListPath, "fltid=%G1&" + list);
        refused("bad escape", catalogue::kScriptTitlePath, "scr_id=0&scr_title=%5Cq");
        Form notUtf8;
        notUtf8.addInt(field::kFilter, 1);
        Identity bad = self;
        bad.name = "\xFF\xFE";
        catalogue::addIdentity(notUtf8, bad);
        refused("name not in UTF-8", catalogue::kScriptListPath, notUtf8.body());
        refused("empty body", catalogue::kScriptPutPath, "");
        refused("unknown path", "/scripts/scr_drop.php", list, 404);

        // numbers out of every range
        for (const char* number : {"99999999999999999999", "-9223372036854775808", "1e3", "0x10",
                                   "", "7", "-2", "１"}) {
            Form f;
            f.add(field::kFilter, number);
            catalogue::addIdentity(f, self);
            refused("filter \""s + number + "\"", catalogue::kScriptListPath, f.body());
        }
        refused("rate 6", catalogue::kScriptRatePath,
                catalogue::scriptRateForm(1, 6, "", self).body());
        Identity badLcid = self;
        badLcid.lcid = -1;
        refused("negative language", catalogue::kScriptListPath,
                catalogue::scriptListForm(1, badLcid).body());
        for (long long clen : {4294967301LL, -4294967291LL, 0LL, 11LL}) {
            Form f;
            for (const auto& [name, value] : form.fields()) {
                f.add(name, name == field::kCLen ? std::to_string(clen) : value);
            }
            refused("system of combination length " + std::to_string(clen),
                    catalogue::kSystemPutPath, f.body());
        }
        for (long long comblen : {4294967301LL, 0LL}) {
            Form f;
            f.addInt(field::kCombLen, comblen);
            f.addInt(field::kMaxNums, 10);
            catalogue::addIdentity(f, self);
            refused("system list of length " + std::to_string(comblen),
                    catalogue::kSystemListPath, f.body());
        }
        catalogue::ScriptPublication longTitle;
        longTitle.title = std::string();
        for (int i = 0; i < 65; ++i) {
            longTitle.title += "Ж";
        }
        longTitle.script = "NUMS;1";
        refused("title of 65 letters", catalogue::kScriptPutPath,
                catalogue::scriptPutForm(longTitle, self).body());
        catalogue::ScriptPublication empty = longTitle;
        empty.title = "Пустой " + n;
        empty.script = " \r\n ";
        refused("empty text", catalogue::kScriptPutPath,
                catalogue::scriptPutForm(empty, self).body());
        catalogue::ScriptPublication foreign = longTitle;
        foreign.id = 1;
        foreign.title = "Чужой";
        refused("deleting another's entry", catalogue::kScriptPutPath,
                catalogue::scriptDeleteForm(foreign, self).body());

        // SQL-looking and Cyrillic texts are stored exactly as sent
        catalogue::ScriptPublication sql;
        sql.title = "'; DROP TABLE scripts; -- " + n;
        sql.descr = "Robert'); DELETE FROM scripts WHERE ('1'='1";
        sql.script = "\" OR 1=1 --\r\nSELECT * FROM script_rates;";
        storedVerbatim("SQL-looking title", sql);
        catalogue::ScriptPublication cyr;
        cyr.title = "Ёлочка «Жёлтая» № " + n;
        cyr.descr = "Съешь же ещё этих мягких французских булок, да выпей чаю";
        cyr.script = "ЧИСЛА;1\r\nСУММЫ;Щ";
        cyr.uniApps = true;
        storedVerbatim("Cyrillic in every field", cyr);
        catalogue::ScriptPublication control;
        control.title = "Управляющие\tзнаки\\ " + n;
        control.descr = std::string("ноль:") + '\0' + " конец\x1b[0m\"'\\";
        control.script = "<row><error>не ошибка</error></row>";
        storedVerbatim("control characters and markup", control);

        // raw bytes, no proper request
        garbage("not HTTP", "GARBAGE\r\n\r\n");
        garbage("endless length", "POST /scripts/scr_getlist.php HTTP/1.1\r\nHost: x\r\n"
                                  "Content-Length: 18446744073709551615\r\n\r\nfltid=1");
        garbage("negative length", "POST /scripts/scr_getlist.php HTTP/1.1\r\nHost: x\r\n"
                                   "Content-Length: -5\r\n\r\nfltid=1");
        garbage("body cut short", "POST /scripts/scr_getlist.php HTTP/1.1\r\nHost: x\r\n"
                                  "Content-Length: 100\r\n\r\nfltid=1");
        garbage("giant chunk", "POST /scripts/scr_getlist.php HTTP/1.1\r\nHost: x\r\n"
                               "Transfer-Encoding: chunked\r\n\r\nFFFFFFFFFFFFFFFF\r\nab");
        garbage("long header line", "GET /files/x HTTP/1.1\r\nX-Long: " +
                                        std::string(100000, 'x') + "\r\n\r\n");
        std::string bytes;
        for (int b = 0; b < 256; ++b) {
            bytes += static_cast<char>(b);
        }
        garbage("every byte", bytes);
    }
};

// ---- the database, read directly once the server has stopped ----

class Database {
public:
    explicit Database(const std::string& path) {
        if (sqlite3_open_v2(path.c_str(), &m_db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
            ADD_FAILURE() << "cannot open " << path;
        }
    }
    ~Database() { sqlite3_close(m_db); }

    // Every row of a query, its columns as text.
    std::vector<std::vector<std::string>> rows(const char* sql) {
        std::vector<std::vector<std::string>> out;
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v2(m_db, sql, -1, &stmt, nullptr) != SQLITE_OK) {
            ADD_FAILURE() << sqlite3_errmsg(m_db) << " in " << sql;
            return out;
        }
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            std::vector<std::string> row;
            for (int c = 0; c < sqlite3_column_count(stmt); ++c) {
                const auto* text = sqlite3_column_text(stmt, c);
                row.emplace_back(text != nullptr ? reinterpret_cast<const char*>(text) : "");
            }
            out.push_back(std::move(row));
        }
        sqlite3_finalize(stmt);
        return out;
    }
    std::set<int64_t> ids(const char* sql) {
        std::set<int64_t> out;
        for (const auto& row : rows(sql)) {
            out.insert(std::stoll(row.at(0)));
        }
        return out;
    }
    std::string single(const char* sql) {
        auto all = rows(sql);
        return all.empty() || all[0].empty() ? std::string() : all[0][0];
    }

private:
    sqlite3* m_db = nullptr;
};

TEST(ServerUnderLoad, ServesEveryClientThroughRestartsAndAttacksAndKeepsEveryPublication) {
    pentad::test::TempDir dir;
    ServerProcess server(dir);
    ASSERT_TRUE(server.start()) << dir.read("server.log");

    Shared shared;
    shared.port = server.port();
    auto begin = SteadyClock::now();
    shared.deadline = begin + std::chrono::seconds(g_seconds);

    std::vector<std::unique_ptr<LoadClient>> clients;
    for (int i = 0; i < kClients; ++i) {
        clients.push_back(std::make_unique<LoadClient>(shared, i, loadIdentity(i)));
    }
    Attacker attacker(shared);
    std::vector<std::thread> threads;
    for (auto& client : clients) {
        threads.emplace_back([&client] { client->run(); });
    }
    threads.emplace_back([&attacker] { attacker.run(); });

    // killed twice in the middle of the load (once in a short run)
    int restarts = 0;
    int planned = g_seconds >= 6 ? 2 : 1;
    for (int r = 1; r <= planned; ++r) {
        std::this_thread::sleep_until(begin + std::chrono::milliseconds(g_seconds * 1000 * r /
                                                                       (planned + 1)));
        if (!server.running()) {
            shared.fail("the server ended on its own");
            break;
        }
        shared.restarting = true;
        ++shared.epoch;
        server.killHard();
        bool up = server.start();
        ++shared.epoch;
        shared.restarting = false;
        if (!up) {
            shared.fail("the server did not start again");
            break;
        }
        ++restarts;
    }
    for (auto& t : threads) {
        t.join();
    }
    ASSERT_TRUE(server.running()) << "the server ended under load";

    // what the clients sent, put together
    std::set<int64_t> liveScripts;
    std::set<int64_t> liveSystems;
    std::map<int64_t, std::vector<int>> marks;   // entry -> marks 1..5 and -1 of every rater
    std::vector<LoadClient*> everybody;
    for (auto& client : clients) {
        everybody.push_back(client.get());
    }
    everybody.push_back(&attacker);
    for (LoadClient* client : everybody) {
        liveScripts.insert(client->liveScripts().begin(), client->liveScripts().end());
        liveSystems.insert(client->liveSystems().begin(), client->liveSystems().end());
        for (const auto& [id, mark] : client->marks()) {
            if (mark != 0) {
                marks[id].push_back(mark);
            }
        }
    }

    // the averages every user sees, recomputed from the marks sent
    LoadClient observer(shared, kClients + 1, loadIdentity(kClients + 1));
    size_t checkedAverages = 0;
    for (const ReplyRow& row : observer.listScripts(ListFilter::All)) {
        int64_t id = row.intField(element::kId).value_or(-1);
        long long sum = 0;
        long long count = 0;
        auto sent = marks.find(id);
        for (int mark : sent != marks.end() ? sent->second : std::vector<int>()) {
            if (mark > 0) {
                sum += mark;
                ++count;
            }
        }
        EXPECT_EQ(row.intField(element::kRatingCnt).value_or(-1), count) << "entry " << id;
        double average = count > 0 ? static_cast<double>(sum) / static_cast<double>(count) : 0.0;
        EXPECT_NEAR(std::atof(row.field(element::kRatingAvg).c_str()), average, 0.0006)
            << "entry " << id;
        ++checkedAverages;
    }
    EXPECT_GE(checkedAverages, shared.permanentIds().size());

    EXPECT_EQ(server.stop(), 0) << "the server did not stop in order";

    {
        std::lock_guard lock(shared.mutex);
        for (size_t i = 0; i < shared.failures.size() && i < 30; ++i) {
            ADD_FAILURE() << shared.failures[i];
        }
        EXPECT_EQ(shared.failures.size(), 0u);
    }

    // The database holds exactly what the server confirmed, no more, no less.
    Database db(dir.file("catalogue.sqlite"));
    EXPECT_EQ(db.single("PRAGMA integrity_check"), "ok");
    EXPECT_EQ(db.ids("SELECT id FROM scripts"), liveScripts);
    EXPECT_EQ(db.ids("SELECT script_id FROM script_texts"), liveScripts);
    EXPECT_EQ(db.ids("SELECT id FROM systems"), liveSystems);
    EXPECT_EQ(db.single("SELECT count(*) FROM script_rates WHERE script_id NOT IN "
                        "(SELECT id FROM scripts)"),
              "0");
    // the kept sums and counts agree with the marks stored and the marks sent
    EXPECT_EQ(db.single("SELECT count(*) FROM scripts s WHERE rating_sum <> "
                        "(SELECT coalesce(sum(rate), 0) FROM script_rates r "
                        "WHERE r.script_id = s.id AND rate > 0) OR rating_count <> "
                        "(SELECT count(*) FROM script_rates r WHERE r.script_id = s.id "
                        "AND rate > 0)"),
              "0");
    std::map<int64_t, std::multiset<int>> storedMarks;
    for (const auto& row : db.rows("SELECT script_id, rate FROM script_rates")) {
        storedMarks[std::stoll(row.at(0))].insert(std::stoi(row.at(1)));
    }
    std::map<int64_t, std::multiset<int>> sentMarks;
    for (const auto& [id, list] : marks) {
        sentMarks[id].insert(list.begin(), list.end());
    }
    EXPECT_EQ(storedMarks, sentMarks);

    long totalMarks = 0;
    for (const auto& [id, list] : marks) {
        totalMarks += static_cast<long>(list.size());
    }
    std::printf("load: %d clients for %d s: %ld requests served, %ld cut off by %d restarts "
                "(%ld writes found committed after a lost reply), %ld bad inputs tried; "
                "%zu entries, %zu systems, %ld marks kept\n",
                kClients, g_seconds, shared.served.load(), shared.lost.load(), restarts,
                shared.recovered.load(), shared.badInputs.load(), liveScripts.size(),
                liveSystems.size(), totalMarks);
    EXPECT_EQ(restarts, planned);
    EXPECT_GT(shared.served.load(), 0);
}

}  // namespace
}  // namespace pentad::server::test

int main(int argc, char** argv) {
    signal(SIGPIPE, SIG_IGN);
    ::testing::InitGoogleTest(&argc, argv);
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg.rfind("--seconds=", 0) == 0) {
            pentad::server::test::g_seconds = std::atoi(arg.c_str() + 10);
        }
    }
    if (const char* env = std::getenv("PENTAD_LOAD_SECONDS")) {
        pentad::server::test::g_seconds = std::atoi(env);
    }
    if (pentad::server::test::g_seconds < 1) {
        pentad::server::test::g_seconds = 1;
    }
    return RUN_ALL_TESTS();
}
