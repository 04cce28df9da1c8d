#pragma once

#define CURL_DISABLE_TYPECHECK
#include <curl/curl.h>

// libcurl and the TLS, SSH, LDAP and HTTP/2 libraries it pulls in are loaded at the first
// transfer, not at every start of the program: the functions the transfers use, by name.
struct tCurlLibrary {
    decltype(&curl_easy_init) easyInit;
    decltype(&curl_easy_setopt) easySetopt;
    decltype(&curl_easy_perform) easyPerform;
    decltype(&curl_easy_getinfo) easyGetinfo;
    decltype(&curl_easy_cleanup) easyCleanup;
    decltype(&curl_easy_reset) easyReset;
    decltype(&curl_slist_append) slistAppend;
    decltype(&curl_slist_free_all) slistFreeAll;
};

// The loaded and initialised library; null when it cannot be loaded.
const tCurlLibrary* curlLibrary();
