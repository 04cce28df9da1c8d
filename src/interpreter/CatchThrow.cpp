#include "interpreter/CatchThrow.h"

#include <algorithm>
#include <string>

#include "interpreter/ErrorMessages.h"
#include "interpreter/tProcessContext.h"
#include "language/Language.h"
#include "values/eLogoException.h"
#include "values/eOutputException.h"
#include "values/eTerminateException.h"
#include "values/ethrow.h"

namespace {

std::string lowerCase(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

bool isTopLevelWord(const std::string& tag) { return sameWord(tag, primaryName("toplevel")); }

// Keeps the tag among the active catches while the body runs.
class tActiveCatch {
public:
    tActiveCatch(tProcessContext& context, std::string tag) : context_(context)
    {
        context.catchTags.push_back(std::move(tag));
    }
    ~tActiveCatch() { context_.catchTags.pop_back(); }

private:
    tProcessContext& context_;
};

}  // namespace

void ThrowTag(tlogoobject* tag)
{
    tProcessContext& context = requireContext();
    std::string text = lowerCase(tag->WordText());
    if (isTopLevelWord(text)) throw eTerminateException(1);
    const auto& tags = context.catchTags;
    if (std::find(tags.begin(), tags.end(), text) == tags.end()) throw eLogoException(erNoCatch, tag);
    throw ethrow(tag);
}

bool RunCatch(tlogoobject* tag, const std::function<void()>& body)
{
    tProcessContext& context = requireContext();
    std::string text = lowerCase(tag->WordText());
    int height = context.stack.height();
    bool catchesErrors = isWord("other", "error", text);
    bool catchesTopLevel = isTopLevelWord(text);
    tActiveCatch active(context, text);
    try {
        body();
        return false;
    } catch (ethrow& thrown) {
        if (thrown.tag != text) throw;
    } catch (eTerminateException& exit) {
        if (!(catchesTopLevel && exit.flag == 1)) throw;
    } catch (eOutputException&) {
        throw;
    } catch (std::exception& error) {
        if (!catchesErrors) throw;
        RecordCaughtError(context, error);
    }
    context.stack.truncate(height);
    return true;
}

void RecordCaughtError(tProcessContext& context, std::exception& caught)
{
    auto* error = dynamic_cast<eLogoException*>(&caught);
    tCaughtError& record = context.caughtError;
    record.caught = true;
    record.key = error ? error->key : 0;
    record.message = error ? MessageWithBreak(*error, "\xB6") : caught.what();
    record.needingProcedure = error ? error->needingProcedure : std::string();
    record.culprit = error ? error->culprit.get() : nullptr;
    record.culpritName = error ? error->culpritName : 0;
}

std::vector<std::string> MessageLines(std::exception& caught)
{
    std::string message = caught.what();
    if (auto* error = dynamic_cast<eLogoException*>(&caught)) {
        FormatMessage(*error);
        message = error->message;
    }
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t lineBreak; (lineBreak = message.find("\r\n", start)) != std::string::npos; start = lineBreak + 2)
        lines.push_back(message.substr(start, lineBreak - start));
    lines.push_back(message.substr(start));
    return lines;
}
