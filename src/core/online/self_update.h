// SPDX-License-Identifier: GPL-3.0-or-later
// The self-update: a small INI description on the update server names the
// version offered for each program file; when its build number is above the
// program's own, the package is fetched, checked against its CRC-32, run in
// the work folder "SelfUpdate" of the program folder (where it leaves the new
// files) and the files are copied over the program folder. The program then
// needs a restart.
//
// Addresses that do not begin with "http://" or "https://" are file paths and
// are copied. Names taken from the description (the package name and the
// Exec and Delete lists) must stay inside the work folder or the program
// folder; a package without a checksum is accepted only from a file path or
// a verified HTTPS server. When the copy over the program folder fails half
// way, the files already replaced are put back.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "online/http_client.h"

namespace pentad {

class Shell;

// The update description's file name and where the maker publishes it.
inline constexpr const char* kUpdateDescriptionName = "Kestrel_AU.cfg";
inline constexpr const char* kUpdateAddress =
    "https://pentad.example.org/files/autoupdates/Kestrel_AU.cfg";
// Key of section ONLINE in "Pentad.ini" that names another update description.
inline constexpr const char* kUpdateAddressKey = "UpdateAddress";
// Names inside the program folder while an update runs.
inline constexpr const char* kUpdateInfName = "SelfUpdates.inf";
inline constexpr const char* kUpdateWorkFolder = "SelfUpdate";
inline constexpr const char* kUpdateGlobalSection = "GlobalOptions";

// Result of an update run.
enum UpdateResult { kUpdateNothing = 0, kUpdateInstalled = 1, kUpdateFailed = 2 };

// One program's entry of the update description, fields in file order.
struct TUpdateVersionData {
    std::string VerId;
    std::string Description;
    std::string DownloadUrl;
    std::string OriginalFileName;
    std::string ChecksumCRC32;
    std::string GlobalDeleteAfter;
    std::string GlobalDeleteBefore;
    std::string GlobalExecAfter;
    std::string GlobalExecBefore;
    std::string DeleteAfter;
    std::string DeleteBefore;
    std::string ExecAfter;
    std::string ExecBefore;
};

// What the search found: the entry and the text describing the new version.
struct UpdateOffer {
    TUpdateVersionData data;
    std::string descriptionText;
};

// The fourth part of a version text split at ",", "-", "." and "_", as an
// integer; 0 when missing or not a number.
int buildNumber(const std::string& version);

// CRC-32 (zlib, IEEE 802.3) of a file as eight uppercase hexadecimal digits.
// Throws pentad::Error when it cannot be read.
std::string fileCrc32Text(const std::string& path);

// The name a file in use is given before it is replaced: the "." of its
// extension becomes ".~" ("Pentad.lng" -> "Pentad.~lng"; "Pentad" -> "Pentad.~").
std::string inUseName(const std::string& path);

// Reads the entry of `programName` (and the global lists) from a description file.
TUpdateVersionData readUpdateDescription(const std::string& path, const std::string& programName,
                                         const std::string& ownVersion);

struct SelfUpdateSetup {
    std::string programFolder;  // the folder whose files are replaced
    std::string programName;    // the description section ("Pentad", "pentad-cli")
    std::string ownVersion;     // the program file's version
    int language = 1049;        // interface language (locale identifier)
    HttpOptions http;           // certificates and time-outs of the requests
    int runLimitMs = 60000;     // longest run of the package and of each Exec file
};

class SelfUpdate {
public:
    // Asked with the offer; true installs it.
    using OfferFn = std::function<bool(const UpdateOffer&)>;

    SelfUpdate(Shell& shell, SelfUpdateSetup setup);

    // The whole run: search, offer, install. Silent mode keeps quiet when
    // nothing is found or the search fails; installation messages are
    // always shown. Returns an UpdateResult.
    int run(const std::string& address, bool silent, const OfferFn& offer);

    // The search alone (progress window, busy state). Empty when no update
    // is offered. Throws pentad::Error.
    std::optional<UpdateOffer> search(const std::string& address);

    // The installation alone (progress window, busy state). Throws pentad::Error.
    void install(const UpdateOffer& offer);

    const SelfUpdateSetup& setup() const { return m_setup; }

private:
    void fetch(const std::string& address, const std::string& path);
    std::string fetchDescriptionText(const std::string& address, const std::string& verId);
    void fetchPackage(const TUpdateVersionData& data, const std::string& packagePath);
    void runProgram(const std::string& path);
    void runList(const std::vector<std::string>& names);
    void deleteList(const std::vector<std::string>& names);
    void copyIntoProgramFolder();

    Shell& m_shell;
    SelfUpdateSetup m_setup;
    std::string m_work;  // the work folder
};

}  // namespace pentad
