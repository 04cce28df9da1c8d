#include "images/projects/WebExportPrimitives.h"

#include <QBuffer>
#include <QImage>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "images/projects/projectSaving.h"
#include "images/projects/webPackage.h"
#include "images/projects/webPage.h"
#include "mainobj/primitiveTable.h"
#include "mainobj/system/systemOptions.h"
#include "mainobj/system/tFilePaths.h"
#include "mainobj/tPrimitiveCall.h"
#include "objects/shownPage.h"
#include "turtle/tgrScreen.h"
#include "turtle/tlogopage.h"
#include "values/eLogoException.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kPackageExtension = ".ZXK";

// The package's path: a name without an extension is a package's.
std::string packagePath(const std::string& name)
{
    const bool bare = fs::path(name).extension().empty();
    return resolveFileName(bare ? name + kPackageExtension : name, fkWeb, {});
}

void writeFile(const std::string& path, std::string_view bytes, std::string_view name)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) throw eLogoException(erFileCreate, name);
}

// The shown page as PNG, and its size; nothing when no page is shown.
std::string shownPagePicture(int& width, int& height)
{
    auto* page = dynamic_cast<tlogopage*>(shownPage());
    if (!page) return {};
    const QImage picture = page->Screen().Composed();
    width = picture.width();
    height = picture.height();
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, "PNG")) return {};
    return buffer.data().toStdString();
}

tlogoobject* saveforweb(tPrimitiveCall& call)
{
    const std::string& name = call.word(0);
    const fs::path package = packagePath(name);
    const fs::path pagePath = fs::path(package).replace_extension(".html");

    tWebPageContent content;
    content.title = package.stem().string();
    content.packageFile = package.filename().string();
    content.pictureData = shownPagePicture(content.width, content.height);
    content.charset = systemOptions().htmlCharset;
    content.pluginPage = systemOptions().pluginPage;
    content.bottomLine = systemOptions().htmlBottomLine;

    tWebPackage packed;
    packed.project = workspaceProject(content.title);
    packed.picture.assign(content.pictureData.begin(), content.pictureData.end());
    const std::vector<uint8_t> bytes = packWebPackage(packed);
    writeFile(package.string(), std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), name);
    writeFile(pagePath.string(), webPageText(content), name);
    return nullptr;
}

tlogoobject* unpackwebproject(tPrimitiveCall& call)
{
    const std::string& name = call.word(0);
    const fs::path package = packagePath(name);
    std::ifstream in(package, std::ios::binary);
    if (!in) throw eLogoException(erFileProblem, name);
    const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const std::optional<tWebPackage> unpacked = unpackWebPackage(bytes);
    if (!unpacked) throw eLogoException(erNotAPackage, name);
    // The project goes where "save" of the same name would put it, ready for "loadproject".
    const std::string project = resolveFileName(package.stem().string(), fkProject, {});
    const auto& data = unpacked->project;
    writeFile(project, std::string_view(reinterpret_cast<const char*>(data.data()), data.size()), name);
    return nullptr;
}

const tPrimitiveRow kWebExportRows[] = {
    {"saveforweb", 1, kFixedInputs, &saveforweb},
    {"unpackwebproject", 1, kFixedInputs, &unpackwebproject},
};

}  // namespace

void registerWebExportPrimitives(tLogoTab& table) { registerPrimitives(table, kWebExportRows); }
