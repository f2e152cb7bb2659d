// SPDX-License-Identifier: GPL-3.0-or-later
// The server on a loopback port, spoken to over HTTP and HTTPS as the
// program speaks to it; and the pentad-server program itself.
#include <httplib.h>
#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/x509.h>
#include <signal.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <thread>

#include "catalogue_fixture.h"
#include "server_process.h"
#include "server/http_front_end.h"

namespace pentad::server::test {
namespace {

namespace element = catalogue::element;

constexpr const char* kFormType = "application/x-www-form-urlencoded";

// The front end serving on a free loopback port for the life of the object.
class RunningServer {
public:
    RunningServer(CatalogueService& service, FrontEndOptions options, std::ostream* log)
        : m_front(service, std::move(options), log) {
        m_port = m_front.bind();
        m_thread = std::thread([this] { m_front.run(); });
    }
    ~RunningServer() {
        m_front.stop();
        m_thread.join();
    }
    int port() const { return m_port; }

private:
    HttpFrontEnd m_front;
    int m_port = 0;
    std::thread m_thread;
};

FrontEndOptions loopback() {
    FrontEndOptions options;
    options.port = 0;
    return options;
}

// The headers every request of the program carries.
httplib::Headers programHeaders() {
    return {{"Accept", "text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8"},
            {"Accept-Encoding", "gzip, deflate, sdch"},
            {"User-Agent", "Mozilla/5.0 (Windows NT 6.1; WOW64)"}};
}

class HttpEndToEnd : public CatalogueFixture {
protected:
    std::vector<ReplyRow> send(httplib::Client& client, std::string_view path, const Form& form) {
        auto res = client.Post(std::string(path).c_str(), programHeaders(), form.body(), kFormType);
        EXPECT_TRUE(res);
        if (!res) {
            return {};
        }
        EXPECT_EQ(res->status, 200);
        EXPECT_EQ(res->get_header_value("Content-Encoding"), "");
        return catalogue::readReply(res->body);
    }
};

TEST_F(HttpEndToEnd, PublishListRateAndDownloadOverHttp) {
    std::ostringstream log;
    {
        RunningServer server(*service, loopback(), &log);
        httplib::Client client("127.0.0.1", server.port());
        catalogue::ScriptPublication p;
        p.title = "Сетевой сценарий";
        p.descr = "Описание с \"кавычками\"";
        p.script = "NUMS;1\r\nSUMS;2";
        auto put = send(client, catalogue::kScriptPutPath, catalogue::scriptPutForm(p, alice()));
        ASSERT_EQ(put.size(), 1u);
        int id = static_cast<int>(put[0].intField(element::kScriptNumber).value_or(-1));
        EXPECT_EQ(id, 1);

        send(client, catalogue::kScriptRatePath, catalogue::scriptRateForm(id, 4, "Хорошо", bob()));
        auto rows = send(client, catalogue::kScriptListPath, catalogue::scriptListForm(1, bob()));
        ASSERT_EQ(rows.size(), 1u);
        EXPECT_EQ(rows[0].base64Field(element::kTitle), "Сетевой сценарий");
        EXPECT_EQ(rows[0].field(element::kRatingYou), "4");
        EXPECT_EQ(rows[0].field(element::kRatingAvg), "4.000");

        Identity who = bob();
        auto data = send(client, catalogue::kScriptDataPath, catalogue::scriptDataForm(id, &who));
        ASSERT_EQ(data.size(), 1u);
        EXPECT_EQ(data[0].base64Field(element::kScript), p.script);

        p.id = id;
        auto refused =
            send(client, catalogue::kScriptPutPath, catalogue::scriptDeleteForm(p, bob()));
        ASSERT_EQ(refused.size(), 1u);
        EXPECT_NE(refused[0].error(), "");

        auto missing = client.Post("/scripts/unknown.php", "a=1", kFormType);
        ASSERT_TRUE(missing);
        EXPECT_EQ(missing->status, 404);
        auto tooLarge = client.Post(std::string(catalogue::kScriptListPath).c_str(),
                                    std::string(2 * catalogue::kMaxRequestBytes, 'a'), kFormType);
        ASSERT_TRUE(tooLarge);
        EXPECT_EQ(tooLarge->status, 413);
        EXPECT_EQ(catalogue::readReply(tooLarge->body).at(0).error(),
                  "Запрос слишком велик (больше 1 МБ).");
    }
    std::string text = log.str();
    EXPECT_NE(text.find("127.0.0.1 POST /scripts/scr_putscript.php 200 "), std::string::npos);
    EXPECT_NE(text.find("published id=1"), std::string::npos);
    EXPECT_NE(text.find("POST /scripts/unknown.php 404"), std::string::npos);
    // one line per request, and nothing that identifies a user
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 7);
    for (const char* secret : {"hw-alice", "hw-bob", "alice@example.org", "bob@example.org",
                               "Алиса", "Хорошо"}) {
        EXPECT_EQ(text.find(secret), std::string::npos) << secret;
    }
}

// Form bodies of any length up to the limit reach the catalogue, also with
// the form type every request of the program carries.
TEST_F(HttpEndToEnd, LongFormsReachTheCatalogueUpToTheLimit) {
    RunningServer server(*service, loopback(), nullptr);
    httplib::Client client("127.0.0.1", server.port());
    catalogue::ScriptPublication p;
    p.title = "Длинный сценарий";
    for (int i = 0; p.script.size() < 200000; ++i) {
        p.script += "NUMS;" + std::to_string(i) + ";Комментарий к строке\r\n";
    }
    auto put = send(client, catalogue::kScriptPutPath, catalogue::scriptPutForm(p, alice()));
    ASSERT_EQ(put.size(), 1u);
    int id = static_cast<int>(put[0].intField(element::kScriptNumber).value_or(-1));
    ASSERT_GT(id, 0) << put[0].error();
    auto data = send(client, catalogue::kScriptDataPath, catalogue::scriptDataForm(id));
    ASSERT_EQ(data.size(), 1u);
    EXPECT_TRUE(data[0].base64Field(element::kScript) == p.script);

    std::string list = catalogue::scriptListForm(1, bob()).body() + "&pad=";
    auto atLimit = client.Post(std::string(catalogue::kScriptListPath).c_str(),
                               list + std::string(catalogue::kMaxRequestBytes - list.size(), 'a'),
                               kFormType);
    ASSERT_TRUE(atLimit);
    EXPECT_EQ(atLimit->status, 200);
    auto rows = catalogue::readReply(atLimit->body);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].error(), "");
    auto over = client.Post(std::string(catalogue::kScriptListPath).c_str(),
                            list + std::string(catalogue::kMaxRequestBytes + 1 - list.size(), 'a'),
                            kFormType);
    ASSERT_TRUE(over);
    EXPECT_EQ(catalogue::readReply(over->body).at(0).error(), "Запрос слишком велик (больше 1 МБ).");
}

TEST_F(HttpEndToEnd, ServesTheFilesFolderOnly) {
    std::filesystem::create_directories(dir.file("www/autoupdates"));
    std::string package(300000, '\0');
    for (size_t i = 0; i < package.size(); ++i) {
        package[i] = static_cast<char>(i * 7);
    }
    dir.write("www/autoupdates/Pentad_1.0.0.1.exe", package);
    dir.write("www/empty.txt", "");
    dir.write("outside.txt", "secret");
    FrontEndOptions options = loopback();
    options.filesDir = dir.file("www");
    RunningServer server(*service, options, nullptr);
    httplib::Client client("127.0.0.1", server.port());

    auto res = client.Get("/files/autoupdates/Pentad_1.0.0.1.exe");
    ASSERT_TRUE(res);
    EXPECT_EQ(res->status, 200);
    EXPECT_TRUE(res->body == package);
    auto empty = client.Get("/files/empty.txt");
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->status, 200);
    EXPECT_EQ(empty->body, "");
    for (const char* path : {"/files/../outside.txt", "/files/%2e%2e/outside.txt",
                             "/files/autoupdates/", "/files/missing", "/outside.txt"}) {
        auto refused = client.Get(path);
        ASSERT_TRUE(refused) << path;
        EXPECT_EQ(refused->status, 404) << path;
        EXPECT_EQ(refused->body.find("secret"), std::string::npos);
    }
}

// A self-signed certificate and key for 127.0.0.1, written as PEM files.
void writeSelfSignedCertificate(const std::string& certFile, const std::string& keyFile) {
    EVP_PKEY* key = EVP_EC_gen("P-256");
    ASSERT_NE(key, nullptr);
    X509* cert = X509_new();
    X509_set_version(cert, 2);
    ASN1_INTEGER_set(X509_get_serialNumber(cert), 1);
    X509_gmtime_adj(X509_getm_notBefore(cert), -3600);
    X509_gmtime_adj(X509_getm_notAfter(cert), 3600);
    X509_set_pubkey(cert, key);
    X509_NAME* name = X509_get_subject_name(cert);
    X509_NAME_add_entry_by_txt(name, "CN", MBSTRING_ASC,
                               reinterpret_cast<const unsigned char*>("127.0.0.1"), -1, -1, 0);
    X509_set_issuer_name(cert, name);
    X509_sign(cert, key, EVP_sha256());
    FILE* out = std::fopen(certFile.c_str(), "w");
    PEM_write_X509(out, cert);
    std::fclose(out);
    out = std::fopen(keyFile.c_str(), "w");
    PEM_write_PrivateKey(out, key, nullptr, nullptr, 0, nullptr, nullptr);
    std::fclose(out);
    X509_free(cert);
    EVP_PKEY_free(key);
}

TEST_F(HttpEndToEnd, SpeaksTlsWithACertificate) {
    FrontEndOptions options = loopback();
    options.certFile = dir.file("cert.pem");
    options.keyFile = dir.file("key.pem");
    writeSelfSignedCertificate(options.certFile, options.keyFile);
    publish(alice(), "Через TLS");
    RunningServer server(*service, options, nullptr);

    httplib::SSLClient client("127.0.0.1", server.port());
    client.enable_server_certificate_verification(false);
    auto res = client.Post(std::string(catalogue::kScriptListPath).c_str(),
                           catalogue::scriptListForm(1, bob()).body(), kFormType);
    ASSERT_TRUE(res);
    auto rows = catalogue::readReply(res->body);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].base64Field(element::kTitle), "Через TLS");

    httplib::Client plain("127.0.0.1", server.port());
    auto refused = plain.Post(std::string(catalogue::kScriptListPath).c_str(), "fltid=1", kFormType);
    EXPECT_TRUE(!refused || refused->status >= 400);
}

TEST_F(HttpEndToEnd, RefusesTlsFilesItCannotLoad) {
    dir.write("bad.pem", "not a certificate");
    FrontEndOptions options = loopback();
    options.certFile = dir.file("bad.pem");
    options.keyFile = dir.file("bad.pem");
    HttpFrontEnd front(*service, options, nullptr);
    EXPECT_THROW(front.bind(), std::runtime_error);
}

// ---- the program ----

TEST(ServerProgram, CreatesItsDatabaseServesAndStopsOnSignal) {
    pentad::test::TempDir dir;
    Child child = spawnServer({"--db", dir.file("club.sqlite"), "--port", "0"}, dir.file("log"));
    std::string line = firstLine(child.out);
    size_t colon = line.rfind(':');
    ASSERT_NE(colon, std::string::npos) << line;
    EXPECT_EQ(line.rfind("pentad-server: serving http://127.0.0.1:", 0), 0u) << line;
    int port = std::atoi(line.c_str() + colon + 1);
    EXPECT_TRUE(std::filesystem::exists(dir.file("club.sqlite")));

    httplib::Client client("127.0.0.1", port);
    auto res = client.Post(std::string(catalogue::kScriptListPath).c_str(),
                           catalogue::scriptListForm(1, alice()).body(), kFormType);
    ASSERT_TRUE(res);
    EXPECT_EQ(res->status, 200);
    EXPECT_TRUE(catalogue::readReply(res->body).empty());

    kill(child.pid, SIGTERM);
    EXPECT_EQ(waitExit(child.pid), 0);
    close(child.out);
    EXPECT_NE(dir.read("log").find("POST /scripts/scr_getlist.php 200"), std::string::npos);
}

TEST(ServerProgram, RefusesBadOptions) {
    pentad::test::TempDir dir;
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--port", "70000"},
          std::vector<std::string>{"--cert", dir.file("log")},
          std::vector<std::string>{"--db", dir.file("no-such-folder/x.sqlite"), "--port", "0"},
          std::vector<std::string>{"--app-name", "no-equals-sign", "--port", "0"}}) {
        Child child = spawnServer(args, dir.file("log"));
        EXPECT_NE(waitExit(child.pid), 0) << args[0];
        close(child.out);
    }
}

}  // namespace
}  // namespace pentad::server::test
