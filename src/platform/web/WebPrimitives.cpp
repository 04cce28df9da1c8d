#include "platform/web/startWeb.h"

#include "language/Language.h"
#include "mainobj/primitiveTable.h"
#include "mainobj/system/fileWildcards.h"
#include "mainobj/system/tFilePaths.h"
#include "mainobj/tMainLogoObject.h"
#include "mainobj/tPrimitiveCall.h"
#include "platform/web/ftpConnections.h"
#include "platform/web/ftpRemoteFiles.h"
#include "platform/web/processTransfer.h"
#include "platform/web/remoteAddress.h"
#include "platform/web/webTransfers.h"
#include "processes/interpreterRelease.h"
#include "processes/tLogoprocess.h"
#include "processes/tallthreads.h"
#include "values/eLogoException.h"
#include "values/tListBuilder.h"
#include "values/tLogoBool.h"
#include "values/tLogoInt.h"
#include "values/tLogoList.h"
#include "values/tLogoReal.h"
#include "values/tLogoString.h"
#include "values/valuePools.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <filesystem>
#include <limits>
#include <optional>
#include <utility>
#include <thread>

namespace {

enum tOptionKey : unsigned { kTransferTypeKey = 1, kPassiveKey = 2, kMimeTypeKey = 4 };

struct tCallOptions {
    tTransferOptions transfer;
    std::string mimeType;
};

std::string lowered(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return text;
}

// Key and value pairs; a key the primitive does not take fails with the key.
tCallOptions readOptions(tlogoobject* value, unsigned accepted)
{
    if (!value->IsList())
        throw eLogoException(erExpectList, value);
    tCallOptions options;
    std::vector<tlogoobject*> items;
    for (tlogoobject* item : elements(static_cast<tLogoList*>(value)))
        items.push_back(item);
    for (size_t i = 0; i < items.size(); i += 2) {
        std::string key = items[i]->IsWord() ? lowered(items[i]->WordText()) : std::string();
        unsigned which = 0;
        if (key == "transfertype")
            which = kTransferTypeKey;
        else if (key == "passiveftp")
            which = kPassiveKey;
        else if (key == "mimetype")
            which = kMimeTypeKey;
        if (!(which & accepted))
            throw eLogoException(erBadValue, items[i]);
        if (i + 1 >= items.size())
            throw eLogoException(erShortList, value);
        tlogoobject* setting = items[i + 1];
        if (which == kPassiveKey) {
            options.transfer.passiveFtp = setting->AsBoolean();
        } else if (which == kMimeTypeKey) {
            if (!setting->IsWord())
                throw eLogoException(erExpectWord, setting);
            options.mimeType = setting->WordText();
        } else {
            std::string mode = setting->IsWord() ? lowered(setting->WordText()) : std::string();
            if (mode == "text")
                options.transfer.mode = tTransferMode::Text;
            else if (mode == "binary")
                options.transfer.mode = tTransferMode::Binary;
            else if (mode == "default")
                options.transfer.mode = tTransferMode::Default;
            else
                throw eLogoException(erBadValue, setting);
        }
    }
    return options;
}

void checkInputCount(const tPrimitiveCall& call, int least, int most)
{
    if (call.count() < least)
        throw eLogoException(erNotEnoughInputs);
    if (call.count() > most)
        throw eLogoException(erTooManyInputs);
}

// A word, or a non-empty list of words.
std::vector<std::string> namesOf(tlogoobject* value)
{
    if (value->IsWord()) {
        if (value->WordText().empty())
            throw eLogoException(erEmptyWord);
        return {value->WordText()};
    }
    if (!value->IsList())
        throw eLogoException(erExpectWord, value);
    std::vector<std::string> names;
    for (tlogoobject* item : elements(static_cast<tLogoList*>(value))) {
        if (!item->IsWord())
            throw eLogoException(erExpectWord, item);
        names.push_back(item->WordText());
    }
    if (names.empty())
        throw eLogoException(erEmptyList);
    return names;
}

std::string resolvedLocal(const std::string& name, bool search)
{
    return resolveFileName(name, tFileKind(1), {search, true});
}

// The transfers of one call to one FTP server share a connection: the one the caller holds
// open, or one opened for the call. Nothing when none can be made.
void borrowBatchConnection(std::optional<tBorrowedFtpConnection>& batch, const tRemoteAddress& address,
                           tTransferOptions& options)
{
    withoutInterpreter([&] { batch.emplace(address, options.passiveFtp); });
    if (*batch)
        options.ftpConnection = (*batch)->handle;
}

// Each FTP pattern gives way to the addresses of the files it matches (folders are not fetched).
std::vector<std::string> expandedPatterns(const tConnectRec& connection, const std::vector<std::string>& sources)
{
    std::vector<std::string> expanded;
    for (const std::string& source : sources) {
        if (!isFtpAddress(source) || !hasWildcards(lastPathSegment(source))) {
            expanded.push_back(source);
            continue;
        }
        std::optional<std::vector<tRemoteEntry>> entries;
        withoutInterpreter([&] { entries = matchingFtpEntries(connection, source); });
        for (const tRemoteEntry& entry : entries.value_or(std::vector<tRemoteEntry>()))
            if (!entry.folder)
                expanded.push_back(ftpEntryAddress(source, entry.name));
    }
    return expanded;
}

tlogoobject* downloadURL(tPrimitiveCall& call)
{
    checkInputCount(call, 2, 3);
    tCallOptions options = call.count() > 2 ? readOptions(call[2], kTransferTypeKey | kPassiveKey) : tCallOptions();
    std::vector<std::string> sources = namesOf(call[0]);
    // Later names of a list are relative to the first.
    for (size_t i = 1; i < sources.size(); ++i)
        sources[i] = sources[0].substr(0, sources[0].rfind('/') + 1) + sources[i];
    std::string target = resolvedLocal(call.word(1), false);
    bool intoFolder = sources.size() > 1 || std::filesystem::is_directory(target);
    if (intoFolder && !target.empty() && target.back() != '/')
        target += '/';
    resetTransferState("down");

    auto first = parseRemoteAddress(sources[0]);
    std::string scheme = first ? first->scheme : std::string();
    // FTP sources share one connection; a pattern needs it to be listed.
    std::optional<tBorrowedFtpConnection> batch;
    if (scheme == "ftp")
        borrowBatchConnection(batch, *first, options.transfer);
    bool patterns = scheme == "ftp" && std::any_of(sources.begin(), sources.end(),
                                [](const std::string& source) { return isFtpAddress(source) && hasWildcards(lastPathSegment(source)); });
    if (patterns) {
        if (!*batch) {
            std::string message = getStr("text", "noConnectionForPattern", false);
            message.replace(message.find("%s"), 2, first->host);
            throw eLogoException(message, nullptr);
        }
        sources = expandedPatterns(**batch, sources);
        if (!target.empty() && target.back() != '/')
            target += '/';
    }
    if (batch && !*batch)
        return NewInteger(kNoConnection);

    int code = kNothingToTransfer;
    for (const std::string& source : sources) {
        auto address = parseRemoteAddress(source);
        if (!address || address->scheme != scheme) {
            code = kUnsupportedAddress;
            break;
        }
        // A remote name's escapes ("%20") stand for characters the local name has as they are.
        std::string file = target.empty() || target.back() == '/' ? target + percentDecoded(lastPathSegment(source)) : target;
        code = runTransfer("down", options.transfer, [&](const tTransferOptions& transfer) {
                   return downloadUrl(source, file, transfer);
               }).code;
        if (code != kTransferDone)
            break;
    }
    return NewInteger(code);
}

// The checks of an upload or post target, made before anything is sent.
void checkTarget(const std::string& url)
{
    auto address = parseRemoteAddress(url);
    if (!address || address->host.empty())
        throw eLogoException(getStr("text", "noServerName", false), nullptr);
    if (address->scheme != "ftp" && address->scheme != "http" && address->scheme != "https")
        throw eLogoException(getStr("text", "wrongProtocol", false), nullptr);
}

// The local files of an upload: the first name resolved and searched for, later ones in its
// folder, and patterns replaced by the files they match there. `several`: the target is a folder.
std::vector<std::string> uploadFiles(tlogoobject* value, bool& several)
{
    std::vector<std::string> names = namesOf(value);
    several = names.size() > 1;
    names[0] = resolvedLocal(names[0], true);
    const std::string folder = splitPath(names[0]).folder;
    std::vector<std::string> files;
    for (size_t i = 0; i < names.size(); ++i) {
        std::string path = i == 0 ? names[0] : folder + (names[i].starts_with('\\') ? names[i].substr(1) : names[i]);
        tPathParts parts = splitPath(path);
        if (!hasWildcards(parts.file)) {
            files.push_back(path);
            continue;
        }
        several = true;
        for (const std::string& name : matchingEntries(parts.folder, parts.file, false))
            files.push_back(parts.folder + name);
    }
    return files;
}

tlogoobject* uploadURL(tPrimitiveCall& call)
{
    checkInputCount(call, 2, 4);
    tCallOptions options = call.count() > 3 ? readOptions(call[3], kTransferTypeKey | kPassiveKey) : tCallOptions();
    std::string response = call.count() > 2 && !call.word(2).empty() ? resolvedLocal(call.word(2), false) : "";
    bool several = false;
    std::vector<std::string> files = uploadFiles(call[1], several);
    std::string url = call.word(0);
    if (several && !url.ends_with('/'))
        url += '/';
    resetTransferState("up");
    if (files.empty())
        return NewInteger(kNothingToTransfer);

    // A file goes to the address itself when that names a file, else into its folder.
    std::vector<std::string> targets;
    for (const std::string& file : files)
        targets.push_back(lastPathSegment(url).empty() ? ftpEntryAddress(url, lastPathSegment(file)) : url);
    // The targets differ only in their last part, so the first one's check holds for all.
    checkTarget(targets[0]);
    std::optional<tBorrowedFtpConnection> batch;
    if (auto address = parseRemoteAddress(url); address && address->scheme == "ftp")
        borrowBatchConnection(batch, *address, options.transfer);

    int code = kNothingToTransfer;
    for (size_t i = 0; i < files.size(); ++i) {
        code = batch && !*batch ? kNoConnection
                                : runTransfer("up", options.transfer, [&](const tTransferOptions& transfer) {
                                      return uploadUrl(targets[i], files[i], response, transfer);
                                  }).code;
    }
    return NewInteger(code);
}

tlogoobject* post(const std::string& url, const tRequestArray& fields, bool multipart, tPrimitiveCall& call,
                  const tCallOptions& options)
{
    std::string response = call.count() > 2 && !call.word(2).empty() ? resolvedLocal(call.word(2), false) : "";
    return NewInteger(runTransfer("up", options.transfer, [&](const tTransferOptions& transfer) {
                          return postForm(url, fields, multipart, response, transfer);
                      }).code);
}

tlogoobject* postFile(tPrimitiveCall& call)
{
    checkInputCount(call, 2, 4);
    tCallOptions options = call.count() > 3 ? readOptions(call[3], kTransferTypeKey | kMimeTypeKey) : tCallOptions();
    if (call.word(1).empty())
        return NewInteger(0);
    checkTarget(call.word(0));
    tRequestArray fields = {fileField("file", resolvedLocal(call.word(1), true), options.mimeType),
                            textField("action", "Upload")};
    return post(call.word(0), fields, true, call, options);
}

tlogoobject* postRequest(tPrimitiveCall& call)
{
    checkInputCount(call, 2, 4);
    tCallOptions options = call.count() > 3 ? readOptions(call[3], kTransferTypeKey) : tCallOptions();
    tLogoList* list = call.list(1);
    std::vector<tlogoobject*> items;
    for (tlogoobject* item : elements(list))
        items.push_back(item);
    tRequestArray fields;
    bool multipart = false;
    for (size_t i = 0; i < items.size(); i += 2) {
        if (!items[i]->IsWord())
            throw eLogoException(erBadValue, list);
        if (i + 1 == items.size()) {
            std::string encoding = lowered(items[i]->WordText());
            if (encoding == "multipart/form-data")
                multipart = true;
            else if (encoding != "application/x-www-form-urlencoded")
                throw eLogoException(erBadValue, items[i]);
            break;
        }
        tlogoobject* value = items[i + 1];
        if (value->IsWord()) {
            fields.push_back(textField(items[i]->WordText(), value->WordText()));
            continue;
        }
        if (!value->IsList())
            throw eLogoException(erBadValue, list);
        std::vector<tlogoobject*> file;
        for (tlogoobject* part : elements(static_cast<tLogoList*>(value)))
            file.push_back(part);
        if (file.empty())
            throw eLogoException(erEmptyList, list);
        if (file.size() > 2 || !file[0]->IsWord() || (file.size() == 2 && !file[1]->IsWord()))
            throw eLogoException(erBadStructure, list);
        checkTarget(call.word(0));
        fields.push_back(fileField(items[i]->WordText(), resolvedLocal(file[0]->WordText(), true),
                                   file.size() == 2 ? file[1]->WordText() : std::string()));
    }
    return post(call.word(0), fields, multipart, call, options);
}

tlogoobject* number(int64_t value)
{
    if (value >= std::numeric_limits<int32_t>::min() && value <= std::numeric_limits<int32_t>::max())
        return NewInteger(int32_t(value));
    return NewReal(static_cast<long double>(value));
}

tlogoobject* transferStatus(tPrimitiveCall& call)
{
    std::string name = call[0]->PrintText(0);
    tTransferState state;
    for (const std::shared_ptr<tLogoprocess>& process : tallthreads::Instance().Processes())
        if (processNameForComparison(process->Name()) == processNameForComparison(name))
            state = process->transfer;
    tListBuilder list;
    list.Append(NewLiteralWord(state.direction));
    list.Append(number(state.expected));
    list.Append(number(state.moved));
    return list.Take();
}

tlogoobject* lastContentType(tPrimitiveCall&)
{
    tLogoprocess* process = tLogoprocess::Current();
    return NewLiteralWord(process ? process->transfer.contentType : std::string());
}

// The address and the passive flag that name a connection.
std::pair<tRemoteAddress, bool> connectionNamed(tPrimitiveCall& call, int least)
{
    checkInputCount(call, least, least + 1);
    tCallOptions options = call.count() > least ? readOptions(call[least], kPassiveKey) : tCallOptions();
    auto address = parseRemoteAddress(call.word(0));
    if (!address || address->scheme != "ftp")
        return {tRemoteAddress(), options.transfer.passiveFtp};
    return {*address, options.transfer.passiveFtp};
}

// The connection opened here holds one use until "FTPClose" or the end of the process.
tlogoobject* FTPOpen(tPrimitiveCall& call)
{
    auto [address, passive] = connectionNamed(call, 1);
    if (address.host.empty())
        return NewBoolean(false);
    bool open = false;
    withoutInterpreter([&] { open = borrowFtpConnection(address, passive) != nullptr; });
    return NewBoolean(open);
}

tlogoobject* FTPClose(tPrimitiveCall& call)
{
    auto [address, passive] = connectionNamed(call, 1);
    if (!address.host.empty())
        withoutInterpreter([&] { releaseFtpConnection(address, passive); });
    return nullptr;
}

void closeProcessConnections(tLogoprocess& process) { closeFtpConnectionsOf(&process); }

constexpr tPrimitiveRow kWebRows[] = {
    {"FTPOpen", 1, kVariableInputs, &FTPOpen},
    {"FTPClose", 1, kVariableInputs, &FTPClose},
    {"downloadURL", 2, kVariableInputs, &downloadURL},
    {"uploadURL", 2, kVariableInputs, &uploadURL},
    {"postFile", 3, kVariableInputs, &postFile},
    {"postRequest", 3, kVariableInputs, &postRequest},
    {"transferStatus", 1, kFixedInputs, &transferStatus},
    {"lastContentType", 0, kFixedInputs, &lastContentType},
};

} // namespace

void startWeb()
{
    registerPrimitives(*mainLogoObject().procTable, kWebRows);
    installFtpRemoteFiles();
    static bool hooked = false;
    if (!std::exchange(hooked, true))
        addProcessEndHook(&closeProcessConnections);
}
