#pragma once

#include <deque>
#include <string>
#include <vector>

#include "mainobj/system/dialogFront.h"

// Answers each dialog at once with the next scripted answer (cancelled when none is left) and
// keeps the requests.
class tScriptedFront : public tDialogFront {
public:
    tCloser ShowMessage(const tMessageRequest& r, tAnswered a) override { return Keep(messages, r, a); }
    tCloser ShowLineInput(const tLineRequest& r, tAnswered a) override { return Keep(lines, r, a); }
    tCloser ShowFileChooser(const tFileRequest& r, tAnswered a) override { return Keep(files, r, a); }
    tCloser ShowColourChooser(const tColourRequest& r, tAnswered a) override { return Keep(colours, r, a); }
    tCloser ShowItemChooser(const tItemsRequest& r, tAnswered a) override { return Keep(items, r, a); }
    tCloser ShowPopup(const tPopupRequest& r, tAnswered a) override { return Keep(popups, r, a); }

    std::deque<tDialogAnswer> answers;
    std::vector<tMessageRequest> messages;
    std::vector<tLineRequest> lines;
    std::vector<tFileRequest> files;
    std::vector<tColourRequest> colours;
    std::vector<tItemsRequest> items;
    std::vector<tPopupRequest> popups;

private:
    template <class Request>
    tCloser Keep(std::vector<Request>& kept, const Request& request, const tAnswered& answered)
    {
        kept.push_back(request);
        tDialogAnswer next;
        if (!answers.empty()) {
            next = answers.front();
            answers.pop_front();
        }
        answered(next);
        return [] {};
    }
};
