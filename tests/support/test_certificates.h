// SPDX-License-Identifier: GPL-3.0-or-later
// Certificates for HTTPS tests, made when the test runs: a test CA, a server
// certificate it signed for 127.0.0.1 / localhost, and one it signed for
// another host name. Keys are P-256; everything is written as PEM files into
// a folder the test owns. Valid from a day before to a day after the run.
#pragma once

#include <fstream>
#include <memory>
#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/x509.h>
#include <openssl/x509v3.h>
#include <string>

namespace pentad::test {

struct TestCertificates {
    std::string caFile;          // the CA certificate (trust anchor)
    std::string serverCertFile;  // for 127.0.0.1 and localhost, signed by the CA
    std::string serverKeyFile;
    std::string otherCertFile;  // for "other.invalid" only, signed by the CA
    std::string otherKeyFile;
    bool ok = false;
};

namespace certs_detail {

struct KeyFree {
    void operator()(EVP_PKEY* k) const { EVP_PKEY_free(k); }
};
struct CertFree {
    void operator()(X509* x) const { X509_free(x); }
};
using Key = std::unique_ptr<EVP_PKEY, KeyFree>;
using Cert = std::unique_ptr<X509, CertFree>;

inline bool addExtension(X509* cert, X509* issuer, int nid, const char* value) {
    X509V3_CTX ctx;
    X509V3_set_ctx_nodb(&ctx);
    X509V3_set_ctx(&ctx, issuer, cert, nullptr, nullptr, 0);
    X509_EXTENSION* ext = X509V3_EXT_conf_nid(nullptr, &ctx, nid, value);
    if (ext == nullptr) {
        return false;
    }
    bool ok = X509_add_ext(cert, ext, -1) == 1;
    X509_EXTENSION_free(ext);
    return ok;
}

// A certificate for `key` named `cn`, signed by `issuerKey` (self-signed
// when `issuer` is null).
inline Cert makeCert(EVP_PKEY* key, const char* cn, X509* issuer, EVP_PKEY* issuerKey,
                     const char* altNames, long serial) {
    Cert cert(X509_new());
    X509* x = cert.get();
    X509_set_version(x, 2);
    ASN1_INTEGER_set(X509_get_serialNumber(x), serial);
    X509_gmtime_adj(X509_getm_notBefore(x), -86400);
    X509_gmtime_adj(X509_getm_notAfter(x), 86400);
    X509_set_pubkey(x, key);
    X509_NAME* name = X509_get_subject_name(x);
    X509_NAME_add_entry_by_txt(name, "CN", MBSTRING_ASC, reinterpret_cast<const unsigned char*>(cn),
                               -1, -1, 0);
    X509_set_issuer_name(x, issuer != nullptr ? X509_get_subject_name(issuer) : name);
    X509* signer = issuer != nullptr ? issuer : x;
    bool ok = true;
    if (altNames == nullptr) {
        ok = addExtension(x, signer, NID_basic_constraints, "critical,CA:TRUE") &&
             addExtension(x, signer, NID_key_usage, "critical,keyCertSign,cRLSign");
    } else {
        ok = addExtension(x, signer, NID_basic_constraints, "critical,CA:FALSE") &&
             addExtension(x, signer, NID_subject_alt_name, altNames) &&
             addExtension(x, signer, NID_ext_key_usage, "serverAuth");
    }
    if (!ok || X509_sign(x, issuerKey != nullptr ? issuerKey : key, EVP_sha256()) == 0) {
        return nullptr;
    }
    return cert;
}

inline bool writeCert(const std::string& path, X509* cert) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) {
        return false;
    }
    bool ok = PEM_write_X509(f, cert) == 1;
    return std::fclose(f) == 0 && ok;
}

inline bool writeKey(const std::string& path, EVP_PKEY* key) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) {
        return false;
    }
    bool ok = PEM_write_PrivateKey(f, key, nullptr, nullptr, 0, nullptr, nullptr) == 1;
    return std::fclose(f) == 0 && ok;
}

}  // namespace certs_detail

// Writes the certificates into `folder`.
inline TestCertificates makeTestCertificates(const std::string& folder) {
    using namespace certs_detail;
    TestCertificates c;
    Key caKey(EVP_EC_gen("P-256"));
    Key serverKey(EVP_EC_gen("P-256"));
    Key otherKey(EVP_EC_gen("P-256"));
    if (!caKey || !serverKey || !otherKey) {
        return c;
    }
    Cert ca = makeCert(caKey.get(), "Pentad Test CA", nullptr, nullptr, nullptr, 1);
    if (!ca) {
        return c;
    }
    Cert server = makeCert(serverKey.get(), "127.0.0.1", ca.get(), caKey.get(),
                           "IP:127.0.0.1,DNS:localhost", 2);
    Cert other =
        makeCert(otherKey.get(), "other.invalid", ca.get(), caKey.get(), "DNS:other.invalid", 3);
    if (!server || !other) {
        return c;
    }
    c.caFile = folder + "/ca.pem";
    c.serverCertFile = folder + "/server.pem";
    c.serverKeyFile = folder + "/server-key.pem";
    c.otherCertFile = folder + "/other.pem";
    c.otherKeyFile = folder + "/other-key.pem";
    c.ok = writeCert(c.caFile, ca.get()) && writeCert(c.serverCertFile, server.get()) &&
           writeKey(c.serverKeyFile, serverKey.get()) && writeCert(c.otherCertFile, other.get()) &&
           writeKey(c.otherKeyFile, otherKey.get());
    return c;
}

}  // namespace pentad::test
