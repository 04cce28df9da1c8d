#include "platform/web/webTransfers.h"

#include "language/ProgramFile.h"
#include "platform/web/contentTypes.h"
#include "platform/web/curlLibrary.h"
#include "platform/web/remoteAddress.h"
#include "platform/web/textLineEnds.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <random>
#include <utility>

namespace {

constexpr long kReadBlock = 2048;

// Servers see the program's file name, as its users know it.
const std::string& agentName()
{
    static const std::string name = std::filesystem::path(programPath()).filename().string();
    return name;
}

bool isHttpScheme(const std::string& scheme)
{
    return scheme == "http" || scheme == "https";
}

// The answer of a transfer as it arrives: its content type decides the text mode once the
// headers are in, and the target file is made only when there is something to store.
struct tAnswerStore {
    const tCurlLibrary& curl;
    CURL* easy;
    std::string target;
    tTransferMode mode;
    bool http;
    FILE* file = nullptr;
    bool opened = false;
    bool text = false;
    bool failed = false;
    std::string contentType;
    tTextLineEnds lineEnds;

    // `ftpText`: an FTP file that arrives as ASCII, whose line ends the library has made LF.
    tAnswerStore(const tCurlLibrary& library, CURL* handle, std::string targetFile, tTransferMode transferMode,
                 bool httpAnswer, bool ftpText)
        : curl(library), easy(handle), target(std::move(targetFile)), mode(transferMode), http(httpAnswer),
          text(ftpText)
    {
    }

    void open()
    {
        opened = true;
        if (http) {
            char* type = nullptr;
            curl.easyGetinfo(easy, CURLINFO_CONTENT_TYPE, &type);
            contentType = type ? type : "";
            // A server's "text/plain" is often only its fallback; the file's own type says more.
            if (contentType.empty() || isPlainTextContentType(contentType))
                contentType = contentTypeOfFile(target);
            if (contentType.empty())
                contentType = "application/octet-stream";
            text = mode == tTransferMode::Text || (mode == tTransferMode::Default && isTextContentType(contentType));
        }
        if (!target.empty()) {
            file = std::fopen(target.c_str(), "wb");
            failed = file == nullptr;
        }
    }

    size_t write(const char* data, size_t size)
    {
        if (!opened)
            open();
        if (failed)
            return 0;
        if (!file)
            return size;
        if (text) {
            std::string converted = lineEnds.convert(std::string_view(data, size));
            if (std::fwrite(converted.data(), 1, converted.size(), file) != converted.size())
                failed = true;
        } else if (std::fwrite(data, 1, size, file) != size) {
            failed = true;
        }
        return failed ? 0 : size;
    }

    // A successful answer without a body still makes its (empty) file.
    void close(bool succeeded)
    {
        if (!opened && succeeded)
            open();
        if (file && std::fclose(file) != 0)
            failed = true;
        file = nullptr;
    }
};

size_t writeAnswer(char* data, size_t size, size_t count, void* store)
{
    return static_cast<tAnswerStore*>(store)->write(data, size * count);
}

// The local file of an upload. Sent as FTP ASCII, its line ends go out as bare LF: the library
// puts a CR before every LF it sends, so a CR LF of the file would arrive as CR CR LF.
struct tUploadSource {
    tUploadSource(FILE* localFile, bool asText) : file(localFile), text(asText) {}

    FILE* file;
    bool text;
    tTextLineEnds lineEnds{"\n"};
    std::string pending;

    // Bytes for the library; 0 only at the end of the file.
    size_t read(char* buffer, size_t room)
    {
        if (!text)
            return std::fread(buffer, 1, room, file);
        std::string block(room, '\0');
        while (pending.empty() && !std::feof(file) && !std::ferror(file)) {
            block.resize(std::fread(block.data(), 1, room, file));
            pending = lineEnds.convert(block);
            block.resize(room);
        }
        size_t given = std::min(room, pending.size());
        pending.copy(buffer, given);
        pending.erase(0, given);
        return given;
    }
};

size_t readLocalFile(char* buffer, size_t size, size_t count, void* source)
{
    auto* upload = static_cast<tUploadSource*>(source);
    size_t read = upload->read(buffer, size * count);
    if (read == 0 && std::ferror(upload->file))
        return CURL_READFUNC_ABORT;
    return read;
}

struct tProgressWatch {
    const tTransferOptions* options;
    bool upload;
    curl_off_t uploadSize = -1;  // an uploaded file's size; else the library's total counts
    bool stopped = false;
};

int reportProgress(void* watchData, curl_off_t downTotal, curl_off_t downNow, curl_off_t upTotal, curl_off_t upNow)
{
    auto* watch = static_cast<tProgressWatch*>(watchData);
    if (!watch->options->progress)
        return 0;
    if (watch->uploadSize >= 0)
        upTotal = watch->uploadSize;
    bool goOn = watch->upload ? watch->options->progress(upTotal, upNow) : watch->options->progress(downTotal, downNow);
    watch->stopped = !goOn;
    return goOn ? 0 : 1;
}

// One easy handle for the whole of a transfer, freed with its header list.
class tEasyTransfer {
public:
    tEasyTransfer(const tCurlLibrary& curl, const tRemoteAddress& address, const std::string& url,
                  const tTransferOptions& options, bool upload)
        : mCurl(curl),
          mEasy(options.ftpConnection ? static_cast<CURL*>(options.ftpConnection) : curl.easyInit()),
          mOwned(!options.ftpConnection),
          mWatch{&options, upload}
    {
        if (!mEasy)
            return;
        if (!mOwned)
            curl.easyReset(mEasy);  // keeps the open connection, forgets the last transfer's settings
        set(CURLOPT_URL, url.c_str());
        set(CURLOPT_NOSIGNAL, 1L);
        set(CURLOPT_USERAGENT, agentName().c_str());
        set(CURLOPT_BUFFERSIZE, kReadBlock);
        set(CURLOPT_NOPROGRESS, 0L);
        set(CURLOPT_XFERINFOFUNCTION, &reportProgress);
        set(CURLOPT_XFERINFODATA, &mWatch);
        if (address.scheme == "ftp") {
            if (!options.passiveFtp)
                set(CURLOPT_FTPPORT, "-");
            mFtpText = options.mode == tTransferMode::Text
                       || (options.mode == tTransferMode::Default
                           && isTextContentType(contentTypeOfFile(address.path)));
            set(CURLOPT_TRANSFERTEXT, mFtpText ? 1L : 0L);
            if (address.user.empty() && address.password.empty()) {
                set(CURLOPT_USERNAME, "anonymous");
                set(CURLOPT_PASSWORD, anonymousFtpPassword().c_str());
            }
        }
        // Without an empty Expect header small servers make PUT and POST wait a second.
        addHeader("Expect:");
    }

    ~tEasyTransfer()
    {
        if (mHeaders)
            mCurl.slistFreeAll(mHeaders);
        if (mEasy && mOwned)
            mCurl.easyCleanup(mEasy);
    }

    tEasyTransfer(const tEasyTransfer&) = delete;
    tEasyTransfer& operator=(const tEasyTransfer&) = delete;

    CURL* easy() const { return mEasy; }
    bool stopped() const { return mWatch.stopped; }
    // An FTP transfer in ASCII mode.
    bool ftpText() const { return mFtpText; }

    // The local file to send. Sent as FTP ASCII it changes its size on the way, so the
    // library is not told a size to check it against.
    void sendFile(tUploadSource& source, curl_off_t size)
    {
        set(CURLOPT_UPLOAD, 1L);
        set(CURLOPT_READFUNCTION, &readLocalFile);
        set(CURLOPT_READDATA, &source);
        set(CURLOPT_INFILESIZE_LARGE, mFtpText ? curl_off_t(-1) : size);
        mWatch.uploadSize = size;
    }

    template <typename Value>
    void set(CURLoption option, Value value)
    {
        mCurl.easySetopt(mEasy, option, value);
    }

    void addHeader(const std::string& line)
    {
        if (curl_slist* grown = mCurl.slistAppend(mHeaders, line.c_str()))
            mHeaders = grown;
    }

    // Runs the transfer; the HTTP status (0 when none) goes to `status`.
    CURLcode perform(long& status)
    {
        set(CURLOPT_HTTPHEADER, mHeaders);
        CURLcode code = mCurl.easyPerform(mEasy);
        status = 0;
        mCurl.easyGetinfo(mEasy, CURLINFO_RESPONSE_CODE, &status);
        return code;
    }

private:
    const tCurlLibrary& mCurl;
    CURL* mEasy;
    bool mOwned;
    tProgressWatch mWatch;
    bool mFtpText = false;
    curl_slist* mHeaders = nullptr;
};

// Performs a prepared transfer whose answer goes to `target`, and makes its result.
tTransferResult storeAnswer(const tCurlLibrary& curl, tEasyTransfer& transfer, const std::string& target,
                            tTransferMode mode, bool http)
{
    tAnswerStore store(curl, transfer.easy(), target, mode, http, transfer.ftpText());
    transfer.set(CURLOPT_WRITEFUNCTION, &writeAnswer);
    transfer.set(CURLOPT_WRITEDATA, &store);
    long status = 0;
    CURLcode code = transfer.perform(status);
    store.close(code == CURLE_OK);
    tTransferResult result;
    result.code = store.failed ? kIncomplete : resultCodeOf(code, status, http);
    result.contentType = store.contentType;
    result.stopped = transfer.stopped();
    return result;
}

tTransferResult codeOnly(int code)
{
    tTransferResult result;
    result.code = code;
    return result;
}

// The parsed address and the loaded library, or the result code that ends the transfer first.
struct tPrepared {
    std::optional<tRemoteAddress> address;
    const tCurlLibrary* curl = nullptr;
    int failure = 0;
};

tPrepared prepare(const std::string& url, bool ftpToo)
{
    tPrepared prepared;
    prepared.address = parseRemoteAddress(url);
    if (!prepared.address || !(isHttpScheme(prepared.address->scheme) || (ftpToo && prepared.address->scheme == "ftp")))
        prepared.failure = kUnsupportedAddress;
    else if (!(prepared.curl = curlLibrary()))
        prepared.failure = kNoInternetHandle;
    return prepared;
}

} // namespace

const std::string& anonymousFtpPassword()
{
    // Anonymous servers want some password; a number below 100000 as the program always sent.
    static const std::string password = [] {
        std::random_device seed;
        return std::to_string(std::uniform_int_distribution<int>(0, 99999)(seed));
    }();
    return password;
}

int resultCodeOf(int curlCode, long status, bool http)
{
    switch (curlCode) {
    case CURLE_OK:
        return http ? (status > 0 ? int(status) : kNoStatus) : kTransferDone;
    case CURLE_UNSUPPORTED_PROTOCOL:
    case CURLE_URL_MALFORMAT:
        return kUnsupportedAddress;
    case CURLE_FAILED_INIT:
    case CURLE_OUT_OF_MEMORY:
        return kNoInternetHandle;
    case CURLE_REMOTE_FILE_NOT_FOUND:
    case CURLE_FTP_COULDNT_RETR_FILE:
    case CURLE_REMOTE_ACCESS_DENIED:
    case CURLE_READ_ERROR:
        return kNothingToTransfer;
    case CURLE_UPLOAD_FAILED:
        return http ? kNoStatus : kNothingToTransfer;
    case CURLE_WRITE_ERROR:
    case CURLE_PARTIAL_FILE:
    case CURLE_RECV_ERROR:
    case CURLE_SEND_ERROR:
    case CURLE_ABORTED_BY_CALLBACK:
        return kIncomplete;
    default:
        return kNoConnection;
    }
}

tTransferResult downloadUrl(const std::string& url, const std::string& target, const tTransferOptions& options)
{
    tPrepared prepared = prepare(url, true);
    if (prepared.failure)
        return codeOnly(prepared.failure);
    tEasyTransfer transfer(*prepared.curl, *prepared.address, url, options, false);
    if (!transfer.easy())
        return codeOnly(kNoInternetHandle);
    return storeAnswer(*prepared.curl, transfer, target, options.mode, isHttpScheme(prepared.address->scheme));
}

tTransferResult uploadUrl(const std::string& url, const std::string& localFile, const std::string& responseFile,
                          const tTransferOptions& options)
{
    tPrepared prepared = prepare(url, true);
    if (prepared.failure)
        return codeOnly(prepared.failure);
    const tCurlLibrary* curl = prepared.curl;
    const tRemoteAddress* address = &*prepared.address;
    FILE* file = std::fopen(localFile.c_str(), "rb");
    if (!file)
        return codeOnly(kNothingToTransfer);
    std::fseek(file, 0, SEEK_END);
    long size = std::ftell(file);
    std::fseek(file, 0, SEEK_SET);
    tTransferResult result = codeOnly(kNoInternetHandle);
    {
        tEasyTransfer transfer(*curl, *address, url, options, true);
        tUploadSource source(file, transfer.ftpText());
        if (transfer.easy()) {
            transfer.sendFile(source, curl_off_t(size < 0 ? 0 : size));
            if (options.appendFtp)
                transfer.set(CURLOPT_APPEND, 1L);
            bool http = isHttpScheme(address->scheme);
            result = storeAnswer(*curl, transfer, http ? responseFile : std::string(), options.mode, http);
            // A request that never reached a server is one that could not be sent.
            if (http && result.code == kNoConnection)
                result.code = kNoStatus;
        }
    }
    std::fclose(file);
    return result;
}

tTransferResult postForm(const std::string& url, const tRequestArray& fields, bool multipart,
                         const std::string& responseFile, const tTransferOptions& options)
{
    tPrepared prepared = prepare(url, false);
    if (prepared.failure)
        return codeOnly(prepared.failure);
    for (const tRequestField& field : fields)
        multipart = multipart || field.isFile;

    std::string body;
    std::string contentType;
    if (multipart) {
        auto contents = fieldContents(fields);
        if (!contents)
            return codeOnly(kNothingToTransfer);
        std::random_device seed;
        std::mt19937 random(seed());
        auto boundary = chooseBoundary(*contents, [&](size_t below) {
            return std::uniform_int_distribution<size_t>(0, below - 1)(random);
        });
        if (!boundary)
            return codeOnly(kUnsupportedAddress);
        body = multipartBody(fields, *contents, *boundary);
        contentType = "multipart/form-data; boundary=" + *boundary;
    } else {
        body = urlEncodedBody(fields);
        contentType = "application/x-www-form-urlencoded";
    }

    tEasyTransfer transfer(*prepared.curl, *prepared.address, url, options, true);
    if (!transfer.easy())
        return codeOnly(kNoInternetHandle);
    transfer.set(CURLOPT_POST, 1L);
    transfer.set(CURLOPT_POSTFIELDS, body.data());
    transfer.set(CURLOPT_POSTFIELDSIZE_LARGE, curl_off_t(body.size()));
    std::string headers = postHeaders(contentType, body.size());
    for (size_t start = 0; start < headers.size();) {
        size_t end = headers.find("\r\n", start);
        transfer.addHeader(headers.substr(start, end - start));
        start = end + 2;
    }
    tTransferResult result = storeAnswer(*prepared.curl, transfer, responseFile, options.mode, true);
    // No answer at all means the request could not be made.
    if (result.code == kNoConnection)
        result.code = kUnsupportedAddress;
    return result;
}
