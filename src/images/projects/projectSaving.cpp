#include "images/projects/projectSaving.h"

#include <ctime>
#include <span>
#include <filesystem>
#include <system_error>

#include "images/compressionLevel.h"
#include "images/lgfImages.h"
#include "images/projects/currentProject.h"
#include "images/projects/projectWriter.h"
#include "images/projects/saveOptions.h"
#include "language/Language.h"
#include "mainobj/system/workspaceChanged.h"
#include "language/StreamKeys.h"
#include "language/tFileStream.h"
#include "language/tMemoryStream.h"
#include "language/texecodedstream.h"
#include "values/eLogoException.h"

namespace fs = std::filesystem;

namespace {

std::string saveTime()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%d.%m.%Y %H:%M:%S", &local);
    return text;
}

void keepBackup(const fs::path& file)
{
    std::error_code ignored;
    if (!fs::exists(file, ignored))
        return;
    fs::path backup = file;
    backup += ".bak";
    fs::remove(backup, ignored);
    fs::rename(file, backup, ignored);
}

void writeFile(const fs::path& path, std::span<const uint8_t> bytes)
{
    try {
        tFileStream file(path.string(), tFileStream::create);
        file.WriteExact(bytes.data(), int64_t(bytes.size()));
    } catch (const eStreamError&) {
        throw eLogoException(erFileCreate, std::string_view(path.string()));
    }
}

// English projects name no language: they load in every program.
std::string projectLanguage()
{
    std::string language = currentLanguage();
    if (language == "*" || language == "english")
        language.clear();
    return language;
}

// A project stored in memory, through the keyed filter, with its images inside.
std::vector<uint8_t> codedContainer(const std::string& language, const std::string& text, const tImageRegistry& images)
{
    tMemoryStream plain;
    {
        texecodedstream coded(plain, kProjectKey);
        writeProjectContainer(coded, language, text, images, projectCompressionLevel());
    }
    return plain.Bytes();
}

}  // namespace

void saveProject(const std::string& path, const tSaveSelection* selection)
{
    const uint8_t options = storedSaveOptions();
    const bool separateImages = options & soExtraImages;
    const fs::path file(path);
    const std::string language = projectLanguage();
    tProjectHeader header{language, path, saveTime(), {}};
    if (separateImages)
        header.imageFile = file.filename().string() + ".LGF";

    tImageRegistry images;
    const std::string text =
        selection ? partialProjectText(header, *selection, images) : mainProjectText(header, options, images);
    const int level = projectCompressionLevel();

    // The whole container is made in memory first, so a failure leaves the old file (or its
    // backup) as it was.
    tMemoryStream plain;
    {
        texecodedstream coded(plain, kProjectKey);
        writeProjectContainer(coded, language, text, separateImages ? tImageRegistry() : images, level);
    }
    if (options & soBackup)
        keepBackup(file);
    writeFile(file, plain.Bytes());
    if (separateImages && !images.Images().empty()) {
        tMemoryStream imageFile;
        for (auto image = images.Images().rbegin(); image != images.Images().rend(); ++image)
            appendImageChunk(**image, imageFile, level);
        writeFile(file.parent_path() / header.imageFile, imageFile.Bytes());
    }
    if (options & soReadOnly) {
        std::error_code ignored;
        fs::permissions(file, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                        fs::perm_options::remove, ignored);
    }
    if (!selection) {
        setCurrentProjectFile(path);
        setWorkspaceChanged(false);
    }
}

std::vector<uint8_t> workspaceProject(const std::string& name, const tSaveSelection* selection)
{
    const uint8_t options = storedSaveOptions() & ~soExtraImages;
    const std::string language = projectLanguage();
    const tProjectHeader header{language, name, saveTime(), {}};
    tImageRegistry images;
    const std::string text =
        selection ? partialProjectText(header, *selection, images) : mainProjectText(header, options, images);
    return codedContainer(language, text, images);
}

std::vector<uint8_t> objectsProject(const std::vector<tmultiobject*>& objects,
                                    const std::optional<std::string>& copyName)
{
    const std::string language = projectLanguage();
    tImageRegistry images;
    const std::string text = partialProjectText({language, {}, saveTime(), {}}, {objects, {}, copyName}, images);
    return codedContainer(language, text, images);
}

